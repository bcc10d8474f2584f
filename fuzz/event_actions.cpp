#include "event_actions.h"

#include "store/game_record.h"

#include <QSet>
#include <algorithm>
#include <cstdlib>

namespace kl::fuzz {

void act_on_event_page(EventPage& page, uint8_t action, uint8_t argument, const EventPageChoices& choices) {
    switch (action % 20) {
        case 0:
            page.choose_kind(KindOption(argument % kind_option_count));
            break;
        case 1:
            page.click_pitch_row(argument % 12);
            break;
        case 2:
            page.click_reserve(argument % choices.reserve_rows);
            break;
        case 3:
            page.choose_card(argument % 2 == 1);
            break;
        case 4:
            if (!choices.formations.isEmpty()) {
                page.choose_formation_change(choices.formations[argument % choices.formations.size()]);
            }
            break;
        case 5:
            page.step_time(TimeButton(argument % 4));
            break;
        case 6:
            page.type_time(QString::number(argument));
            break;
        case 7:
            page.open_details(DetailPanel(argument % detail_panel_count));
            break;
        case 8:
            page.choose_detail(DetailPanel(argument % detail_panel_count), argument / 5 % 3,
                               argument / 15 % 9);
            break;
        case 9:
            page.close_details(DetailPanel(argument % detail_panel_count));
            break;
        case 10:
            page.set_own_goal(argument % 2 == 1);
            break;
        case 11:
        case 12:
            page.add();
            break;
        case 13:
            page.choose_period(Period(argument % 3));
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
            if (argument % 8 == 0) {
                page.delete_all_events();
            }
            break;
    }
}

void check_event_page(const EventPage& page, qsizetype lineup_members) {
    if (page.state().event_fields.size() != 43 + page.state().event_field_count) {
        std::abort();
    }
    if (page.state().saved_pitch_names || page.state().period == Period::shoot_out) {
        return;  // the name column shows a formation preview or the kickers left
    }
    QSet<QString> members;
    qsizetype placed = 0;
    for (const PitchSlot& slot : page.state().pitch) {
        if (!slot.member.isEmpty()) {
            members.insert(slot.member);
            ++placed;
        }
    }
    for (const QString& reserve : page.state().reserves) {
        members.insert(reserve);
        ++placed;
    }
    // A member substituted off leaves the game, or in a small-sided game goes back to the reserves.
    const auto substitutions =
        std::count_if(page.state().lines.begin(), page.state().lines.end(),
                      [](const md::EventListLine& line) { return line.kind == QStringLiteral(u"交代"); });
    const qsizetype gone = page.state().free_reentry ? 0 : substitutions;
    if (members.size() != placed ||
        placed + static_cast<qsizetype>(page.state().sent_off_rows.size()) + gone != lineup_members) {
        std::abort();
    }
    for (size_t row = 0; row < page.state().pitch.size(); ++row) {
        if (!page.state().row_in_play[row] && !page.state().pitch[row].member.isEmpty()) {
            std::abort();
        }
    }
}

void check_event_record(const EventPage& page) {
    const std::optional<md::GameRecord> record = md::GameRecord::parse(
        md::compose_record_line(page.state().event_fields, page.state().event_field_count));
    if (!record || record->events.size() != page.state().lines.size()) {
        std::abort();
    }
}

}  // namespace kl::fuzz
