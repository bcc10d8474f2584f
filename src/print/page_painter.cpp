#include "page_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <numeric>

namespace kl {
namespace {

constexpr double side_margin = 15;          // mm
constexpr double end_margin = 12;           // mm, above the header and below the footer
constexpr double header_band = 10;          // mm
constexpr double footer_band = 8;           // mm
constexpr double cell_padding_x = 1.5;      // mm
constexpr double cell_padding_y = 0.4;      // mm
constexpr double space_before_heading = 2;  // mm
constexpr double space_after_text = 0.6;    // mm
const QColor rule_colour(0x80, 0x80, 0x80);
const QColor header_fill(0xe8, 0xe8, 0xe8);

constexpr int wrapping = Qt::TextWordWrap;

using Paint = std::function<void(QPainter&)>;
using Page = std::vector<Paint>;

QFont role_font(const PageStyle& style, TextRole role) {
    switch (role) {
        case TextRole::title:
            return style.font(9.5, true);
        case TextRole::heading:
            return style.font(9, true);
        case TextRole::body:
            break;
    }
    return style.body();
}

// A table's columns and rows measured for a width.
struct TableLayout {
    const TableBlock* table = nullptr;
    QFont font;
    QFont header_font;
    std::vector<double> widths;
    double header_height = 0;
    std::vector<double> row_heights;
    double pad_x = 0;
    double pad_y = 0;
};

// Widths that fit width: each column gets what its longest text needs, as far as an equal share
// allows; columns that need less leave the rest to those that need more. Spare room goes to every
// column in proportion to its need.
std::vector<double> fit_columns(std::vector<double> natural, double width) {
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    if (total <= width) {
        for (double& column : natural) {
            column *= width / total;
        }
        return natural;
    }
    std::vector<double> widths(natural.size(), 0);
    std::vector<bool> fixed(natural.size(), false);
    double remaining = width;
    size_t open = natural.size();
    for (bool changed = true; changed && open > 0;) {
        changed = false;
        const double share = remaining / static_cast<double>(open);
        for (size_t i = 0; i < natural.size(); ++i) {
            if (!fixed[i] && natural[i] <= share) {
                widths[i] = natural[i];
                fixed[i] = true;
                remaining -= natural[i];
                --open;
                changed = true;
            }
        }
    }
    for (size_t i = 0; i < natural.size(); ++i) {
        if (!fixed[i]) {
            widths[i] = remaining / static_cast<double>(open);
        }
    }
    return widths;
}

std::shared_ptr<TableLayout> lay_out_table(const TableBlock& table, const PageStyle& style, double width) {
    auto layout = std::make_shared<TableLayout>();
    layout->table = &table;
    layout->font = style.body();
    layout->header_font = style.font(8.5, true);
    layout->pad_x = style.mm(cell_padding_x);
    layout->pad_y = style.mm(cell_padding_y);
    const QFontMetricsF metrics = style.metrics(layout->font);
    const QFontMetricsF header_metrics = style.metrics(layout->header_font);
    const auto columns = static_cast<size_t>(table.headers.size());
    std::vector<double> natural(columns, 2 * layout->pad_x + style.mm(2));
    for (size_t c = 0; c < columns; ++c) {
        natural[c] =
            std::max(natural[c], header_metrics.horizontalAdvance(table.headers[static_cast<qsizetype>(c)]) +
                                     2 * layout->pad_x);
        for (const QStringList& row : table.rows) {
            natural[c] =
                std::max(natural[c],
                         metrics.horizontalAdvance(row.value(static_cast<qsizetype>(c))) + 2 * layout->pad_x);
        }
    }
    layout->widths = fit_columns(natural, width);
    const auto row_height = [&](const QStringList& cells, const QFont& font) {
        double height = 0;
        for (size_t c = 0; c < columns; ++c) {
            height = std::max(height, style.text_height(font, cells.value(static_cast<qsizetype>(c)),
                                                        layout->widths[c] - 2 * layout->pad_x));
        }
        return height + 2 * layout->pad_y;
    };
    layout->header_height = table.headers.isEmpty() ? 0 : row_height(table.headers, layout->header_font);
    for (const QStringList& row : table.rows) {
        layout->row_heights.push_back(row_height(row, layout->font));
    }
    return layout;
}

void paint_row(QPainter& painter, const PageStyle& style, const TableLayout& layout, const QStringList& cells,
               double left, double top, double height, bool header) {
    const TableBlock& table = *layout.table;
    const double width = std::accumulate(layout.widths.begin(), layout.widths.end(), 0.0);
    if (header) {
        painter.fillRect(QRectF(left, top, width, height), header_fill);
    }
    painter.setFont(header ? layout.header_font : layout.font);
    double x = left;
    for (size_t c = 0; c < layout.widths.size(); ++c) {
        const bool right = std::find(table.right_aligned.begin(), table.right_aligned.end(),
                                     static_cast<int>(c)) != table.right_aligned.end();
        const QRectF cell(x + layout.pad_x, top + layout.pad_y, layout.widths[c] - 2 * layout.pad_x,
                          height - 2 * layout.pad_y);
        style.text(painter, cell, wrapping | Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft),
                   cells.value(static_cast<qsizetype>(c)));
        x += layout.widths[c];
    }
}

// The rows first..last (exclusive) of a table with its header row, ruled, from top.
void paint_table_part(QPainter& painter, const PageStyle& style, const TableLayout& layout, size_t first,
                      size_t last, double left, double top) {
    const TableBlock& table = *layout.table;
    const double width = std::accumulate(layout.widths.begin(), layout.widths.end(), 0.0);
    std::vector<double> lines{top};
    double y = top;
    if (!table.headers.isEmpty()) {
        paint_row(painter, style, layout, table.headers, left, y, layout.header_height, true);
        y += layout.header_height;
        lines.push_back(y);
    }
    for (size_t r = first; r < last; ++r) {
        paint_row(painter, style, layout, table.rows[r], left, y, layout.row_heights[r], false);
        y += layout.row_heights[r];
        lines.push_back(y);
    }
    painter.setPen(QPen(rule_colour, style.mm(0.2)));
    for (const double line : lines) {
        painter.drawLine(QPointF(left, line), QPointF(left + width, line));
    }
    double x = left;
    painter.drawLine(QPointF(x, top), QPointF(x, y));
    for (const double column : layout.widths) {
        x += column;
        painter.drawLine(QPointF(x, top), QPointF(x, y));
    }
    painter.setPen(Qt::black);
}

// Places blocks on pages from the top of the content area down.
class Composer {
  public:
    Composer(const PageStyle& style, const QRectF& content) : style_(style), content_(content) { new_page(); }

    void place(const PrintBlock& block, const PrintBlock* next) {
        std::visit([&](const auto& item) { place_block(item, next); }, block);
    }

    std::vector<Page> pages;

  private:
    void new_page() {
        pages.emplace_back();
        y_ = content_.top();
    }
    bool at_page_top() const { return y_ <= content_.top(); }
    double room() const { return content_.bottom() - y_; }
    void ensure_room(double needed) {
        if (needed > room() && !at_page_top()) {
            new_page();
        }
    }

    // The least of a block that must stand on the same page as a heading above it.
    double first_part_height(const PrintBlock& block) const {
        if (const auto* table = std::get_if<TableBlock>(&block)) {
            const auto layout = lay_out_table(*table, style_, content_.width());
            return layout->header_height + (layout->row_heights.empty() ? 0 : layout->row_heights.front());
        }
        if (const auto* text = std::get_if<TextBlock>(&block)) {
            return style_.text_height(role_font(style_, text->role), text->text, content_.width());
        }
        if (const auto* drawing = std::get_if<DrawingBlock>(&block)) {
            return std::min(drawing->height(content_.width(), style_), content_.height());
        }
        return 0;
    }

    void place_block(const TextBlock& block, const PrintBlock* next) {
        const QFont font = role_font(style_, block.role);
        const double height = style_.text_height(font, block.text, content_.width());
        if (block.role != TextRole::body && !at_page_top()) {
            y_ += style_.mm(space_before_heading);
        }
        const double with_next = block.role != TextRole::body && next != nullptr
                                     ? height + style_.mm(space_after_text) + first_part_height(*next)
                                     : height;
        ensure_room(with_next);
        const QRectF area(content_.left(), y_, content_.width(), height);
        pages.back().push_back([font, area, text = block.text, style = style_](QPainter& painter) {
            painter.setFont(font);
            style.text(painter, area, wrapping | Qt::AlignLeft | Qt::AlignVCenter, text);
        });
        y_ += height + style_.mm(space_after_text);
    }

    void place_block(const TableBlock& table, const PrintBlock*) {
        const auto layout = lay_out_table(table, style_, content_.width());
        size_t first = 0;
        do {
            ensure_room(layout->header_height +
                        (layout->row_heights.empty() ? 0 : layout->row_heights[first]));
            double height = layout->header_height;
            size_t last = first;
            // Every page holds at least one row, however tall.
            while (last < layout->row_heights.size() &&
                   (last == first || height + layout->row_heights[last] <= room())) {
                height += layout->row_heights[last];
                ++last;
            }
            const double top = y_;
            const double left = content_.left();
            pages.back().push_back([layout, first, last, left, top, style = style_](QPainter& painter) {
                paint_table_part(painter, style, *layout, first, last, left, top);
            });
            y_ += height + style_.mm(space_after_text);
            first = last;
            if (first < layout->row_heights.size()) {
                new_page();
            }
        } while (first < layout->row_heights.size());
    }

    void place_block(const DrawingBlock& drawing, const PrintBlock*) {
        const double width = content_.width();
        const double height = drawing.height(width, style_);
        const double scale = height > content_.height() ? content_.height() / height : 1.0;
        ensure_room(height * scale);
        const QPointF origin(content_.left(), y_);
        pages.back().push_back([drawing, origin, width, height, scale, style = style_](QPainter& painter) {
            painter.save();
            painter.translate(origin);
            painter.scale(scale, scale);
            drawing.paint(painter, QRectF(0, 0, width, height), style);
            painter.restore();
        });
        y_ += height * scale + style_.mm(space_after_text);
    }

    void place_block(const GapBlock& gap, const PrintBlock*) {
        if (!at_page_top()) {
            y_ = std::min(y_ + style_.mm(gap.millimetres), content_.bottom());
        }
    }

    void place_block(const PageBreakBlock&, const PrintBlock*) {
        if (!at_page_top()) {
            new_page();
        }
    }

    const PageStyle& style_;
    QRectF content_;
    double y_ = 0;
};

QRectF content_area(const PrintDocument& document, const PageStyle& style, const QRectF& page) {
    QRectF content = page.adjusted(style.mm(side_margin), style.mm(end_margin), -style.mm(side_margin),
                                   -style.mm(end_margin));
    if (document.heading) {
        content.adjust(0, style.mm(header_band), 0, -style.mm(footer_band));
    }
    return content;
}

std::vector<Page> compose(const PrintDocument& document, const PageStyle& style, const QRectF& page) {
    Composer composer(style, content_area(document, style, page));
    for (size_t i = 0; i < document.blocks.size(); ++i) {
        composer.place(document.blocks[i],
                       i + 1 < document.blocks.size() ? &document.blocks[i + 1] : nullptr);
    }
    return std::move(composer.pages);
}

void paint_heading(QPainter& painter, const PageHeading& heading, const PageStyle& style, const QRectF& page,
                   int number, int count) {
    const QRectF band(page.left() + style.mm(side_margin), page.top() + style.mm(end_margin),
                      page.width() - 2 * style.mm(side_margin), style.mm(header_band) - style.mm(3));
    painter.setFont(style.font(9, true));
    style.text(painter, band, Qt::AlignLeft | Qt::AlignBottom, heading.team_name);
    painter.setFont(style.font(9));
    style.text(painter, band, Qt::AlignHCenter | Qt::AlignBottom, heading.view_title);
    style.text(painter, band, Qt::AlignRight | Qt::AlignBottom,
               heading.date.toString(QStringLiteral(u"yyyy/MM/dd")));
    painter.setPen(QPen(Qt::black, style.mm(0.3)));
    painter.drawLine(QPointF(band.left(), band.bottom() + style.mm(1)),
                     QPointF(band.right(), band.bottom() + style.mm(1)));
    painter.setPen(Qt::black);
    const QRectF footer(band.left(), page.bottom() - style.mm(end_margin) - style.mm(5), band.width(),
                        style.mm(5));
    // Wide blanks, or PDF readers take "1 / 3" for "1/3".
    style.text(painter, footer, Qt::AlignHCenter | Qt::AlignBottom,
               QString::number(number) + QStringLiteral(u"  /  ") + QString::number(count));
}

}  // namespace

void use_a4_pages(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

int paint_document(const PrintDocument& document, QPagedPaintDevice& device, QString* drawn) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const PageStyle style(device, drawn);
    const QRectF page(0, 0, device.width(), device.height());
    const std::vector<Page> pages = compose(document, style, page);
    const int count = static_cast<int>(pages.size());
    for (int number = 1; number <= count; ++number) {
        if (number > 1) {
            device.newPage();
        }
        if (document.heading) {
            paint_heading(painter, *document.heading, style, page, number, count);
        }
        for (const Paint& item : pages[static_cast<size_t>(number - 1)]) {
            item(painter);
        }
    }
    painter.end();
    return count;
}

}  // namespace kl
