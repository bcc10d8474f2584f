#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <optional>

namespace kl {

struct PrintDocument;

// A view of the main window, as the window's commands use whichever view is visible: コピー takes
// its text, 印刷 and PDFに保存 its pages, エクスポート its text under a name with its day.
class MainView : public QWidget {
  public:
    using QWidget::QWidget;

    // The text コピー puts on the clipboard.
    virtual QString copy_text() const = 0;
    // The printed pages; nothing while the view shows nothing to print.
    virtual std::optional<PrintDocument> print_document(const QDate& today) const = 0;
    // The day a file of the view's output is named after: today, unless the view shows a day of its
    // own.
    virtual QDate output_day(const QDate& today) const { return today; }
};

}  // namespace kl
