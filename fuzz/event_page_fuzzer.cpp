#include "entry/event_page.h"
#include "event_actions.h"

#include <QString>
#include <array>
#include <cstdint>

namespace {

// Whether the first byte asks for an eight-a-side game under the small-sided rules.
bool small_sided(uint8_t rules) {
    return rules / 48 % 2 == 1;
}

// Page 3 of a knockout game with a shoot-out, eleven starters (or eight, rows 1-3 unused) and three
// reserves; the first byte picks the extra-time mode and the game and extra minutes, extremes of a
// damaged file among them, and the size of the side.
QStringList knockout_fields(uint8_t rules) {
    const QString modes[] = {QStringLiteral(u"前・後半"), QStringLiteral(u"ゴールデンゴール方式"),
                             QStringLiteral(u"シルバーゴール方式")};
    const QString game_minutes[] = {QStringLiteral(u"90"), QStringLiteral(u"0"),
                                    QStringLiteral(u"2147483647"), QStringLiteral(u"-2147483648")};
    const QString extra_minutes[] = {QStringLiteral(u"30"), QStringLiteral(u"1"),
                                     QStringLiteral(u"99999999999"), QStringLiteral(u"-5")};
    QStringList fields = {
        QStringLiteral(u"記録者"),         QStringLiteral(u"2006/04/01"), QStringLiteral(u"10:00"),
        QStringLiteral(u"市民グラウンド"), QStringLiteral(u"青葉FC"),     QStringLiteral(u"カップ戦"),
        game_minutes[rules / 3 % 4],       QStringLiteral(u"あり"),       modes[rules % 3],
        extra_minutes[rules / 12 % 4],     QStringLiteral(u"あり"),       QStringLiteral(u"4-4-2")};
    const char16_t* positions[] = {u"GK", u"SB", u"SB", u"CB", u"CB", u"CH",
                                   u"CH", u"SH", u"SH", u"CF", u"CF"};
    for (int row = 0; row < 11; ++row) {
        if (small_sided(rules) && row >= 1 && row <= 3) {
            fields += {QString(), QString()};
        } else {
            fields += {QString::fromUtf16(positions[row]), QStringLiteral(u"S") + QString::number(row + 1)};
        }
    }
    fields += {QStringLiteral(u"R1"), QStringLiteral(u"R2"), QStringLiteral(u"R3")};
    while (fields.size() < 43) {
        fields.append(QString());
    }
    return fields;
}

md::Formation formation(const QString& name, std::array<const char16_t*, 9> counts) {
    md::Formation result{name, {}};
    for (size_t i = 0; i < counts.size(); ++i) {
        result.counts[i] = QString::fromUtf16(counts[i]);
    }
    return result;
}

// Two of eleven and two of eight players.
std::vector<md::Formation> formations() {
    return {formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"}),
            formation(QStringLiteral(u"3-5-2"), {u"2", u"0", u"1", u"2", u"2", u"0", u"3", u"0", u"0"}),
            formation(QStringLiteral(u"2-3-2"), {u"2", u"0", u"0", u"2", u"1", u"0", u"2", u"0", u"0"}),
            formation(QStringLiteral(u"3-3-1"), {u"1", u"0", u"0", u"2", u"1", u"0", u"3", u"0", u"0"})};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    kl::EventPage page(knockout_fields(data[0]), formations(), small_sided(data[0]));
    const kl::fuzz::EventPageChoices choices{{QStringLiteral(u"4-4-2"), QStringLiteral(u"3-5-2"),
                                              QStringLiteral(u"2-3-2"), QStringLiteral(u"3-3-1")},
                                             4};
    for (size_t i = 1; i + 1 < size; i += 2) {
        kl::fuzz::act_on_event_page(page, data[i], data[i + 1], choices);
        kl::fuzz::check_event_page(page, small_sided(data[0]) ? 11 : 14);
    }
    kl::fuzz::check_event_record(page);
    return 0;
}
