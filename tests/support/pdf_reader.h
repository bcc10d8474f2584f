#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>

namespace kl::test {

// A PDF file as poppler's tools read it (pdftotext, pdfinfo, pdffonts from poppler-utils).
struct PdfReading {
    int pages = 0;
    QString text;       // pdftotext in reading order, page after page (form feed between pages)
    QStringList fonts;  // pdffonts' rows: name, type, encoding, emb, sub, uni, object
    QStringList page_texts;
};
PdfReading read_pdf(const QString& path);
PdfReading read_pdf_bytes(const QByteArray& pdf);

// Whether every part occurs in text, each after the one before; blanks and line ends are not compared.
::testing::AssertionResult in_reading_order(const QString& text, const QStringList& parts);

// Whether every font is embedded and maps its glyphs to text.
::testing::AssertionResult fonts_embedded_as_text(const PdfReading& pdf);

}  // namespace kl::test
