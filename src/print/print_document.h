#pragma once

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QPainter;
class QPaintDevice;
class QRectF;

namespace kl {

// What every page of a printed view carries: the team and the view in its header with the day it
// was printed, and "n / m" in its footer.
struct PageHeading {
    QString team_name;
    QString view_title;
    QDate date;
};

// The font printed pages use, in points: the CJK font (Noto Sans CJK JP where installed), so that
// Japanese text is embedded as text.
QFont print_font(double points, bool bold = false);

// The fonts and measures of the device a document is painted on; lengths in device units. Every
// text of a page is drawn through text(), which keeps what was drawn when asked to.
class PageStyle {
  public:
    explicit PageStyle(const QPaintDevice& device, QString* drawn = nullptr);

    double mm(double millimetres) const { return millimetres * dots_per_mm_; }
    QFont font(double points, bool bold = false) const { return print_font(points, bold); }
    QFont body() const { return font(8.5); }
    QFontMetricsF metrics(const QFont& font) const;
    // The height of one line of text in font: tighter than the font's line spacing, which a CJK font
    // makes generous.
    double line_height(const QFont& font) const;
    // The height text takes in width: one line, or as many as it wraps to.
    double text_height(const QFont& font, const QString& text, double width) const;

    void text(QPainter& painter, const QRectF& box, int flags, const QString& text) const;

  private:
    const QPaintDevice* device_;
    double dots_per_mm_;
    QString* drawn_;
};

enum class TextRole { title, heading, body };

struct TextBlock {
    QString text;
    TextRole role = TextRole::body;
};

struct TableBlock {
    QStringList headers;             // repeated at the top of every page the table runs on
    std::vector<QStringList> rows;   // cells wrap within their column
    std::vector<int> right_aligned;  // columns of numbers
};

// Something drawn at a height for the page's width, never split across pages: the score table of a
// game, a chart. It moves to a new page when it does not fit below what is placed, and is scaled
// down when it is taller than a whole page.
struct DrawingBlock {
    std::function<double(double width, const PageStyle& style)> height;
    std::function<void(QPainter& painter, const QRectF& area, const PageStyle& style)> paint;
};

// Space between blocks, in millimetres.
struct GapBlock {
    double millimetres = 4;
};

// What follows begins a new page (nothing at the top of a page).
struct PageBreakBlock {};

using PrintBlock = std::variant<TextBlock, TableBlock, DrawingBlock, GapBlock, PageBreakBlock>;

// A printable document: blocks laid out top to bottom over as many A4 portrait pages as they need.
// A document without a heading (a form) has no running header and footer.
struct PrintDocument {
    std::optional<PageHeading> heading;
    std::vector<PrintBlock> blocks;
    // "さくらFC 試合データ一覧": what a printer or a PDF file names the document.
    QString name() const;
    // A heading keeps with the block after it: it never ends a page alone.
    PrintDocument& title(const QString& text);
    PrintDocument& section(const QString& text);
    PrintDocument& text(const QString& text);
    PrintDocument& table(TableBlock table);
    PrintDocument& drawing(DrawingBlock drawing);
    PrintDocument& gap(double millimetres = 4);
    PrintDocument& page_break();
};

}  // namespace kl
