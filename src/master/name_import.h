#pragma once

#include "master_edits.h"
#include "store/user_message.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kl {

// Names read from a spreadsheet's CSV or TSV (a file or the clipboard) into a name list, and the list
// written out for one.

// A file's text and what it was written in.
struct ImportText {
    QString text;
    QString encoding;  // "UTF-8", "UTF-8（BOM付き）", "UTF-16", "Shift_JIS"
};

// The text of a file's bytes: by its byte order mark (UTF-8, UTF-16), else as UTF-8 when the bytes
// are valid UTF-8, else as cp932; nothing when none of them reads every byte.
std::optional<ImportText> decode_import_bytes(const QByteArray& bytes);

// The message for a file whose text cannot be read.
md::UserMessage unreadable_import_message(const QString& file);

// The rows of a CSV or TSV text (TSV when its first line holds a TAB), with fields quoted as
// spreadsheet programs quote them: "a, b" and "say ""hi""".
std::vector<QStringList> parse_table(const QString& text);

// One row of the table: its name and, when it is not added, why.
struct ImportLine {
    int row = 0;  // 1-based, header row included
    QString name;
    std::optional<QString> refusal;
};

struct ImportPreview {
    std::vector<ImportLine> lines;  // the rows with something in them, header row left out
    QString header;                 // the header cell of the name column; empty when there is none
    QStringList names_to_add() const;
    int refused_count() const;
};

// What adding the table's names to a list showing listed would do. The name column is the first,
// or the one whose header (the first row) is 名前, 氏名 or name, or the list's own heading. Names
// lose the blanks around them; each is checked as 追加 checks a typed name, and a name given twice
// is added once.
ImportPreview preview_import(NameList list, const QString& text, const QStringList& listed);

// A stored name list after adding names at its end, in their order.
QString line_with_names(const QString& line, const QStringList& names);

// The heading of a list's column: 名前, 場所名, 対戦相手名.
QString name_list_heading(NameList list);

// The list as a spreadsheet reads it: its heading, then one name a row (CSV, UTF-8 with a byte
// order mark, as エクスポート writes).
QByteArray names_export_bytes(NameList list, const QStringList& names);
// The file offered for it: "さくらFC_メンバー_2025-03-20.csv".
QString names_export_file(NameList list, const QString& team_name, const QDate& date);

}  // namespace kl
