#include "entry/event_page.h"
#include "store/game_record.h"

#include <QSet>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using kl::EventPage;

// Page 3 of a knockout game with a shoot-out, eleven starters and three reserves; the first byte
// picks the extra-time mode and the game and extra minutes, extremes of a damaged file among them.
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
        fields += {QString::fromUtf16(positions[row]), QStringLiteral(u"S") + QString::number(row + 1)};
    }
    fields += {QStringLiteral(u"R1"), QStringLiteral(u"R2"), QStringLiteral(u"R3")};
    while (fields.size() < 43) {
        fields.append(QString());
    }
    return fields;
}

std::vector<md::Formation> formations() {
    md::Formation wide{QStringLiteral(u"4-4-2"), {}};
    md::Formation narrow{QStringLiteral(u"3-5-2"), {}};
    const char16_t* wide_counts[] = {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"};
    const char16_t* narrow_counts[] = {u"2", u"0", u"1", u"2", u"2", u"0", u"3", u"0", u"0"};
    for (size_t i = 0; i < 9; ++i) {
        wide.counts[i] = QString::fromUtf16(wide_counts[i]);
        narrow.counts[i] = QString::fromUtf16(narrow_counts[i]);
    }
    return {wide, narrow};
}

// One user action, chosen and parametrised by two bytes.
void act(EventPage& page, uint8_t action, uint8_t argument) {
    switch (action % 20) {
        case 0:
            page.choose_kind(kl::KindOption(argument % kl::kind_option_count));
            break;
        case 1:
            page.click_pitch_row(argument % 12);
            break;
        case 2:
            page.click_reserve(argument % 4);
            break;
        case 3:
            page.choose_card(argument % 2 == 1);
            break;
        case 4:
            page.choose_formation_change(argument % 2 == 0 ? QStringLiteral(u"4-4-2")
                                                           : QStringLiteral(u"3-5-2"));
            break;
        case 5:
            page.step_time(kl::TimeButton(argument % 4));
            break;
        case 6:
            page.type_time(QString::number(argument));
            break;
        case 7:
            page.open_details(kl::DetailPanel(argument % kl::detail_panel_count));
            break;
        case 8:
            page.choose_detail(kl::DetailPanel(argument % kl::detail_panel_count), argument / 5 % 3,
                               argument / 15 % 9);
            break;
        case 9:
            page.close_details(kl::DetailPanel(argument % kl::detail_panel_count));
            break;
        case 10:
            page.set_own_goal(argument % 2 == 1);
            break;
        case 11:
        case 12:
            page.add();
            break;
        case 13:
            page.choose_period(kl::Period(argument % 3));
            break;
        case 14:
            page.choose_kick_order(argument % 2 == 0);
            break;
        case 15:
        case 16:
            page.record_kick(argument % 2 == 0, argument / 2 % 2 == 0);
            break;
        case 17:
            page.reset_shoot_out();
            break;
        case 18:
            page.delete_last_event();
            break;
        default:
            if (argument % 8 == 0)
                page.delete_all_events();
            break;
    }
}

// What must hold after every action: the working table is exactly the fixed fields and the events,
// and every member is in one place only: on the pitch, on the bench, or gone by a substitution or
// a sending-off.
void check_action(const EventPage& page) {
    if (page.state().event_fields.size() != 43 + page.state().event_field_count) {
        std::abort();
    }
    if (page.state().saved_pitch_names || page.state().period == kl::Period::shoot_out) {
        return;  // the name column shows a formation preview or the kickers left
    }
    QSet<QString> members;
    qsizetype placed = 0;
    for (const kl::PitchSlot& slot : page.state().pitch) {
        if (!slot.member.isEmpty()) {
            members.insert(slot.member);
            ++placed;
        }
    }
    for (const QString& reserve : page.state().reserves) {
        members.insert(reserve);
        ++placed;
    }
    const auto substitutions =
        std::count_if(page.state().lines.begin(), page.state().lines.end(),
                      [](const md::EventListLine& line) { return line.kind == QStringLiteral(u"交代"); });
    if (members.size() != placed ||
        placed + static_cast<qsizetype>(page.state().sent_off_rows.size()) + substitutions != 14) {
        std::abort();
    }
}

// What must hold at the end: the working table stores as a record that reads back with one event
// per list line.
void check_record(const EventPage& page) {
    const std::optional<md::GameRecord> record = md::GameRecord::parse(
        md::compose_record_line(page.state().event_fields, page.state().event_field_count));
    if (!record || record->events.size() != page.state().lines.size()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    EventPage page(knockout_fields(data[0]), formations());
    for (size_t i = 1; i + 1 < size; i += 2) {
        act(page, data[i], data[i + 1]);
        check_action(page);
    }
    check_record(page);
    return 0;
}
