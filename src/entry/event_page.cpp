#include "event_page.h"

#include "lineup.h"
#include "page_messages.h"
#include "store/capacities.h"
#include "store/game_event.h"
#include "store/numbers.h"
#include "store/vocabulary.h"

#include <algorithm>

namespace kl {
namespace {

size_t index_of(DetailPanel panel) {
    return static_cast<size_t>(panel);
}

}  // namespace

EventPage::EventPage(const QStringList& fixed_fields, std::vector<md::Formation> formations,
                     bool small_sided_games)
    : formations_(std::move(formations)) {
    event_fields = fixed_fields;
    while (event_fields.size() < md::fixed_field_count) {
        event_fields.append(QString());
    }
    event_fields = event_fields.mid(0, md::fixed_field_count);
    game_minutes = md::leading_int(fixed_field(md::record::game_time));
    if (meeting_has_extra_time()) {
        controls.extra_button = true;
        extra_mode = fixed_field(md::record::extra_mode);
        extra_minutes = md::leading_int(fixed_field(md::record::extra_length));
    }
    controls.shoot_out_button = meeting_has_shoot_out();
    last_extra_time = first_extra_minute();
    int positions = 0;
    for (int row = 0; row < md::record::starting_slots; ++row) {
        PitchSlot& slot = pitch[static_cast<size_t>(row)];
        slot = {fixed_field(md::record::starting_position(row)),
                fixed_field(md::record::starting_member(row))};
        starting_members += slot.member.isEmpty() ? 0 : 1;
        positions += md::is_slot_in_use(slot.position) ? 1 : 0;
    }
    free_reentry = small_sided_games && md::is_small_sided(positions);
    side = free_reentry ? positions : md::full_side;
    // An unused slot (no position, no member) is no row of the pitch list, whatever the option.
    for (size_t row = 0; row < pitch.size(); ++row) {
        row_in_play[row] = md::is_slot_in_use(pitch[row].position) || !pitch[row].member.isEmpty();
    }
    for (int slot = 0; slot < md::record::reserve_slots && !fixed_field(md::record::reserve(slot)).isEmpty();
         ++slot) {
        reserves.append(fixed_field(md::record::reserve(slot)));
    }
    current_formation = fixed_field(md::record::formation);
    reset_entry_panels();
}

QString EventPageState::time_label() const {
    if (period == Period::shoot_out) {
        return QStringLiteral(u"時間 （ - ）");
    }
    if (period == Period::extra) {
        return QStringLiteral(u"時間 （") + QString::number(first_extra_minute()) +
               QStringLiteral(u" 分 - ") +
               QString::number(md::saturated(static_cast<long long>(game_minutes) + extra_minutes)) +
               QStringLiteral(u" 分）");
    }
    return QStringLiteral(u"時間 （0 分 - ") + QString::number(game_minutes) + QStringLiteral(u" 分）");
}

void EventPage::forget_member_picks() {
    scorer.clear();
    assister.clear();
    scorer_next = true;
    assister_next = false;
    member_in.clear();
    member_out.clear();
    position_1.clear();
    member_1.clear();
    position_2.clear();
    member_2.clear();
    member_1_next = true;
    member_2_next = false;
    carded.clear();
}

void EventPage::reset_entry_panels() {
    controls.kinds = true;
    controls.time_buttons = true;
    forget_member_picks();
    sending_off = false;
    details_done.fill(false);
    open_panel.reset();
    assist_shown = false;
    own_goal = false;
    for (auto& chosen : details) {
        chosen.fill(-1);
    }
    for (auto& enabled : area_enabled) {
        enabled.fill(true);
    }
}

void EventPage::lock_entry_controls(bool locked) {
    controls.event_list = !locked;
    controls.detail_buttons = !locked;
    controls.add = !locked;
    // Completing an event takes none back.
    controls.delete_all = !locked && !completing;
    controls.navigation = !locked;
}

void EventPage::choose_kind(KindOption option) {
    if (!controls.kinds) {
        return;
    }
    kind = option;
    lock_entry_controls(false);
    reset_entry_panels();
    controls.pitch_list = option != KindOption::conceded;
    controls.reserve_list = option == KindOption::substitution;
    // The formation kind previews changes in the name column: the names are kept to write back.
    if (option == KindOption::formation_change) {
        if (!saved_pitch_names) {
            remember_pitch_names();
        }
    } else {
        restore_saved_names();
    }
}

void EventPage::remember_pitch_names() {
    saved_pitch_names.emplace();
    for (size_t row = 0; row < pitch.size(); ++row) {
        (*saved_pitch_names)[row] = pitch[row].member;
    }
}

// Undoes a formation preview; while the formation kind stays chosen its names stay remembered.
void EventPage::write_back_saved_names() {
    restore_saved_names();
    if (kind == KindOption::formation_change) {
        remember_pitch_names();
    }
}

void EventPage::restore_saved_names() {
    if (!saved_pitch_names) {
        return;
    }
    for (size_t row = 0; row < pitch.size(); ++row) {
        pitch[row].member = (*saved_pitch_names)[row];
    }
    saved_pitch_names.reset();
}

void EventPage::click_reserve(int index) {
    if (kind != KindOption::substitution || !controls.reserve_list || index < 0 || index >= reserves.size()) {
        return;
    }
    member_in = reserves[index];
    second_row = index;
}

void EventPage::choose_card(bool send_off) {
    sending_off = send_off;
}

const md::Formation* EventPage::formation_named(const QString& name) const {
    for (const md::Formation& formation : formations_) {
        if (formation.name == name) {
            return &formation;
        }
    }
    return nullptr;
}

RowTexts EventPage::rows_of(const md::Formation& formation) const {
    RowTexts positions;
    for (size_t row = 0; row < pitch.size(); ++row) {
        positions[row] = pitch[row].position;
    }
    assign_formation_positions(formation, positions);
    return positions;
}

void EventPage::choose_formation_change(const QString& formation) {
    chosen_formation = formation;
    if (!saved_pitch_names) {
        return;
    }
    // The preview shows each changed row's new code in its name column.
    for (size_t row = 0; row < pitch.size(); ++row) {
        pitch[row].member = (*saved_pitch_names)[row];
    }
    const md::Formation* chosen = formation_named(formation);
    if (chosen == nullptr) {
        return;
    }
    RowTexts positions;
    const int changed = assign_formation_positions(*chosen, positions);
    for (int row = static_cast<int>(pitch.size()) - 1; row >= static_cast<int>(pitch.size()) - changed;
         --row) {
        pitch[static_cast<size_t>(row)].member =
            QStringLiteral(u"→　　　") + positions[static_cast<size_t>(row)];
    }
}

void EventPage::click_pitch_row(int row) {
    if (row < 0 || row >= static_cast<int>(pitch.size()) || !controls.pitch_list ||
        !row_in_play[static_cast<size_t>(row)]) {
        return;
    }
    const PitchSlot& slot = pitch[static_cast<size_t>(row)];
    if (period == Period::shoot_out && !completing) {
        shoot_out.kicker = slot.member;
        kicker_row = row;
        return;
    }
    switch (kind) {
        case KindOption::substitution:
            member_out = slot.member;
            first_row = row;
            break;
        case KindOption::position_change:
            // The two members are picked in turn; one member cannot take both places.
            if (member_1_next && slot.member != member_2) {
                position_1 = slot.position;
                member_1 = slot.member;
                first_row = row;
                member_1_next = false;
                member_2_next = true;
            } else if (member_2_next && slot.member != member_1) {
                position_2 = slot.position;
                member_2 = slot.member;
                second_row = row;
                member_2_next = false;
                member_1_next = true;
            }
            break;
        case KindOption::card:
            carded = slot.member;
            first_row = row;
            break;
        case KindOption::goal:
            click_scorer_or_assister(row);
            break;
        default:
            break;
    }
}

void EventPage::click_scorer_or_assister(int row) {
    const QString name = pitch[static_cast<size_t>(row)].member;
    if (scorer_next && name != assister) {
        scorer = name;
        first_row = row;
        if (assist_visible()) {
            scorer_next = false;
            assister_next = true;
        }
    } else if (assister_next && name != scorer) {
        assister = name;
        second_row = row;
        assister_next = false;
        scorer_next = true;
    }
}

bool EventPageState::holds_pitch_pick() const {
    for (const QString* pick :
         {&member_out, &member_1, &member_2, &carded, &scorer, &assister, &shoot_out.kicker}) {
        if (!pick->isEmpty()) {
            return true;
        }
    }
    return false;
}

int EventPage::floor() const {
    return period == Period::extra ? last_extra_time : last_regular_time;
}

int EventPage::ceiling() const {
    if (period != Period::extra) {
        return game_minutes;
    }
    // While a side leads in the first half of silver-goal extra time, that half is the last.
    if (silver_lead) {
        return silver_goal_limit(game_minutes, extra_minutes);
    }
    return md::saturated(static_cast<long long>(game_minutes) + extra_minutes);
}

int EventPageState::first_extra_minute() const {
    return md::saturated(static_cast<long long>(game_minutes) + 1);
}

void EventPage::step_time(TimeButton button) {
    if (completing) {
        return;  // the event keeps its minute
    }
    // In long long: minutes read from a file can be as large as an int holds.
    const long long t = md::leading_int(time_text_);
    const long long low = floor();
    const long long high = ceiling();
    long long stepped = t;
    switch (button) {
        case TimeButton::back_one:
            stepped = t > low ? t - 1 : low;
            break;
        case TimeButton::back_ten:
            stepped = t > low + 9 ? t - 10 : low;
            break;
        case TimeButton::forward_one:
            stepped = t < high ? t + 1 : high;
            break;
        case TimeButton::forward_ten:
            stepped = t < high - 9 ? t + 10 : high;
            break;
    }
    time_text_ = QString::number(stepped);
}

void EventPage::type_time(const QString& text) {
    if (!controls.time_buttons) {
        return;  // the shoot-out has no minutes, and a closed game takes none
    }
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
        }
    }
    time_text_ = digits;
}

int EventPage::event_minute() const {
    // A meeting whose period ends before the last event (a damaged file) gives the last event's minute.
    return std::max(floor(), std::min(md::leading_int(time_text_), ceiling()));
}

void EventPage::open_details(DetailPanel panel) {
    open_panel = panel;
    lock_entry_controls(true);
}

void EventPage::apply_area_rule(DetailPanel panel, int action) {
    const AreaChoice rule =
        area_after_action(panel, options(panel, 2).value(action), details[index_of(panel)][1]);
    area_enabled[index_of(panel)] = rule.enabled;
    details[index_of(panel)][1] = rule.area;
}

void EventPage::choose_detail(DetailPanel panel, int group, int option) {
    if (option < 0 || option >= options(panel, group).size()) {
        return;
    }
    if (group == 1 && !area_enabled[index_of(panel)][static_cast<size_t>(option)]) {
        return;
    }
    details[index_of(panel)][static_cast<size_t>(group)] = option;
    if (group == 2) {
        apply_area_rule(panel, option);
    }
}

void EventPage::close_details(DetailPanel panel) {
    open_panel.reset();
    const auto& chosen = details[index_of(panel)];
    if (std::all_of(chosen.begin(), chosen.end(), [](int option) { return option >= 0; })) {
        details_done[index_of(panel)] = true;
    }
    lock_entry_controls(false);
    if (panel == DetailPanel::finish) {
        // A finish after an assist asks for the assister; any other finish has none.
        assist_shown = options(panel, 2).value(chosen[2]) == md::words::assisted_action;
        scorer_next = !assist_shown;
        assister_next = assist_shown;
        if (!assist_shown) {
            assister.clear();
        }
    }
}

void EventPage::set_own_goal(bool ticked) {
    own_goal = ticked;
    if (!ticked) {
        assist_shown = options(DetailPanel::finish, 2).value(details[index_of(DetailPanel::finish)][2]) ==
                       md::words::assisted_action;
    }
}

md::GoalDetail EventPage::detail_of(DetailPanel panel) const {
    const auto& chosen = details[index_of(panel)];
    return {options(panel, 0).value(chosen[0]), options(panel, 1).value(chosen[1]),
            options(panel, 2).value(chosen[2])};
}

bool EventPage::room_for(qsizetype field_count) const {
    return md::fixed_field_count + event_field_count + field_count <= md::event_fields_capacity;
}

void EventPage::append_event(const QStringList& fields) {
    md::GameEvent event{*md::kind_from_literal(fields.value(1)), fields};
    lines.push_back(md::event_list_line(event, current_formation));
    details_missing.push_back(missing_details(event).has_value());
    pitch_at_event_.push_back(pitch_names());
    ++lines_revision;
    events_.push_back(event);
    event_fields += fields;
    event_field_count += static_cast<int>(fields.size());
}

std::optional<md::UserMessage> EventPage::add() {
    if (completing) {
        return complete_selected();
    }
    if (period == Period::shoot_out) {
        return add_shoot_out();
    }
    switch (kind) {
        case KindOption::goal:
            return add_goal(false);
        case KindOption::conceded:
            return add_conceded(false);
        case KindOption::substitution:
            return add_substitution();
        case KindOption::position_change:
            return add_position_change();
        case KindOption::card:
            return add_card();
        case KindOption::formation_change:
            break;
    }
    return add_formation_change();
}

std::optional<md::UserMessage> EventPage::add_leaving_details() {
    if (!completing && period != Period::shoot_out) {
        if (kind == KindOption::goal) {
            return add_goal(true);
        }
        if (kind == KindOption::conceded) {
            return add_conceded(true);
        }
    }
    return add();
}

std::optional<md::UserMessage> EventPage::add_substitution() {
    // A sent-off member's row has no name, so it cannot be chosen as OUT.
    if (member_out.isEmpty() || member_in.isEmpty()) {
        return input_error(QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
    }
    const QString minute = QString::number(event_minute());
    const QStringList fields = md::compose_substitution(
        minute, pitch[static_cast<size_t>(first_row)].position, member_in, member_out);
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    time_text_ = minute;
    append_event(fields);
    // The member coming on takes the row, without the caution of the member going off (but with his
    // own, when he comes back on).
    pitch[static_cast<size_t>(first_row)] = {pitch[static_cast<size_t>(first_row)].position, member_in,
                                             cautions_of(member_in) == 1};
    reserves.removeAt(second_row);
    if (free_reentry) {
        reserves.append(member_out);
    }
    member_in.clear();
    member_out.clear();
    after_event();
    return std::nullopt;
}

std::optional<md::UserMessage> EventPage::add_position_change() {
    if (position_1.isEmpty() || position_2.isEmpty()) {
        return input_error(
            QStringLiteral(u"「メンバー１」　か　「メンバー２」　を左のリストから選択して下さい。"));
    }
    const QString minute = QString::number(event_minute());
    // Member 1 takes member 2's position (B) and member 2 member 1's (A).
    const QStringList fields =
        md::compose_position_change(minute, position_2, member_1, position_1, member_2);
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    time_text_ = minute;
    append_event(fields);
    // The names change rows, and a caution's colour goes with its member; the codes stay.
    PitchSlot& first = pitch[static_cast<size_t>(first_row)];
    PitchSlot& second = pitch[static_cast<size_t>(second_row)];
    std::swap(first.member, second.member);
    std::swap(first.cautioned, second.cautioned);
    swapped_rows_.emplace_back(first_row, second_row);
    forget_member_picks();
    after_event();
    return std::nullopt;
}

int& EventPage::caution_count(const QString& member) {
    qsizetype entry = caution_names.indexOf(member);
    if (entry < 0) {
        entry = caution_names.indexOf(QString());
    }
    if (entry < 0) {
        entry = caution_names.size();
        caution_names.append(QString());
        caution_counts.push_back(0);
    }
    caution_names[entry] = member;
    return caution_counts[static_cast<size_t>(entry)];
}

std::optional<md::UserMessage> EventPage::add_card() {
    if (carded.isEmpty()) {
        return input_error(QStringLiteral(u"「対象者」　を左のリストから選択して下さい。"));
    }
    const qsizetype cautioned_before = caution_names.indexOf(carded);
    const int cautions = cautioned_before < 0 ? 0 : caution_counts[static_cast<size_t>(cautioned_before)];
    // A second caution is one event that sends the member off.
    const QString card = sending_off         ? md::words::sending_off
                         : cautions + 1 == 2 ? md::words::second_caution
                                             : md::words::caution;
    const QString minute = QString::number(event_minute());
    const QStringList fields = md::compose_card(minute, card, carded);
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    time_text_ = minute;
    append_event(fields);
    PitchSlot& row = pitch[static_cast<size_t>(first_row)];
    if (!sending_off) {
        ++caution_count(carded);
    }
    if (card == md::words::caution) {
        row.cautioned = true;
    } else {
        // The side plays one short: the row keeps its position and has no member to pick.
        sent_off_rows.push_back(first_row);
        row.member.clear();
        row.cautioned = false;
    }
    carded.clear();
    sending_off = false;
    after_event();
    return std::nullopt;
}

std::optional<md::UserMessage> EventPage::add_formation_change() {
    const md::Formation* chosen = formation_named(chosen_formation);
    if (chosen == nullptr || chosen->name == current_formation) {
        return input_error(QStringLiteral(u"フォーメーションが変更されていません。"));
    }
    if (free_reentry && md::formation_size(*chosen) != side) {
        return input_error(QStringLiteral(u"「フォーメーション」　の人数が違います。"));
    }
    RowTexts positions;
    RowTexts names;
    for (size_t row = 0; row < pitch.size(); ++row) {
        positions[row] = pitch[row].position;
        names[row] = saved_pitch_names ? (*saved_pitch_names)[row] : pitch[row].member;
    }
    assign_formation_positions(*chosen, positions);
    md::PitchRows rows;
    for (size_t row = 0; row < pitch.size(); ++row) {
        rows[row] = {positions[row], names[row]};
    }
    const QString minute = QString::number(event_minute());
    const QStringList fields = md::compose_formation_change(minute, chosen->name, rows);
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    time_text_ = minute;
    append_event(fields);
    for (size_t row = 0; row < pitch.size(); ++row) {
        pitch[row].position = positions[row];
        pitch[row].member = names[row];
    }
    current_formation = chosen->name;
    after_event();
    return std::nullopt;
}

QStringList EventPage::goal_fields(const QString& minute, const QString& mark) const {
    if (own_goal) {
        return md::compose_goal(minute, mark, md::words::own_goal, detail_of(DetailPanel::own_goal), {}, {});
    }
    return md::compose_goal(minute, mark, scorer, detail_of(DetailPanel::finish),
                            assist_visible() ? assister : QString(), detail_of(DetailPanel::assist));
}

QStringList EventPage::conceded_fields(const QString& minute, const QString& mark) const {
    return md::compose_conceded(minute, mark, detail_of(DetailPanel::conceded_finish),
                                detail_of(DetailPanel::play_before));
}

// A goal is refused while its scorer, assister or details are missing, unless they may wait (a live
// game); the event then shows what it has, and is marked.
std::optional<md::UserMessage> EventPage::add_goal(bool leave_details) {
    if (open_panel) {
        return std::nullopt;
    }
    const QString minute = QString::number(event_minute());
    const QStringList fields = goal_fields(minute, md::goal_mark(period == Period::extra, extra_mode));
    if (const std::optional<md::UserMessage> refusal = missing_details({md::EventKind::Goal, fields});
        refusal && !leave_details) {
        return refusal;
    }
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    ++own_score;
    time_text_ = minute;
    append_event(fields);
    after_scoring_event();
    return std::nullopt;
}

std::optional<md::UserMessage> EventPage::add_conceded(bool leave_details) {
    if (open_panel) {
        return std::nullopt;
    }
    const QString minute = QString::number(event_minute());
    const QStringList fields = conceded_fields(minute, md::goal_mark(period == Period::extra, extra_mode));
    if (const std::optional<md::UserMessage> refusal = missing_details({md::EventKind::Conceded, fields});
        refusal && !leave_details) {
        return refusal;
    }
    if (!room_for(fields.size())) {
        return no_room_for_event();
    }
    ++opponent_score;
    time_text_ = minute;
    append_event(fields);
    after_scoring_event();
    return std::nullopt;
}

// After a goal or a conceded goal: the time bookkeeping of the period and the extra-time rules.
void EventPage::after_scoring_event() {
    const int minute = md::leading_int(time_text_);
    const bool golden = period == Period::extra && extra_mode == md::words::golden_goal_mode;
    if (golden) {
        end_by_golden_goal();
        return;
    }
    if (period == Period::extra && extra_mode == md::words::silver_goal_mode) {
        silver_lead = own_score != opponent_score && minute <= game_minutes + extra_minutes / 2.0;
    }
    after_event();
    reset_entry_panels();
}

// After the event that ends a game only the list, 全削除 and the navigation stay usable; there is
// no way back to regular time either, since nothing can follow that event.
void EventPage::close_for_entry() {
    lock_entry_controls(true);
    controls.half_button = false;
    controls.extra_button = false;
    controls.shoot_out_button = false;
    controls.delete_all = true;
    controls.navigation = true;
    controls.pitch_list = false;
    controls.reserve_list = false;
    controls.event_list = true;
}

void EventPage::end_by_golden_goal() {
    close_for_entry();
    reset_entry_panels();
    controls.kinds = false;
    controls.time_buttons = false;
}

// The time bookkeeping of every event: the last minute of its period, and no way back to regular
// time once extra time has an event.
void EventPage::after_event() {
    const int minute = md::leading_int(time_text_);
    if (period == Period::extra) {
        last_extra_time = minute;
        controls.half_button = false;
    } else {
        last_regular_time = minute;
    }
}

}  // namespace kl
