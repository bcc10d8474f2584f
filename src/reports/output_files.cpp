#include "output_files.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");

// Whether a spreadsheet would take the cell for a formula ("=1+2", "@SUM(1+1)"); a number, such as
// a goal difference of -3, is a number there and no more.
bool reads_as_formula(const QString& cell) {
    static const QString formula_starts = QStringLiteral(u"=+-@\t\r");
    static const QRegularExpression number(QStringLiteral(u"^-?\\d+(\\.\\d+)?$"));
    return !cell.isEmpty() && formula_starts.contains(cell.front()) && !number.match(cell).hasMatch();
}

QString csv_field(const QString& cell) {
    static const QString needs_quotes = QStringLiteral(u",\"\r\n");
    // A name a user typed is never run as a formula: the apostrophe makes it text.
    const QString text = reads_as_formula(cell) ? u'\'' + cell : cell;
    const bool quoted =
        std::any_of(text.begin(), text.end(), [](QChar c) { return needs_quotes.contains(c); });
    if (!quoted) {
        return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral(u"\"\"")) + u'"';
}

}  // namespace

QString csv_from_copy_text(const QString& copy_text) {
    QStringList lines = copy_text.split(crlf);
    // The text's last line end closes its last line; it does not open another.
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    QString csv;
    for (const QString& line : lines) {
        QStringList cells = line.split(u'\t');
        if (line.endsWith(u'\t')) {
            cells.removeLast();
        }
        for (QString& cell : cells) {
            cell = csv_field(cell);
        }
        csv += cells.join(u',') + crlf;
    }
    return csv;
}

QByteArray export_file_bytes(const QString& copy_text, ExportFormat format) {
    const QString text = format == ExportFormat::csv ? csv_from_copy_text(copy_text) : copy_text;
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

ExportFormat export_format_of(const QString& file_name) {
    const QString lower = file_name.toLower();
    return lower.endsWith(QStringLiteral(u".tsv")) || lower.endsWith(QStringLiteral(u".txt"))
               ? ExportFormat::tsv
               : ExportFormat::csv;
}

QString output_base_name(const QString& team_name, const QString& view_title, const QDate& date) {
    QString name = team_name + u'_' + view_title + u'_' + date.toString(QStringLiteral(u"yyyy-MM-dd"));
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral(u"/\\:*?\"<>|").contains(c)) {
            c = u'_';
        }
    }
    return name;
}

}  // namespace kl
