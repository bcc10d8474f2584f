// Taking events back on page 3: the last one with everything it changed, or all of them.

#include "event_page.h"
#include "store/capacities.h"
#include "store/vocabulary.h"

#include <utility>

namespace kl {

void EventPage::delete_all_events() {
    if (!controls.delete_all) {
        return;
    }
    EventPage fresh(event_fields.mid(0, md::fixed_field_count), formations_, free_reentry);
    fresh.lines_revision = lines_revision + 1;
    *this = std::move(fresh);
}

void EventPage::delete_last_event() {
    if (events_.empty() || !controls.delete_line) {
        return;
    }
    const md::GameEvent removed = events_.back();
    events_.pop_back();
    lines.pop_back();
    details_missing.pop_back();
    pitch_at_event_.pop_back();
    ++lines_revision;
    const int minute_before = events_.empty() ? 0 : events_.back().minute();
    event_field_count -= static_cast<int>(removed.fields.size());
    event_fields.resize(md::fixed_field_count + event_field_count);
    // The undo works on the members' names, not on a formation preview; names remembered for the
    // preview are taken afresh afterwards, or a later undo would write back names it changed.
    restore_saved_names();
    // Members picked before may have changed places: an old pick could put a member on twice.
    forget_member_picks();
    undo(removed, removed.minute());
    if (kind == KindOption::formation_change) {
        remember_pitch_names();
    }
    period_after_removal(removed.kind == md::EventKind::ShootOut, removed.minute(), minute_before);
}

int EventPage::row_of(const QString& member) const {
    for (size_t row = 0; row < pitch.size(); ++row) {
        if (!member.isEmpty() && pitch[row].member == member) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int EventPage::cautions_of(const QString& member) const {
    const qsizetype entry = caution_names.indexOf(member);
    return entry < 0 ? 0 : caution_counts[static_cast<size_t>(entry)];
}

void EventPage::undo(const md::GameEvent& removed, int removed_minute) {
    switch (removed.kind) {
        case md::EventKind::Substitution: {
            // The member who went off comes back on, with his caution if he had one.
            const int row = row_of(removed.member_in());
            if (row >= 0) {
                pitch[static_cast<size_t>(row)].member = removed.member_out();
                pitch[static_cast<size_t>(row)].cautioned = cautions_of(removed.member_out()) == 1;
            }
            reserves.append(removed.member_in());
            // In a small-sided game he had gone to the reserves: he leaves them again.
            if (const qsizetype went_off = reserves.lastIndexOf(removed.member_out());
                free_reentry && went_off >= 0) {
                reserves.removeAt(went_off);
            }
            break;
        }
        case md::EventKind::PositionChange:
            if (!swapped_rows_.empty()) {
                PitchSlot& first = pitch[static_cast<size_t>(swapped_rows_.back().first)];
                PitchSlot& second = pitch[static_cast<size_t>(swapped_rows_.back().second)];
                swapped_rows_.pop_back();
                std::swap(first.member, second.member);
                std::swap(first.cautioned, second.cautioned);
            }
            break;
        case md::EventKind::Card:
            undo_card(removed);
            break;
        case md::EventKind::Goal:
        case md::EventKind::Conceded:
            undo_scoring(removed, removed_minute);
            break;
        case md::EventKind::FormationChange:
            undo_formation_change();
            break;
        case md::EventKind::ShootOut:
            undo_shoot_out();
            break;
    }
}

void EventPage::undo_card(const md::GameEvent& removed) {
    const QString member = removed.carded_member();
    if (removed.card() == md::words::caution) {
        const int row = row_of(member);
        if (row >= 0) {
            pitch[static_cast<size_t>(row)].cautioned = false;
        }
        const qsizetype entry = caution_names.indexOf(member);
        if (entry >= 0) {
            caution_names[entry].clear();
            caution_counts[static_cast<size_t>(entry)] = 0;
        }
        return;
    }
    if (sent_off_rows.empty()) {
        return;
    }
    PitchSlot& row = pitch[static_cast<size_t>(sent_off_rows.back())];
    sent_off_rows.pop_back();
    row.member = member;
    if (removed.card() == md::words::second_caution) {
        // Back to the first caution, still shown in yellow.
        caution_count(member) = 1;
    }
    row.cautioned = cautions_of(member) == 1;
}

void EventPage::undo_scoring(const md::GameEvent& removed, int removed_minute) {
    --(removed.kind == md::EventKind::Goal ? own_score : opponent_score);
    if (meeting_has_extra_time()) {
        // Whatever a golden goal closed opens again.
        controls.extra_button = true;
        controls.shoot_out_button = meeting_has_shoot_out();
        controls.time_buttons = true;
        controls.detail_buttons = true;
        controls.pitch_list = true;
        controls.kinds = true;
        // Entry is open again, so 追加 is too; the user need not pick a kind to get it back.
        if (removed.mark() == md::words::golden_goal) {
            lock_entry_controls(false);
        }
    }
    if (removed.mark() == md::words::silver_goal) {
        if (own_score == opponent_score) {
            silver_lead = false;
        } else if (removed_minute <= game_minutes + extra_minutes / 2.0) {
            silver_lead = true;
        }
    }
}

// The formation before the change: the one an earlier change set, or the page-2 formation.
void EventPage::undo_formation_change() {
    QString formation = fixed_field(md::record::formation);
    RowTexts positions;
    for (int row = 0; row < md::record::starting_slots; ++row) {
        positions[static_cast<size_t>(row)] = fixed_field(md::record::starting_position(row));
    }
    for (auto earlier = events_.rbegin(); earlier != events_.rend(); ++earlier) {
        if (earlier->kind == md::EventKind::FormationChange) {
            formation = earlier->new_formation();
            for (size_t row = 0; row < positions.size(); ++row) {
                positions[row] = earlier->row_position(static_cast<int>(row));
            }
            break;
        }
    }
    current_formation = formation;
    chosen_formation = formation;
    // The goalkeeper's row keeps its code.
    for (size_t row = 1; row < pitch.size(); ++row) {
        pitch[row].position = positions[row];
    }
}

void EventPage::undo_shoot_out() {
    shoot_out.reset();
    restore_shoot_out_names();
    kicker_row = -1;
    controls.kinds = true;
    choose_kind(KindOption::substitution);
    controls.pitch_list = true;
    controls.reserve_list = true;
    controls.time_buttons = true;
    controls.add = true;
}

// The period and time the page returns to: the period of the event now last, at its minute.
void EventPage::period_after_removal(bool shoot_out_removed, int removed_minute, int minute_before) {
    time_text_ = QString::number(minute_before);
    const bool before_in_extra = minute_before > game_minutes;
    if (shoot_out_removed) {
        period = before_in_extra ? Period::extra : Period::regular;
        controls.half_button = !before_in_extra;
        controls.extra_button = before_in_extra || meeting_has_extra_time();
        controls.shoot_out_button = before_in_extra || meeting_has_shoot_out();
    } else if (removed_minute > game_minutes && !before_in_extra) {
        period = Period::regular;
        last_extra_time = first_extra_minute();
        controls.half_button = true;
    }
    (before_in_extra ? last_extra_time : last_regular_time) = minute_before;
}

}  // namespace kl
