#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace kl {

// The forms a view's copy text is exported in: CSV for spreadsheets, or TSV as the clipboard holds it.
enum class ExportFormat { csv, tsv };

// The copy text as CSV: each line's TAB-separated cells become comma-separated fields (the TAB that
// closes a line's last cell opens no field of its own), text cells that begin with "=", "+", "-",
// "@", a TAB or a CR get a leading apostrophe (numbers such as -3 do not), fields holding a comma, a
// quote or a line break are quoted with their quotes doubled, and lines end with CR LF.
QString csv_from_copy_text(const QString& copy_text);

// What an exported file holds: UTF-8 with a byte order mark, by which spreadsheet programs know the
// Japanese text; CSV as above, TSV the copy text itself.
QByteArray export_file_bytes(const QString& copy_text, ExportFormat format);

// The format a file name asks for: ".tsv" and ".txt" are TSV, anything else CSV.
ExportFormat export_format_of(const QString& file_name);

// The name offered for a printed or exported view: "さくらFC_試合データ詳細_2024-05-18", with the
// characters a file name cannot hold on common file systems replaced by "_".
QString output_base_name(const QString& team_name, const QString& view_title, const QDate& date);

}  // namespace kl
