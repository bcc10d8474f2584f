#include "name_import.h"

#include "reports/output_files.h"
#include "store/cp932_codec.h"
#include "store/master_lists.h"

#include <QStringDecoder>
#include <algorithm>
#include <map>

namespace kl {
namespace {

// The text of bytes in encoding, or nothing when a byte does not read.
std::optional<QString> strictly_decoded(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

// Where the next row of a table text begins, and the row itself.
class TableReader {
  public:
    TableReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool at_end() const { return at_ >= text_.size(); }

    QStringList row() {
        QStringList cells;
        QString cell;
        bool quoted = false;
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (quoted) {
                if (c != u'"') {
                    cell += c;
                } else if (at_ < text_.size() && text_[at_] == u'"') {
                    cell += c;
                    ++at_;
                } else {
                    quoted = false;
                }
            } else if (c == u'"' && cell.isEmpty()) {
                quoted = true;
            } else if (c == separator_) {
                cells.append(std::exchange(cell, QString()));
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && at_ < text_.size() && text_[at_] == u'\n') {
                    ++at_;
                }
                break;
            } else {
                cell += c;
            }
        }
        cells.append(cell);
        return cells;
    }

  private:
    const QString& text_;
    QChar separator_;
    qsizetype at_ = 0;
};

bool is_blank_row(const QStringList& row) {
    return std::all_of(row.begin(), row.end(), [](const QString& cell) { return cell.trimmed().isEmpty(); });
}

QStringList header_words(NameList list) {
    QStringList words = {QStringLiteral(u"名前"), QStringLiteral(u"氏名"), QStringLiteral(u"name"),
                         name_list_heading(list)};
    if (list == NameList::members) {
        words.append(QStringLiteral(u"メンバー名"));
    }
    return words;
}

// The column of the first row's cell that names the names, when there is one.
std::optional<int> header_column(NameList list, const QStringList& first_row) {
    const QStringList words = header_words(list);
    for (qsizetype column = 0; column < first_row.size(); ++column) {
        const QString cell = first_row[column].trimmed();
        const bool heading = std::any_of(words.begin(), words.end(), [&cell](const QString& word) {
            return cell.compare(word, Qt::CaseInsensitive) == 0;
        });
        if (heading) {
            return static_cast<int>(column);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ImportText> decode_import_bytes(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) {
        const std::optional<QString> text = strictly_decoded(QStringConverter::Utf8, view.sliced(3));
        return text ? std::optional(ImportText{*text, QStringLiteral(u"UTF-8（BOM付き）")}) : std::nullopt;
    }
    for (const auto& [mark, encoding] : {std::pair{QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
                                         std::pair{QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE}}) {
        if (view.startsWith(mark)) {
            const std::optional<QString> text = strictly_decoded(encoding, view.sliced(2));
            return text ? std::optional(ImportText{*text, QStringLiteral(u"UTF-16")}) : std::nullopt;
        }
    }
    if (const std::optional<QString> text = strictly_decoded(QStringConverter::Utf8, view)) {
        return ImportText{*text, QStringLiteral(u"UTF-8")};
    }
    if (const std::optional<QString> text = md::decode_cp932(view)) {
        return ImportText{*text, QStringLiteral(u"Shift_JIS")};
    }
    return std::nullopt;
}

md::UserMessage unreadable_import_message(const QString& file) {
    return {QStringLiteral(u"読み込みエラー"),
            QStringLiteral(u"「") + file +
                QStringLiteral(u"」　の文字コードを判別できません。UTF-8 か Shift_JIS で保存して下さい。")};
}

std::vector<QStringList> parse_table(const QString& text) {
    const qsizetype line_end = text.indexOf(u'\n');
    const QChar separator = text.left(line_end < 0 ? text.size() : line_end).contains(u'\t') ? u'\t' : u',';
    std::vector<QStringList> rows;
    TableReader reader(text, separator);
    while (!reader.at_end()) {
        rows.push_back(reader.row());
    }
    return rows;
}

QStringList ImportPreview::names_to_add() const {
    QStringList names;
    for (const ImportLine& line : lines) {
        if (!line.refusal) {
            names.append(line.name);
        }
    }
    return names;
}

int ImportPreview::refused_count() const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [](const ImportLine& line) { return line.refusal.has_value(); }));
}

ImportPreview preview_import(NameList list, const QString& text, const QStringList& listed) {
    const std::vector<QStringList> rows = parse_table(text);
    ImportPreview preview;
    const std::optional<int> heading = rows.empty() ? std::nullopt : header_column(list, rows.front());
    const auto column = static_cast<qsizetype>(heading.value_or(0));
    if (heading) {
        preview.header = rows.front()[column].trimmed();
    }
    std::map<QString, int> added;  // name, its row
    for (size_t r = heading ? 1 : 0; r < rows.size(); ++r) {
        if (is_blank_row(rows[r])) {
            continue;
        }
        ImportLine line{static_cast<int>(r + 1), rows[r].value(column).trimmed(), std::nullopt};
        if (line.name.isEmpty()) {
            line.refusal = QStringLiteral(u"名前が空欄です。");
        } else if (const std::optional<md::UserMessage> refusal = check_new_name(list, line.name, listed)) {
            line.refusal = refusal->text;
        } else if (const auto earlier = added.find(line.name); earlier != added.end()) {
            line.refusal = QStringLiteral(u"同じ名前が　") + QString::number(earlier->second) +
                           QStringLiteral(u"行目　にあります。");
        } else {
            added.emplace(line.name, line.row);
        }
        preview.lines.push_back(std::move(line));
    }
    return preview;
}

QString line_with_names(const QString& line, const QStringList& names) {
    QString result = line;
    for (const QString& name : names) {
        result = md::line_with_name(result, md::split_list(result).isEmpty(), name);
    }
    return result;
}

QString name_list_heading(NameList list) {
    switch (list) {
        case NameList::members:
            return QStringLiteral(u"名前");
        case NameList::grounds:
            return QStringLiteral(u"場所名");
        case NameList::opponents:
            break;
    }
    return QStringLiteral(u"対戦相手名");
}

QByteArray names_export_bytes(NameList list, const QStringList& names) {
    QString text = name_list_heading(list) + QStringLiteral(u"\r\n");
    for (const QString& name : names) {
        text += name + QStringLiteral(u"\r\n");
    }
    return export_file_bytes(text, ExportFormat::csv);
}

QString names_export_file(NameList list, const QString& team_name, const QDate& date) {
    const QString what = list == NameList::members   ? QStringLiteral(u"メンバー")
                         : list == NameList::grounds ? QStringLiteral(u"場所")
                                                     : QStringLiteral(u"対戦相手");
    return output_base_name(team_name, what, date) + QStringLiteral(u".csv");
}

}  // namespace kl
