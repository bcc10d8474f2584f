#include "paper_output.h"

#include "print/page_painter.h"
#include "print/pdf_output.h"
#include "reports/output_files.h"
#include "store/data_store.h"
#include "widgets/message_box.h"

#include <QDir>
#include <QFileDialog>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kl {
namespace {

const QString pdf_filter = QStringLiteral(u"PDF (*.pdf)");
const QString csv_filter = QStringLiteral(u"CSV (*.csv)");
const QString tsv_filter = QStringLiteral(u"TSV (*.tsv)");

void report_write(const QString& file, const md::WriteResult& written) {
    if (!written.ok) {
        show_message(md::SaveResult{false, QDir::toNativeSeparators(file), written.reason}.message());
    }
}

// The file the user names in a save dialog; empty when the dialog is cancelled.
QString chosen_file(QWidget* owner, const QString& caption, const QString& default_name,
                    const QStringList& filters, void (*on_filter)(QFileDialog&, const QString&) = nullptr) {
    QFileDialog dialog(owner, caption, QDir::current().filePath(default_name));
    dialog.setObjectName(QStringLiteral(u"save_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QFileInfo(default_name).suffix());
    if (on_filter != nullptr) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, on_filter](const QString& filter) { on_filter(dialog, filter); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace

QPrintPreviewDialog* preview_document(QWidget* owner, const PrintDocument& document, const QString& title,
                                      const QString& file_name) {
    auto* preview = new QPrintPreviewDialog(owner);
    preview->setObjectName(QStringLiteral(u"print_preview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral(u"印刷プレビュー - ") + title);
    QPrinter* printer = preview->printer();
    printer->setDocName(file_name);
    printer->setFullPage(true);
    use_a4_pages(*printer);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [document](QPrinter* target) {
        QString drawn;
        paint_document(document, *target, &drawn);
        // Printed to a PDF file (the print dialog's "print to file"), the file gets the text maps
        // its own PDFs have; the preview itself paints no file.
        if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty() &&
            target->paintEngine() != nullptr && target->paintEngine()->type() == QPaintEngine::Pdf) {
            mend_text_maps_of_file(target->outputFileName(), drawn);
        }
    });
    preview->resize(owner->window()->size().expandedTo({800, 700}));
    preview->open();
    return preview;
}

void save_document_as_pdf(QWidget* owner, const PrintDocument& document, const QString& title,
                          const QString& default_name) {
    const QString file = chosen_file(owner, QStringLiteral(u"PDFに保存"), default_name, {pdf_filter});
    if (!file.isEmpty()) {
        report_write(file, write_pdf(document, title, file));
    }
}

void export_copy_text(QWidget* owner, const QString& copy_text, const QString& default_name) {
    const QString file = chosen_file(
        owner, QStringLiteral(u"エクスポート"), default_name, {csv_filter, tsv_filter},
        [](QFileDialog& dialog, const QString& filter) {
            // The offered name follows the chosen form.
            const QString suffix = filter == tsv_filter ? QStringLiteral(u"tsv") : QStringLiteral(u"csv");
            dialog.setDefaultSuffix(suffix);
            dialog.selectFile(QFileInfo(dialog.selectedFiles().value(0)).completeBaseName() + u'.' + suffix);
        });
    if (!file.isEmpty()) {
        report_write(file, md::write_whole_file(file, export_file_bytes(copy_text, export_format_of(file))));
    }
}

}  // namespace kl
