#include "support/pdf_reader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace kl::test {
namespace {

QString run_tool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

PdfReading read_pdf(const QString& path) {
    PdfReading pdf;
    for (const QString& line : run_tool(QStringLiteral(u"pdfinfo"), {path}).split(u'\n')) {
        if (line.startsWith(QStringLiteral(u"Pages:"))) {
            pdf.pages = line.mid(6).trimmed().toInt();
        }
    }
    pdf.text = run_tool(QStringLiteral(u"pdftotext"),
                        {QStringLiteral(u"-enc"), QStringLiteral(u"UTF-8"), path, QStringLiteral(u"-")});
    pdf.page_texts = pdf.text.split(u'\f');
    if (!pdf.page_texts.isEmpty() && pdf.page_texts.back().trimmed().isEmpty()) {
        pdf.page_texts.removeLast();
    }
    pdf.fonts = run_tool(QStringLiteral(u"pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    return pdf;
}

PdfReading read_pdf_bytes(const QByteArray& bytes) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral(u"read.pdf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    return read_pdf(path);
}

namespace {

// Readers guess blanks from the gaps between glyphs, and not always as printed ("林 駿" reads "林駿").
QString without_blanks(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

}  // namespace

::testing::AssertionResult in_reading_order(const QString& original, const QStringList& parts) {
    const QString text = without_blanks(original);
    qsizetype at = 0;
    for (const QString& original_part : parts) {
        const QString part = without_blanks(original_part);
        const qsizetype found = text.indexOf(part, at);
        if (found < 0) {
            return ::testing::AssertionFailure()
                   << "\"" << part.toStdString() << "\" is missing after position " << at << " of:\n"
                   << text.toStdString();
        }
        at = found + part.size();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult fonts_embedded_as_text(const PdfReading& pdf) {
    if (pdf.fonts.isEmpty()) {
        return ::testing::AssertionFailure() << "no fonts";
    }
    for (const QString& row : pdf.fonts) {
        // name type [type2] encoding emb sub uni object-id generation
        const QStringList columns = row.split(u' ', Qt::SkipEmptyParts);
        if (columns.size() < 7 || columns[columns.size() - 5] != QStringLiteral(u"yes") ||
            columns[columns.size() - 3] != QStringLiteral(u"yes") ||
            row.contains(QStringLiteral(u"Type 3"))) {
            return ::testing::AssertionFailure() << "not embedded as text: " << row.toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kl::test
