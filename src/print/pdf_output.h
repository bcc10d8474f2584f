#pragma once

#include "print_document.h"
#include "store/text_file.h"

#include <QByteArray>
#include <QString>

namespace kl {

// The document as a PDF file's bytes (A4 portrait), its Japanese text embedded as text.
QByteArray pdf_bytes(const PrintDocument& document, const QString& title);

// Writes the document's PDF to path, replacing the file only when the whole of it is written.
md::WriteResult write_pdf(const PrintDocument& document, const QString& title, const QString& path);

// Qt's PDF text maps (ToUnicode) name each glyph by the lowest code point the font draws with it.
// A CJK font draws many characters with one glyph (一 and the radical ⼀, 長 and ⻑, ・ and ‧, ～ and
// 〜), so 一覧 would copy and search as ⼀覧. Each code the pages did not draw (drawn: their text) is
// put back to the drawn character with the same glyph, in place: the maps are plain text of fixed
// width, so no byte of the file moves.
QByteArray mend_text_maps(QByteArray pdf, const QString& drawn);

// The same for a PDF file written by a printer (the print dialog's "print to file").
bool mend_text_maps_of_file(const QString& path, const QString& drawn);

}  // namespace kl
