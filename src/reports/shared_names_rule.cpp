#include "shared_names_rule.h"

#include "store/master_lists.h"
#include "store/vocabulary.h"

#include <QStringView>

namespace kl {
namespace {

// The first letter of the Hepburn romanisation of each hiragana from ぁ (U+3041) to ゖ (U+3096);
// "-" for っ, which has none of its own.
constexpr char16_t hiragana_initials[] =
    u"AAIIUUEEOO"       // ぁ あ ぃ い ぅ う ぇ え ぉ お
    u"KGKGKGKGKG"       // か が き ぎ く ぐ け げ こ ご
    u"SZSJSZSZSZ"       // さ ざ し じ す ず せ ぜ そ ぞ
    u"TDCJ-TZTDTD"      // た だ ち ぢ っ つ づ て で と ど
    u"NNNNN"            // な に ぬ ね の
    u"HBPHBPFBPHBPHBP"  // は ば ぱ ひ び ぴ ふ ぶ ぷ へ べ ぺ ほ ぼ ぽ
    u"MMMMM"            // ま み む め も
    u"YYYYYY"           // ゃ や ゅ ゆ ょ よ
    u"RRRRR"            // ら り る れ ろ
    u"WWIEON"           // ゎ わ ゐ ゑ を ん
    u"VKK";             // ゔ ゕ ゖ
constexpr char16_t first_hiragana = 0x3041;
constexpr char16_t last_hiragana = 0x3096;
static_assert(sizeof(hiragana_initials) / sizeof(char16_t) - 1 == last_hiragana - first_hiragana + 1);
constexpr char16_t katakana_offset = 0x60;  // ァ (U+30A1) is ぁ + 0x60

const QString player_word = QStringLiteral(u"選手");

// The name with its blanks made plain spaces and full-width letters made plain ones.
QString plain(const QString& name) {
    return name.normalized(QString::NormalizationForm_KC).simplified();
}

// The initial of one character, or nothing when it has none (っ, ー) or is of another script.
std::optional<QChar> character_initial(QChar c, bool& other_script) {
    char16_t code = c.unicode();
    if (code >= first_hiragana + katakana_offset && code <= last_hiragana + katakana_offset) {
        code = static_cast<char16_t>(code - katakana_offset);
    }
    if (code >= first_hiragana && code <= last_hiragana) {
        const char16_t initial = hiragana_initials[code - first_hiragana];
        return initial == u'-' ? std::nullopt : std::optional<QChar>(QChar(initial));
    }
    if (code >= 0x30F7 && code <= 0x30FA) {  // ヷ ヸ ヹ ヺ
        return QChar(u'V');
    }
    if (code == 0x30FC || code == 0x30FB || c.isPunct() || c.isMark()) {  // ー ・ and the like
        return std::nullopt;
    }
    // A Latin letter, its accent taken off (Ō is O).
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    const QChar base = decomposed.isEmpty() ? c : decomposed.front();
    if (base.isLetter() && base.script() == QChar::Script_Latin) {
        return base.toUpper();
    }
    other_script = true;
    return std::nullopt;
}

}  // namespace

QString family_name(const QString& name) {
    const QString whole = plain(name);
    const qsizetype blank = whole.indexOf(u' ');
    return blank < 0 ? whole : whole.left(blank);
}

QString given_name(const QString& name) {
    const QString whole = plain(name);
    const qsizetype blank = whole.indexOf(u' ');
    return blank < 0 ? QString() : whole.mid(blank + 1);
}

std::optional<QChar> latin_initial(QStringView word) {
    for (const QChar c : word.toString().normalized(QString::NormalizationForm_KC)) {
        bool other_script = false;
        if (const std::optional<QChar> initial = character_initial(c, other_script)) {
            return initial;
        }
        if (other_script) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<QString> latin_initials(const QString& name) {
    const QString family = family_name(name);
    const QString given = given_name(name);
    const std::optional<QChar> family_initial = latin_initial(family);
    if (!family_initial) {
        return std::nullopt;
    }
    if (given.isEmpty()) {
        return QString(*family_initial) + u'.';
    }
    const std::optional<QChar> given_initial = latin_initial(given);
    if (!given_initial) {
        return std::nullopt;
    }
    return QString(*given_initial) + u'.' + *family_initial + u'.';
}

SharedNameRule::SharedNameRule(md::SharedNames names, const QStringList& members,
                               const md::NameReadings& readings)
    : names_(names), readings_(readings) {
    for (const QString& member : members) {
        if (!member.isEmpty() && member != md::words::own_goal && !numbers_.count(member)) {
            members_.append(member);
            numbers_[member] = static_cast<int>(members_.size());
        }
    }
    std::map<QString, int> times_shown;
    for (const QString& member : members_) {
        ++times_shown[shown_alone(member, numbers_[member])];
    }
    for (const QString& member : members_) {
        const int number = numbers_[member];
        const QString alone = shown_alone(member, number);
        shown_[member] = times_shown[alone] > 1
                             ? alone + QStringLiteral(u"（") + QString::number(number) + QStringLiteral(u"）")
                             : alone;
    }
}

SharedNameRule SharedNameRule::for_team(const md::DataStore& store, md::SharedNames names,
                                        const md::NameReadings& readings) {
    QStringList members = md::split_list(store.member_list);
    for (const QString& line : store.game_lines) {
        const std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        if (!game) {
            continue;
        }
        for (int slot = 0; slot < md::record::starting_slots; ++slot) {
            members.append(game->starting_member(slot));
        }
        for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
            members.append(game->reserve(slot));
        }
        for (const md::GameEvent& event : game->events) {
            for (const int number : md::member_field_numbers(event)) {
                members.append(event.field(number));
            }
        }
    }
    return SharedNameRule(names, members, readings);
}

QString SharedNameRule::shown_alone(const QString& name, int number) const {
    const QString by_number = number > 0 ? player_word + QString::number(number) : player_word;
    switch (names_) {
        case md::SharedNames::full:
            return name;
        case md::SharedNames::family:
            return family_name(name);
        case md::SharedNames::initials: {
            const auto reading = readings_.find(name);
            return latin_initials(reading != readings_.end() ? reading->second : name).value_or(by_number);
        }
        case md::SharedNames::none:
            break;
    }
    return by_number;
}

QString SharedNameRule::shown(const QString& name) const {
    if (name.isEmpty() || name == md::words::own_goal) {
        return name;
    }
    const auto known = shown_.find(name);
    return known != shown_.end() ? known->second : shown_alone(name, 0);
}

int SharedNameRule::number(const QString& name) const {
    const auto known = numbers_.find(name);
    return known != numbers_.end() ? known->second : 0;
}

QString shared_game_line(const QString& line, const SharedNameRule& rule) {
    const std::vector<QStringView> views = md::split_record_line(line);
    const std::optional<std::vector<md::EventSpan>> spans = md::decode_event_spans(views);
    if (!spans) {
        return line;
    }
    QStringList fields;
    for (const QStringView view : views) {
        fields.append(view.toString());
    }
    auto rename = [&](int position) { fields[position] = rule.shown(fields[position]); };
    for (int slot = 0; slot < md::record::starting_slots; ++slot) {
        rename(md::record::starting_member(slot));
    }
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        rename(md::record::reserve(slot));
    }
    for (const md::EventSpan& span : *spans) {
        for (const int number : md::member_field_numbers(md::event_from_span(views, span))) {
            rename(span.position + number - 1);
        }
    }
    return fields.join(u',');
}

QStringList shared_game_lines(const QStringList& lines, const SharedNameRule& rule) {
    QStringList shared;
    for (const QString& line : lines) {
        shared.append(shared_game_line(line, rule));
    }
    return shared;
}

md::GameRecord shared_game(const md::GameRecord& game, const SharedNameRule& rule) {
    // A game that reads reads again with other names; were it not to, nothing of it is shown.
    return md::GameRecord::parse(shared_game_line(game.fields.join(u','), rule)).value_or(md::GameRecord{});
}

std::optional<md::SharedNames> shared_names_from_keyword(const QString& keyword) {
    const std::array<std::pair<QString, md::SharedNames>, 4> keywords = {
        {{QStringLiteral(u"full"), md::SharedNames::full},
         {QStringLiteral(u"family"), md::SharedNames::family},
         {QStringLiteral(u"initials"), md::SharedNames::initials},
         {QStringLiteral(u"none"), md::SharedNames::none}}};
    for (const auto& [word, names] : keywords) {
        if (word == keyword) {
            return names;
        }
    }
    return std::nullopt;
}

const std::array<QString, 4>& shared_names_captions() {
    static const std::array<QString, 4> captions = {
        QStringLiteral(u"フルネーム（佐藤 翔）"), QStringLiteral(u"姓のみ（佐藤）"),
        QStringLiteral(u"イニシャル（S.S.）"), QStringLiteral(u"表示しない（選手1, 選手2, …）")};
    return captions;
}

}  // namespace kl
