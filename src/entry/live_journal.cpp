#include "live_journal.h"

#include "store/durable_file.h"
#include "store/game_record.h"
#include "store/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <array>

namespace kl {
namespace {

const QString format_name = QStringLiteral(u"kickledger-live-journal");
const QString format_version = QStringLiteral(u"1");
const QString setup_tag = QStringLiteral(u"setup");
const QString game_tag = QStringLiteral(u"game");
constexpr int header_lines = 3;

// Each verb's word in the journal.
struct VerbWord {
    LiveVerb verb;
    const char16_t* word;
};
constexpr std::array<VerbWord, 19> verb_words = {{
    {LiveVerb::kick_off, u"kickoff"},
    {LiveVerb::pause, u"pause"},
    {LiveVerb::period_end, u"period_end"},
    {LiveVerb::clock_set, u"clock"},
    {LiveVerb::goal, u"goal"},
    {LiveVerb::assist, u"assist"},
    {LiveVerb::detail, u"detail"},
    {LiveVerb::conceded, u"conceded"},
    {LiveVerb::substitution, u"sub"},
    {LiveVerb::caution, u"caution"},
    {LiveVerb::sending_off, u"sending_off"},
    {LiveVerb::position_change, u"position"},
    {LiveVerb::extra_time, u"extra"},
    {LiveVerb::shoot_out, u"shoot_out"},
    {LiveVerb::kick_order, u"order"},
    {LiveVerb::kick, u"kick"},
    {LiveVerb::shoot_out_reset, u"reset"},
    {LiveVerb::undo, u"undo"},
    {LiveVerb::finish, u"finish"},
}};

constexpr std::array<const char16_t*, detail_panel_count> panel_words = {u"finish", u"assist", u"own_goal",
                                                                         u"conceded_finish", u"play_before"};

QString word_of(LiveVerb verb) {
    for (const VerbWord& entry : verb_words) {
        if (entry.verb == verb) {
            return QString::fromUtf16(entry.word);
        }
    }
    return {};
}

std::optional<LiveVerb> verb_of(const QString& word) {
    for (const VerbWord& entry : verb_words) {
        if (word == QStringView(entry.word)) {
            return entry.verb;
        }
    }
    return std::nullopt;
}

QString escaped(const QString& field) {
    QString text;
    text.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
            case u'\\':
                text += QStringLiteral(u"\\\\");
                break;
            case u'\t':
                text += QStringLiteral(u"\\t");
                break;
            case u'\n':
                text += QStringLiteral(u"\\n");
                break;
            case u'\r':
                text += QStringLiteral(u"\\r");
                break;
            default:
                text += c;
        }
    }
    return text;
}

std::optional<QString> unescaped(QStringView field) {
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            text += field[i];
            continue;
        }
        const QChar next = i + 1 < field.size() ? field[++i] : QChar();
        switch (next.unicode()) {
            case u'\\':
                text += u'\\';
                break;
            case u't':
                text += u'\t';
                break;
            case u'n':
                text += u'\n';
                break;
            case u'r':
                text += u'\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return text;
}

QByteArray line_of(const QStringList& fields) {
    QStringList written;
    for (const QString& field : fields) {
        written.append(escaped(field));
    }
    return written.join(u'\t').toUtf8() + '\n';
}

std::optional<int> strict_int(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && !text.startsWith(u'+') ? std::optional(value) : std::nullopt;
}

// What an action's line holds after its time and verb.
QStringList arguments_of(const LiveAction& action) {
    const QString minute = QString::number(action.minute);
    switch (action.verb) {
        case LiveVerb::clock_set:
            return {QString::number(action.clock_ms)};
        case LiveVerb::goal:
            return {minute, action.members.value(0)};
        case LiveVerb::conceded:
            return {minute};
        case LiveVerb::substitution:
        case LiveVerb::position_change:
            return {minute, action.members.value(0), action.members.value(1)};
        case LiveVerb::caution:
        case LiveVerb::sending_off:
            return {minute, action.members.value(0)};
        case LiveVerb::assist:
            return {QString::number(action.event), action.members.value(0)};
        case LiveVerb::detail:
            return {QString::number(action.event),
                    QString::fromUtf16(panel_words[static_cast<size_t>(action.panel)]),
                    QString::number(action.group),
                    detail_options(action.panel, action.group).value(action.option)};
        case LiveVerb::kick_order:
            return {action.own ? QStringLiteral(u"first") : QStringLiteral(u"second")};
        case LiveVerb::kick: {
            QStringList arguments = {action.own ? QStringLiteral(u"own") : QStringLiteral(u"opponent"),
                                     action.scored ? QStringLiteral(u"scored") : QStringLiteral(u"missed")};
            if (action.own) {
                arguments.append(action.members.value(0));
            }
            return arguments;
        }
        default:
            break;
    }
    return {};
}

// One of two words: true for the first.
std::optional<bool> either(const QString& text, const char16_t* yes, const char16_t* no) {
    if (text == QStringView(yes)) {
        return true;
    }
    if (text == QStringView(no)) {
        return false;
    }
    return std::nullopt;
}

std::optional<LiveAction> action_of(LiveVerb verb, const QStringList& arguments) {
    LiveAction action;
    action.verb = verb;
    const auto count_is = [&](qsizetype count) { return arguments.size() == count; };
    const auto with_minute = [&](qsizetype count) -> std::optional<LiveAction> {
        const std::optional<int> minute = count_is(count) ? strict_int(arguments[0]) : std::nullopt;
        if (!minute) {
            return std::nullopt;
        }
        action.minute = *minute;
        action.members = arguments.mid(1);
        return action;
    };
    switch (verb) {
        case LiveVerb::clock_set: {
            bool ok = false;
            action.clock_ms = count_is(1) ? arguments[0].toLongLong(&ok) : 0;
            return ok && action.clock_ms >= 0 ? std::optional(action) : std::nullopt;
        }
        case LiveVerb::goal:
        case LiveVerb::caution:
        case LiveVerb::sending_off:
            return with_minute(2);
        case LiveVerb::conceded:
            return with_minute(1);
        case LiveVerb::substitution:
        case LiveVerb::position_change:
            return with_minute(3);
        case LiveVerb::assist: {
            const std::optional<int> event = count_is(2) ? strict_int(arguments[0]) : std::nullopt;
            if (!event) {
                return std::nullopt;
            }
            action.event = *event;
            action.members = {arguments[1]};
            return action;
        }
        case LiveVerb::detail: {
            const std::optional<int> event = count_is(4) ? strict_int(arguments[0]) : std::nullopt;
            const auto panel = std::find_if(
                panel_words.begin(), panel_words.end(),
                [&](const char16_t* word) { return count_is(4) && arguments[1] == QStringView(word); });
            const std::optional<int> group = count_is(4) ? strict_int(arguments[2]) : std::nullopt;
            if (!event || panel == panel_words.end() || !group || *group < 0 || *group > 2) {
                return std::nullopt;
            }
            action.event = *event;
            action.panel = DetailPanel(panel - panel_words.begin());
            action.group = *group;
            action.option =
                static_cast<int>(detail_options(action.panel, action.group).indexOf(arguments[3]));
            return action.option >= 0 ? std::optional(action) : std::nullopt;
        }
        case LiveVerb::kick_order: {
            const std::optional<bool> first =
                count_is(1) ? either(arguments[0], u"first", u"second") : std::nullopt;
            if (!first) {
                return std::nullopt;
            }
            action.own = *first;
            return action;
        }
        case LiveVerb::kick: {
            const std::optional<bool> own =
                arguments.size() >= 2 ? either(arguments[0], u"own", u"opponent") : std::nullopt;
            const std::optional<bool> scored =
                arguments.size() >= 2 ? either(arguments[1], u"scored", u"missed") : std::nullopt;
            if (!own || !scored || !count_is(*own ? 3 : 2)) {
                return std::nullopt;
            }
            action.own = *own;
            action.scored = *scored;
            action.members = arguments.mid(2);
            return action;
        }
        default:
            break;
    }
    return count_is(0) ? std::optional(action) : std::nullopt;
}

QString line_reason(int line_number, const QString& what) {
    return QStringLiteral(u"（") + QString::number(line_number) + QStringLiteral(u"行目：") + what +
           QStringLiteral(u"）");
}

// A complete line's fields, or nothing when it is not UTF-8 or holds a broken escape.
std::optional<QStringList> fields_of(QByteArrayView line) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(line);
    if (utf8.hasError()) {
        return std::nullopt;
    }
    QStringList fields;
    for (const QStringView field : QStringView(text).split(u'\t')) {
        const std::optional<QString> plain = unescaped(field);
        if (!plain) {
            return std::nullopt;
        }
        fields.append(*plain);
    }
    return fields;
}

std::optional<QString> read_header(const std::vector<QStringList>& lines, LiveGameSetup& setup) {
    if (lines.empty() || lines[0].value(0) != format_name) {
        return line_reason(1, QStringLiteral(u"ライブ入力の記録ではありません"));
    }
    if (lines[0].size() != 2 || lines[0][1] != format_version) {
        return line_reason(1, QStringLiteral(u"この版では読めない形式です"));
    }
    if (lines.size() < header_lines) {
        return QStringLiteral(u"（試合の情報が途中で切れています）");
    }
    const QStringList& options = lines[1];
    const std::optional<bool> small_sided =
        options.size() == 4 ? either(options[2], u"1", u"0") : std::nullopt;
    const std::optional<bool> elapsed =
        options.size() == 4 ? either(options[3], u"elapsed", u"football") : std::nullopt;
    if (options.value(0) != setup_tag || !small_sided || !elapsed) {
        return line_reason(2, QStringLiteral(u"設定が読めません"));
    }
    if (lines[2].value(0) != game_tag || lines[2].size() != md::fixed_field_count + 1) {
        return line_reason(3, QStringLiteral(u"試合の情報が読めません"));
    }
    setup = {options[1], lines[2].mid(1), *small_sided,
             *elapsed ? MinuteCounting::elapsed : MinuteCounting::football};
    return std::nullopt;
}

const QRegularExpression& started_stamp() {
    static const QRegularExpression stamp(QStringLiteral(u"^\\d{8}-\\d{6}$"));
    return stamp;
}

QString journal_name_base(const QString& team_file) {
    return QFileInfo(team_file).completeBaseName() + u'_';
}

}  // namespace

QString journal_path(const QString& team_file, const QDateTime& started) {
    return journal_folder + u'/' + journal_name_base(team_file) +
           started.toString(QStringLiteral(u"yyyyMMdd-HHmmss")) + QStringLiteral(u".journal");
}

QStringList unfinished_journals(const QString& team_file) {
    if (team_file.isEmpty()) {
        return {};
    }
    const QString base = journal_name_base(team_file);
    QStringList journals;
    const QStringList names =
        QDir(journal_folder).entryList({QStringLiteral(u"*.journal")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString stamp = name.mid(base.size()).chopped(QStringLiteral(u".journal").size());
        if (name.startsWith(base) && started_stamp().match(stamp).hasMatch()) {
            journals.append(journal_folder + u'/' + name);
        }
    }
    return journals;  // named by their start, so in the order they began
}

QByteArray journal_header(const LiveGameSetup& setup) {
    return line_of({format_name, format_version}) +
           line_of({setup_tag, setup.team_file,
                    setup.small_sided_games ? QStringLiteral(u"1") : QStringLiteral(u"0"),
                    setup.counting == MinuteCounting::elapsed ? QStringLiteral(u"elapsed")
                                                              : QStringLiteral(u"football")}) +
           line_of(QStringList{game_tag} + setup.fixed_fields.mid(0, md::fixed_field_count));
}

QByteArray journal_line(const TimedAction& timed) {
    return line_of(QStringList{QString::number(timed.time), word_of(timed.action.verb)} +
                   arguments_of(timed.action));
}

std::variant<JournalContent, QString> read_journal(const QByteArray& bytes) {
    JournalContent content;
    const qsizetype complete = bytes.lastIndexOf('\n') + 1;
    content.torn_bytes = bytes.size() - complete;
    std::vector<QStringList> lines;
    for (qsizetype start = 0; start < complete;) {
        const qsizetype end = bytes.indexOf('\n', start);
        const std::optional<QStringList> fields = fields_of(QByteArrayView(bytes).sliced(start, end - start));
        if (!fields) {
            return line_reason(static_cast<int>(lines.size()) + 1, QStringLiteral(u"文字が読めません"));
        }
        lines.push_back(*fields);
        start = end + 1;
    }
    if (std::optional<QString> refusal = read_header(lines, content.setup)) {
        return *refusal;
    }
    for (size_t number = header_lines; number < lines.size(); ++number) {
        const QStringList& fields = lines[number];
        bool time_ok = false;
        const qint64 time = fields.value(0).toLongLong(&time_ok);
        const std::optional<LiveVerb> verb = verb_of(fields.value(1));
        const std::optional<LiveAction> action =
            time_ok && verb ? action_of(*verb, fields.mid(2)) : std::nullopt;
        if (!action) {
            return line_reason(static_cast<int>(number) + 1, QStringLiteral(u"読めない操作です"));
        }
        content.actions.push_back({time, *action});
    }
    return content;
}

std::variant<LiveGame, QString> replay_journal(const JournalContent& journal,
                                               std::vector<md::Formation> formations) {
    LiveGame game(journal.setup, std::move(formations));
    for (size_t i = 0; i < journal.actions.size(); ++i) {
        if (game.apply(journal.actions[i])) {
            return line_reason(static_cast<int>(i) + header_lines + 1,
                               QStringLiteral(u"操作をやり直せません"));
        }
    }
    return game;
}

std::variant<LiveJournal, md::UserMessage> LiveJournal::begin(const QString& path,
                                                              const LiveGameSetup& setup) {
    QDir().mkpath(QFileInfo(path).path());
    if (const md::WriteResult written = md::create_durable_file(path, journal_header(setup)); !written.ok) {
        return md::UserMessage{
            QStringLiteral(u"保存エラー"),
            QStringLiteral(u"「") + path + QStringLiteral(u"」　を作成できません。") + written.reason};
    }
    return LiveJournal(path);
}

std::optional<md::UserMessage> LiveJournal::append(const TimedAction& timed) const {
    if (const md::WriteResult written = md::append_durably(path_, journal_line(timed)); !written.ok) {
        return md::UserMessage{QStringLiteral(u"保存エラー"),
                               QStringLiteral(u"「") + path_ + QStringLiteral(u"」　に記録できません。") +
                                   written.reason + QStringLiteral(u"　この操作は行われていません。")};
    }
    return std::nullopt;
}

QString live_game_label(const LiveGameSetup& setup) {
    const auto field = [&](int position) { return setup.fixed_fields.value(md::working_entry(position)); };
    return QStringLiteral(u"「") + field(md::record::date) + u' ' + field(md::record::start_time) + u' ' +
           field(md::record::opponent) + QStringLiteral(u"」");
}

md::UserMessage resume_question(const LiveGameSetup& setup) {
    return {QStringLiteral(u"ライブ入力の再開"),
            live_game_label(setup) + QStringLiteral(u"　のライブ入力が途中です。再開しますか？")};
}

md::UserMessage unreadable_journal_message(const QString& path, const QString& reason) {
    return {QStringLiteral(u"読み込みエラー"), QStringLiteral(u"ライブ入力の記録　「") + path +
                                                   QStringLiteral(u"」　を読み込めません。") + reason +
                                                   QStringLiteral(u"　記録は　「") + abandoned_folder +
                                                   QStringLiteral(u"」　に残します。")};
}

md::UserMessage torn_journal_message(qsizetype torn_bytes) {
    return {QStringLiteral(u"ライブ入力の再開"),
            QStringLiteral(u"最後の操作は記録の途中で終わっていたため、再開した試合に含まれていません。（") +
                QString::number(torn_bytes) + QStringLiteral(u"バイト）")};
}

md::UserMessage no_team_file_message() {
    return {QStringLiteral(u"エラー"), QStringLiteral(u"チームデータファイルが開かれていません。ファイルを開"
                                                      u"いてから　「ライブ入力」　を始めて下さい。")};
}

md::UserMessage journal_kept_message(const QString& path) {
    return {QStringLiteral(u"エラー"), QStringLiteral(u"試合データは保存しました。ライブ入力の記録　「") +
                                           path + QStringLiteral(u"」　は削除できませんでした。")};
}

bool abandon_journal(const QString& path) {
    if (!QDir().mkpath(abandoned_folder)) {
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    QString target = abandoned_folder + u'/' + name;
    for (int copy = 2; QFileInfo::exists(target); ++copy) {
        target = abandoned_folder + u'/' + name + u'.' + QString::number(copy);
    }
    return QFile::rename(path, target);
}

bool remove_journal(const QString& path) {
    return QFile::remove(path) || !QFileInfo::exists(path);
}

}  // namespace kl
