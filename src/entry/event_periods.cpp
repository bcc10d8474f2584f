// Page 3's periods: regular time, extra time and the penalty shoot-out with its kicks.

#include "event_page.h"
#include "page_messages.h"
#include "store/numbers.h"
#include "store/vocabulary.h"

#include <algorithm>

namespace kl {

int silver_goal_limit(int game_minutes, int extra_minutes) {
    // The half minute of an odd extra time belongs to the sum: 81 + 7.5 = 88.5 gives 88.
    return md::round_half_even(static_cast<double>(game_minutes) + extra_minutes / 2.0);
}

bool EventPage::meeting_has_extra_time() const {
    return fixed_field(md::record::extra_time) == md::words::yes;
}

bool EventPage::meeting_has_shoot_out() const {
    return fixed_field(md::record::shoot_out) == md::words::yes;
}

std::optional<md::UserMessage> EventPage::choose_period(Period chosen) {
    switch (chosen) {
        case Period::regular:
            if (controls.half_button) {
                back_to_regular_time();
            }
            return std::nullopt;
        case Period::extra:
            return controls.extra_button ? go_to_extra_time() : std::nullopt;
        case Period::shoot_out:
            break;
    }
    return controls.shoot_out_button ? start_shoot_out() : std::nullopt;
}

void EventPage::back_to_regular_time() {
    enter_timed_period(Period::regular);
}

std::optional<md::UserMessage> EventPage::go_to_extra_time() {
    if (period == Period::regular && own_score != opponent_score) {
        return input_error(QStringLiteral(u"同点ではないため　「延長戦」　へ進めません。"));
    }
    enter_timed_period(Period::extra);
    return std::nullopt;
}

// Regular or extra time, at the minute of the period's last event.
void EventPage::enter_timed_period(Period timed) {
    controls.delete_line = true;
    if (period == Period::shoot_out) {
        leave_shoot_out();
    }
    period = timed;
    time_text_ = QString::number(timed == Period::extra ? last_extra_time : last_regular_time);
    controls.add = true;
    write_back_saved_names();
}

std::optional<md::UserMessage> EventPage::start_shoot_out() {
    // A second press would take the names of a half-emptied kicker list as the ones to restore.
    if (period == Period::shoot_out) {
        return std::nullopt;
    }
    if (own_score != opponent_score) {
        return md::UserMessage{QStringLiteral(u"エラー"),
                               QStringLiteral(u"同点ではないため　「PK戦」　へ進めません。")};
    }
    // A formation preview is undone first, so the names kept for the kickers are the members'.
    write_back_saved_names();
    reset_entry_panels();
    period = Period::shoot_out;
    time_text_ = md::words::shoot_out_time;
    lock_entry_controls(true);
    controls.delete_line = false;
    controls.delete_all = true;
    controls.navigation = true;
    controls.event_list = true;
    controls.time_buttons = false;
    controls.pitch_list = true;
    controls.reserve_list = false;
    controls.kinds = false;
    for (size_t row = 0; row < pitch.size(); ++row) {
        shoot_out_names[row] = pitch[row].member;
    }
    shoot_out.reset();
    kicker_row = -1;
    return std::nullopt;
}

void EventPage::leave_shoot_out() {
    shoot_out.reset();
    restore_shoot_out_names();
    period = Period::regular;
    controls.kinds = true;
    choose_kind(KindOption::substitution);
    controls.reserve_list = true;
    controls.time_buttons = true;
}

void EventPage::restore_shoot_out_names() {
    for (size_t row = 0; row < pitch.size(); ++row) {
        pitch[row].member = shoot_out_names[row];
    }
}

void EventPage::choose_kick_order(bool own_first) {
    if (period == Period::shoot_out && !completing) {
        shoot_out.choose_order(own_first);
    }
}

std::optional<md::UserMessage> EventPage::record_kick(bool own, bool scored) {
    if (period != Period::shoot_out || completing || !(own ? shoot_out.own_side : shoot_out.opponent_side)) {
        return std::nullopt;
    }
    if (own && shoot_out.kicker.isEmpty()) {
        return input_error(QStringLiteral(u"左のリストからメンバーを選択して下さい。"));
    }
    // The shoot-out event is 3 fields and the kicks; both must fit when it is added.
    if (!shoot_out.has_room_for(own) || !room_for(3 + shoot_out.kicks.size() + (own ? 2 : 1))) {
        return no_room_for_event();
    }
    shoot_out.record(own, scored);
    if (own) {
        take_kicker_off();
    }
    controls.add = shoot_out.decided();
    return std::nullopt;
}

// Each member kicks once per rotation: the kicker leaves the list until all have kicked.
void EventPage::take_kicker_off() {
    if (kicker_row >= 0) {
        pitch[static_cast<size_t>(kicker_row)].member.clear();
    }
    kicker_row = -1;
    ++shoot_out.rotation_count;
    // Members sent off leave empty rows, so a rotation also ends when nobody is left to kick.
    const bool nobody_left =
        std::all_of(pitch.begin(), pitch.end(), [](const PitchSlot& slot) { return slot.member.isEmpty(); });
    if (shoot_out.rotation_count >= starting_members || nobody_left) {
        restore_shoot_out_names();
        shoot_out.rotation_count = 0;
    }
}

void EventPage::reset_shoot_out() {
    if (period != Period::shoot_out || completing || !shoot_out.reset_enabled) {
        return;
    }
    shoot_out.reset();
    restore_shoot_out_names();
    kicker_row = -1;
    // No kicks decide nothing: 追加 must not store an empty shoot-out.
    controls.add = false;
}

std::optional<md::UserMessage> EventPage::add_shoot_out() {
    if (!shoot_out.own_first || !shoot_out.decided()) {
        return std::nullopt;
    }
    const QStringList fields = md::compose_shoot_out(*shoot_out.own_first, shoot_out.kicks);
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    append_event(fields);
    close_after_shoot_out();
    return std::nullopt;
}

// The shoot-out event ends the game: it can only be taken back, cleared or stored.
void EventPage::close_after_shoot_out() {
    close_for_entry();
    controls.delete_line = true;
    shoot_out.close();
}

}  // namespace kl
