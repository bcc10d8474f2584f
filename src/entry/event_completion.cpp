// Events whose details wait: a live game adds goals and conceded goals with their details left for
// later, gives them one tap at a time, and page 3 completes what is still missing.

#include "event_page.h"
#include "store/capacities.h"
#include "store/vocabulary.h"

namespace kl {
namespace {

size_t index_of(DetailPanel panel) {
    return static_cast<size_t>(panel);
}

// Whether the panel takes details of the event: a goal's finish (or its own-goal panel) and, once
// it has an assister, its assist; a conceded goal's finish and play before.
bool takes_details(const md::GameEvent& event, DetailPanel panel) {
    if (event.kind == md::EventKind::Conceded) {
        return panel == DetailPanel::conceded_finish || panel == DetailPanel::play_before;
    }
    if (event.kind != md::EventKind::Goal) {
        return false;
    }
    if (event.is_own_goal()) {
        return panel == DetailPanel::own_goal;
    }
    return panel == DetailPanel::finish || (panel == DetailPanel::assist && !event.assister().isEmpty());
}

md::GoalDetail detail_in(const md::GameEvent& event, DetailPanel panel) {
    switch (panel) {
        case DetailPanel::assist:
            return event.assist();
        case DetailPanel::play_before:
            return event.play_before();
        default:
            break;
    }
    return event.finish();
}

}  // namespace

RowTexts EventPage::pitch_names() const {
    RowTexts names;
    for (size_t row = 0; row < pitch.size(); ++row) {
        names[row] = pitch[row].member;
    }
    return names;
}

void EventPage::set_pitch_names(const RowTexts& names) {
    for (size_t row = 0; row < pitch.size(); ++row) {
        pitch[row].member = names[row];
    }
}

void EventPage::select_event(int index) {
    if (completing) {
        leave_completion();
    }
    if (!controls.event_list || index < 0 || index >= static_cast<int>(events_.size()) ||
        !details_missing[static_cast<size_t>(index)]) {
        return;
    }
    enter_completion(index);
}

std::optional<md::UserMessage> EventPage::refuse_missing_details() {
    for (size_t index = 0; index < events_.size(); ++index) {
        if (details_missing[index]) {
            if (completing != static_cast<int>(index)) {
                select_event(static_cast<int>(index));
            }
            return missing_details(events_[index]);
        }
    }
    return std::nullopt;
}

void EventPage::enter_completion(int index) {
    restore_saved_names();
    completion_ = Completion{controls, kind, time_text_, pitch_names()};
    reset_entry_panels();
    const md::GameEvent& event = events_[static_cast<size_t>(index)];
    const bool goal = event.kind == md::EventKind::Goal;
    kind = goal ? KindOption::goal : KindOption::conceded;
    time_text_ = event.time();
    // Only members on the pitch when the goal was scored can have scored or assisted it.
    set_pitch_names(pitch_at_event_[static_cast<size_t>(index)]);
    show_event_in_panel(event);
    completing = index;
    // The panel, the pitch list for a goal, the event list and 追加; nothing that adds or takes
    // events back, changes the period or moves the minute.
    EntryControls only;
    only.delete_all = false;
    only.delete_line = false;
    only.kinds = false;
    only.time_buttons = false;
    only.pitch_list = goal;
    only.reserve_list = false;
    only.half_button = false;
    controls = only;
}

void EventPage::leave_completion() {
    if (!completion_) {
        return;
    }
    const Completion before = *completion_;
    completion_.reset();
    completing.reset();
    reset_entry_panels();
    set_pitch_names(before.pitch_names);
    kind = before.kind;
    time_text_ = before.time_text;
    controls = before.controls;
    if (kind == KindOption::formation_change) {
        remember_pitch_names();
    }
}

// The goal or conceded panel as the event's fields give it: the members, the options chosen (a
// detail not chosen yet stays unchosen) and which details are complete.
void EventPage::show_event_in_panel(const md::GameEvent& event) {
    const auto load = [this](DetailPanel panel, const md::GoalDetail& detail) {
        auto& chosen = details[index_of(panel)];
        chosen = {static_cast<int>(options(panel, 0).indexOf(detail.body)),
                  static_cast<int>(options(panel, 1).indexOf(detail.area)),
                  static_cast<int>(options(panel, 2).indexOf(detail.action))};
        if (chosen[2] >= 0) {
            area_enabled[index_of(panel)] = area_after_action(panel, detail.action, chosen[1]).enabled;
        }
        details_done[index_of(panel)] = chosen[0] >= 0 && chosen[1] >= 0 && chosen[2] >= 0;
    };
    if (event.kind == md::EventKind::Conceded) {
        load(DetailPanel::conceded_finish, event.finish());
        load(DetailPanel::play_before, event.play_before());
        return;
    }
    own_goal = event.is_own_goal();
    if (own_goal) {
        load(DetailPanel::own_goal, event.finish());
        return;
    }
    scorer = event.scorer();
    assister = event.assister();
    load(DetailPanel::finish, event.finish());
    assist_shown = event.finish().action == md::words::assisted_action;
    if (assist_shown) {
        load(DetailPanel::assist, event.assist());
    }
    // The next pick fills what is missing: the scorer, then the assister.
    assister_next = assist_shown && !scorer.isEmpty() && assister.isEmpty();
    scorer_next = !assister_next;
}

std::optional<md::UserMessage> EventPage::complete_selected() {
    if (open_panel) {
        return std::nullopt;
    }
    const int index = *completing;
    const md::GameEvent& event = events_[static_cast<size_t>(index)];
    const QStringList fields = event.kind == md::EventKind::Goal
                                   ? goal_fields(event.time(), event.mark())
                                   : conceded_fields(event.time(), event.mark());
    if (std::optional<md::UserMessage> refusal = missing_details({event.kind, fields})) {
        return refusal;
    }
    replace_event(index, fields);
    leave_completion();
    return std::nullopt;
}

// An event's fields given anew where it stands: its kind, and so its number of fields, stay.
void EventPage::replace_event(int index, const QStringList& fields) {
    qsizetype at = md::fixed_field_count;
    for (int earlier = 0; earlier < index; ++earlier) {
        at += events_[static_cast<size_t>(earlier)].fields.size();
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        event_fields[at + i] = fields[i];
    }
    md::GameEvent& event = events_[static_cast<size_t>(index)];
    event.fields = fields;
    lines[static_cast<size_t>(index)] = md::event_list_line(event);
    details_missing[static_cast<size_t>(index)] = missing_details(event).has_value();
    ++lines_revision;
}

bool EventPage::set_event_detail(int index, DetailPanel panel, int group, int option) {
    if (completing || index < 0 || index >= static_cast<int>(events_.size()) || group < 0 || group > 2 ||
        option < 0 || option >= options(panel, group).size()) {
        return false;
    }
    const md::GameEvent& event = events_[static_cast<size_t>(index)];
    if (!takes_details(event, panel)) {
        return false;
    }
    md::GoalDetail detail = detail_in(event, panel);
    const QString chosen = options(panel, group)[option];
    if (group == 0) {
        detail.body = chosen;
    } else if (group == 1) {
        if (!area_after_action(panel, detail.action, -1).enabled[static_cast<size_t>(option)]) {
            return false;
        }
        detail.area = chosen;
    } else {
        detail.action = chosen;
        detail.area = options(panel, 1).value(
            area_after_action(panel, chosen, static_cast<int>(options(panel, 1).indexOf(detail.area))).area);
    }
    if (event.kind == md::EventKind::Conceded) {
        const bool finish = panel == DetailPanel::conceded_finish;
        replace_event(index,
                      md::compose_conceded(event.time(), event.mark(), finish ? detail : event.finish(),
                                           finish ? event.play_before() : detail));
        return true;
    }
    if (event.is_own_goal()) {
        replace_event(index,
                      md::compose_goal(event.time(), event.mark(), md::words::own_goal, detail, {}, {}));
        return true;
    }
    const bool assist = panel == DetailPanel::assist;
    const md::GoalDetail finish = assist ? event.finish() : detail;
    // As on page 3, a finish that is not after an assist has no assister.
    const QString assister = finish.action == md::words::assisted_action ? event.assister() : QString();
    replace_event(index, md::compose_goal(event.time(), event.mark(), event.scorer(), finish, assister,
                                          assist ? detail : event.assist()));
    return true;
}

bool EventPage::set_event_assister(int index, int row) {
    if (completing || index < 0 || index >= static_cast<int>(events_.size()) || row < 0 ||
        row >= static_cast<int>(pitch.size()) || !row_in_play[static_cast<size_t>(row)]) {
        return false;
    }
    const md::GameEvent& event = events_[static_cast<size_t>(index)];
    const QString member = pitch[static_cast<size_t>(row)].member;
    if (event.kind != md::EventKind::Goal || event.is_own_goal() || member.isEmpty() ||
        member == event.scorer()) {
        return false;
    }
    // A goal with an assister is a finish after an assist.
    md::GoalDetail finish = event.finish();
    finish.action = md::words::assisted_action;
    replace_event(
        index, md::compose_goal(event.time(), event.mark(), event.scorer(), finish, member, event.assist()));
    return true;
}

}  // namespace kl
