#pragma once

#include "print/print_document.h"

#include <QString>

class QPrintPreviewDialog;
class QWidget;

namespace kl {

// Shows the document in Qt's print preview over owner, from where the user prints it or saves it
// as PDF. The preview is modal to owner's window, does not block, and is deleted when closed.
// file_name (without ".pdf") names the printed document: the print dialog offers it for printing to
// a file, as PDFに保存 offers it.
QPrintPreviewDialog* preview_document(QWidget* owner, const PrintDocument& document, const QString& title,
                                      const QString& file_name);

// Asks for a file (default_name offered in the working directory) and writes the document to it as
// PDF; a file that cannot be written is reported.
void save_document_as_pdf(QWidget* owner, const PrintDocument& document, const QString& title,
                          const QString& default_name);

// Asks for a CSV or TSV file (default_name offered in the working directory, CSV first) and writes
// the copy text to it in the chosen form.
void export_copy_text(QWidget* owner, const QString& copy_text, const QString& default_name);

}  // namespace kl
