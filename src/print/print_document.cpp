#include "print_document.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace kl {

QFont print_font(double points, bool bold) {
    // Noto Sans CJK JP comes with fonts-noto-cjk. Shaped in a run of Latin script, its digits take
    // glyphs no character maps to, which a PDF reader cannot copy or search; printed text needs no
    // shaping, Japanese included.
    QFont font(QStringLiteral(u"Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

PageStyle::PageStyle(const QPaintDevice& device, QString* drawn)
    : device_(&device), dots_per_mm_(device.logicalDpiX() / 25.4), drawn_(drawn) {}

QFontMetricsF PageStyle::metrics(const QFont& font) const {
    return QFontMetricsF(font, device_);
}

double PageStyle::line_height(const QFont& font) const {
    return std::min(mm(font.pointSizeF() * 1.25 * 25.4 / 72), metrics(font).height());
}

double PageStyle::text_height(const QFont& font, const QString& text, double width) const {
    const QFontMetricsF measure = metrics(font);
    if (measure.horizontalAdvance(text) <= width) {
        return line_height(font);
    }
    return measure.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

void PageStyle::text(QPainter& painter, const QRectF& box, int flags, const QString& text) const {
    if (drawn_ != nullptr) {
        *drawn_ += text;
    }
    painter.drawText(box, flags, text);
}

QString PrintDocument::name() const {
    return heading ? heading->team_name + u' ' + heading->view_title : QString();
}

PrintDocument& PrintDocument::title(const QString& text) {
    blocks.emplace_back(TextBlock{text, TextRole::title});
    return *this;
}

PrintDocument& PrintDocument::section(const QString& text) {
    blocks.emplace_back(TextBlock{text, TextRole::heading});
    return *this;
}

PrintDocument& PrintDocument::text(const QString& text) {
    blocks.emplace_back(TextBlock{text, TextRole::body});
    return *this;
}

PrintDocument& PrintDocument::table(TableBlock table) {
    blocks.emplace_back(std::move(table));
    return *this;
}

PrintDocument& PrintDocument::drawing(DrawingBlock drawing) {
    blocks.emplace_back(std::move(drawing));
    return *this;
}

PrintDocument& PrintDocument::gap(double millimetres) {
    blocks.emplace_back(GapBlock{millimetres});
    return *this;
}

PrintDocument& PrintDocument::page_break() {
    blocks.emplace_back(PageBreakBlock{});
    return *this;
}

}  // namespace kl
