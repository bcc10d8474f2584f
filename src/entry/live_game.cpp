#include "live_game.h"

#include "page_messages.h"
#include "store/numbers.h"
#include "store/vocabulary.h"

#include <algorithm>

namespace kl {
namespace {

// What the window never offers: an action the game cannot take now (a journal written by another
// hand, say).
md::UserMessage not_now() {
    return input_error(QStringLiteral(u"今はこの操作はできません。"));
}

bool adds_event(LiveVerb verb) {
    switch (verb) {
        case LiveVerb::goal:
        case LiveVerb::conceded:
        case LiveVerb::substitution:
        case LiveVerb::caution:
        case LiveVerb::sending_off:
        case LiveVerb::position_change:
            return true;
        default:
            break;
    }
    return false;
}

constexpr qint64 minute_ms = 60 * 1000;

}  // namespace

LiveGame::LiveGame(LiveGameSetup setup, std::vector<md::Formation> formations)
    : setup_(std::move(setup)), page_(setup_.fixed_fields, std::move(formations), setup_.small_sided_games) {}

LivePeriod LiveGame::shown_period() const {
    return game_decided() ? LivePeriod::finished : period();
}

bool LiveGame::game_decided() const {
    const auto& lines = page_.state().lines;
    if (lines.empty()) {
        return false;
    }
    // A golden goal closes page 3 for entry in extra time; the shoot-out event ends the game.
    return lines.back().kind == md::words::shoot_out ||
           (page_.state().period == Period::extra && !page_.state().controls.kinds);
}

std::optional<md::UserMessage> LiveGame::apply(const TimedAction& timed) {
    std::optional<md::UserMessage> refusal;
    switch (timed.action.verb) {
        case LiveVerb::kick_off:
            refusal = clock_.start(timed.time) ? std::nullopt : std::optional(not_now());
            break;
        case LiveVerb::pause:
            refusal = clock_.pause(timed.time) ? std::nullopt : std::optional(not_now());
            break;
        case LiveVerb::clock_set:
            clock_.set_paused_at(timed.action.clock_ms);
            break;
        case LiveVerb::period_end:
        case LiveVerb::extra_time:
        case LiveVerb::shoot_out:
        case LiveVerb::finish:
            refusal = apply_period_change(timed);
            break;
        case LiveVerb::kick_order:
        case LiveVerb::kick:
        case LiveVerb::shoot_out_reset:
            refusal = apply_shoot_out(timed.action);
            break;
        case LiveVerb::undo:
            refusal = undo();
            break;
        default:
            refusal = apply_event(timed);
            break;
    }
    if (!refusal) {
        last_action_time_ = timed.time;
    }
    return refusal;
}

std::optional<md::UserMessage> LiveGame::apply_event(const TimedAction& timed) {
    const LiveAction& action = timed.action;
    if (adds_event(action.verb)) {
        if (!takes_events()) {
            return not_now();
        }
        if (std::optional<md::UserMessage> refusal = refused_minute(action.minute)) {
            return refusal;
        }
    }
    const size_t events_before = page_.state().lines.size();
    if (std::optional<md::UserMessage> refusal = enter_event(action)) {
        return refusal;
    }
    if (page_.state().lines.size() > events_before) {
        event_game_times_.push_back(clock_.game_time(timed.time));
        typed_minute_.reset();
    }
    return std::nullopt;
}

// Each event as page 3 takes it: the kind, the minute, the members picked from the lists, 追加.
std::optional<md::UserMessage> LiveGame::enter_event(const LiveAction& action) {
    const QString member = action.members.value(0);
    const auto pick = [this](const QString& name) { page_.click_pitch_row(row_of(name)); };
    switch (action.verb) {
        case LiveVerb::goal:
            page_.choose_kind(KindOption::goal);
            page_.type_time(QString::number(action.minute));
            if (!member.isEmpty()) {
                if (row_of(member) < 0) {
                    return input_error(QStringLiteral(u"「得点者」　を左のリストから選択して下さい。"));
                }
                pick(member);
            }
            return page_.add_leaving_details();
        case LiveVerb::conceded:
            page_.choose_kind(KindOption::conceded);
            page_.type_time(QString::number(action.minute));
            return page_.add_leaving_details();
        case LiveVerb::substitution:
            page_.choose_kind(KindOption::substitution);
            page_.type_time(QString::number(action.minute));
            pick(member);
            page_.click_reserve(static_cast<int>(page_.state().reserves.indexOf(action.members.value(1))));
            return page_.add();
        case LiveVerb::caution:
        case LiveVerb::sending_off:
            page_.choose_kind(KindOption::card);
            page_.type_time(QString::number(action.minute));
            pick(member);
            page_.choose_card(action.verb == LiveVerb::sending_off);
            return page_.add();
        case LiveVerb::position_change:
            page_.choose_kind(KindOption::position_change);
            page_.type_time(QString::number(action.minute));
            pick(member);
            pick(action.members.value(1));
            return page_.add();
        case LiveVerb::assist:
            if (!page_.set_event_assister(action.event, row_of(member))) {
                return input_error(QStringLiteral(u"「アシスト者」　を左のリストから選択して下さい。"));
            }
            return std::nullopt;
        case LiveVerb::detail:
            return page_.set_event_detail(action.event, action.panel, action.group, action.option)
                       ? std::nullopt
                       : std::optional(not_now());
        default:
            break;
    }
    return not_now();
}

std::optional<md::UserMessage> LiveGame::apply_period_change(const TimedAction& timed) {
    switch (timed.action.verb) {
        case LiveVerb::period_end: {
            if (!can_end_period()) {
                return not_now();
            }
            const LivePeriod next = period() == LivePeriod::first_half         ? LivePeriod::second_half
                                    : period() == LivePeriod::extra_first_half ? LivePeriod::extra_second_half
                                                                               : LivePeriod::finished;
            clock_.move_to(next, timed.time);
            last_timed_ = is_timed(next) ? next : last_timed_;
            return std::nullopt;
        }
        case LiveVerb::extra_time:
        case LiveVerb::shoot_out: {
            const bool extra = timed.action.verb == LiveVerb::extra_time;
            if (!(extra ? can_go_to_extra_time() : can_go_to_shoot_out())) {
                return not_now();
            }
            // The refusals of page 3's 延長戦 and PK戦: a score that is not level.
            if (std::optional<md::UserMessage> refusal =
                    page_.choose_period(extra ? Period::extra : Period::shoot_out)) {
                return refusal;
            }
            const LivePeriod next = extra ? LivePeriod::extra_first_half : LivePeriod::shoot_out;
            clock_.move_to(next, timed.time);
            last_timed_ = extra ? next : last_timed_;
            typed_minute_.reset();
            return std::nullopt;
        }
        default:
            break;
    }
    // 試合終了: a decided shoot-out is added as page 3's 追加 adds it; one still open goes on there.
    if (period() == LivePeriod::shoot_out && page_.state().controls.add) {
        if (std::optional<md::UserMessage> refusal = page_.add()) {
            return refusal;
        }
    }
    clock_.move_to(LivePeriod::finished, timed.time);
    finished_ = true;
    return std::nullopt;
}

std::optional<md::UserMessage> LiveGame::apply_shoot_out(const LiveAction& action) {
    if (period() != LivePeriod::shoot_out || game_decided()) {
        return not_now();
    }
    switch (action.verb) {
        case LiveVerb::kick_order:
            page_.choose_kick_order(action.own);
            return std::nullopt;
        case LiveVerb::kick:
            if (!page_.state().shoot_out.own_first) {
                return input_error(QStringLiteral(u"「先攻」　か　「後攻」　を選択して下さい。"));
            }
            if (action.own) {
                page_.click_pitch_row(row_of(action.members.value(0)));
            }
            return page_.record_kick(action.own, action.scored);
        default:
            break;
    }
    page_.reset_shoot_out();
    return std::nullopt;
}

std::optional<md::UserMessage> LiveGame::undo() {
    if (!can_undo()) {
        return not_now();
    }
    if (period() == LivePeriod::shoot_out && !game_decided()) {
        take_back_last_kick();
        return std::nullopt;
    }
    const size_t events_before = page_.state().lines.size();
    page_.delete_last_event();
    if (page_.state().lines.size() < events_before) {
        event_game_times_.pop_back();
    }
    follow_period();
    typed_minute_.reset();
    return std::nullopt;
}

// The kicks again without the last, as the scorer would record them after 初期化.
void LiveGame::take_back_last_kick() {
    const ShootOut before = page_.state().shoot_out;
    page_.reset_shoot_out();
    if (!before.own_first) {
        return;
    }
    page_.choose_kick_order(*before.own_first);
    std::vector<std::pair<bool, qsizetype>> kicks;
    md::walk_kicks(
        0, static_cast<int>(before.kicks.size()), *before.own_first,
        [&](int field) { return QStringView(before.kicks[field]); },
        [&](bool own, int field) { kicks.emplace_back(own, field); });
    for (size_t kick = 0; kick + 1 < kicks.size(); ++kick) {
        const auto [own, field] = kicks[kick];
        if (own) {
            page_.click_pitch_row(row_of(before.kicks.value(field + 1)));
        }
        page_.record_kick(own, before.kicks[field] == md::words::kick_scored);
    }
}

void LiveGame::follow_period() {
    const bool extra_time =
        period() == LivePeriod::extra_first_half || period() == LivePeriod::extra_second_half;
    if (extra_time && page_.state().period != Period::extra) {
        page_.choose_period(Period::extra);
    }
}

int LiveGame::row_of(const QString& member) const {
    const EventPageState& state = page_.state();
    for (size_t row = 0; row < state.pitch.size(); ++row) {
        if (!member.isEmpty() && state.row_in_play[row] && state.pitch[row].member == member) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

bool LiveGame::takes_events() const {
    return period() != LivePeriod::shoot_out && !game_decided() && page_.state().controls.kinds;
}

bool LiveGame::can_go_to_extra_time() const {
    return period() == LivePeriod::finished && last_timed_ == LivePeriod::second_half &&
           page_.state().controls.extra_button && !game_decided();
}

bool LiveGame::can_go_to_shoot_out() const {
    return period() == LivePeriod::finished && page_.state().controls.shoot_out_button && !game_decided();
}

bool LiveGame::can_undo() const {
    if (period() == LivePeriod::shoot_out && !game_decided()) {
        return !page_.state().shoot_out.kicks.isEmpty();
    }
    return page_.state().controls.delete_line && !page_.state().lines.empty();
}

int LiveGame::latest_scoring_event() const {
    const auto& lines = page_.state().lines;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->kind == md::words::goal || line->kind == md::words::conceded) {
            return static_cast<int>(lines.rend() - line) - 1;
        }
    }
    return -1;
}

LivePeriod LiveGame::minute_period() const {
    return is_timed(period()) ? period() : last_timed_;
}

MinuteRange LiveGame::allowed_minutes() const {
    const EventPageState& state = page_.state();
    MinuteRange range =
        period_minutes(minute_period(), state.game_minutes, state.extra_minutes, setup_.counting);
    // Not before the last event of the same part of the game.
    const int last_event = state.period == Period::extra ? state.last_extra_time : state.last_regular_time;
    range.first = std::max(range.first, last_event);
    range.last = std::max(range.first, range.last);
    return range;
}

int LiveGame::next_minute(qint64 now) const {
    if (typed_minute_) {
        return md::leading_int(*typed_minute_);
    }
    const EventPageState& state = page_.state();
    const LivePeriod counted = minute_period();
    const int on_clock =
        clock_minute(period_minutes(counted, state.game_minutes, state.extra_minutes, setup_.counting),
                     clock_.elapsed_of(counted, now));
    const MinuteRange allowed = allowed_minutes();
    return std::clamp(on_clock, allowed.first, allowed.last);
}

QString LiveGame::minute_text(qint64 now) const {
    if (!takes_events()) {
        return md::words::shoot_out_time;
    }
    return typed_minute_ ? *typed_minute_ : QString::number(next_minute(now));
}

void LiveGame::type_minute(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
        }
    }
    if (digits.isEmpty()) {
        typed_minute_.reset();
    } else {
        typed_minute_ = digits;
    }
}

std::optional<md::UserMessage> LiveGame::refused_minute(int minute) const {
    const MinuteRange allowed = allowed_minutes();
    if (minute >= allowed.first && minute <= allowed.last) {
        return std::nullopt;
    }
    return input_error(QStringLiteral(u"「時間」　は　") + QString::number(allowed.first) +
                       QStringLiteral(u"分から") + QString::number(allowed.last) +
                       QStringLiteral(u"分までで入力して下さい。"));
}

qint64 LiveGame::resumed_clock_ms(qint64 now) const {
    const qint64 at_last_action = clock_.elapsed(last_action_time_);
    if (!clock_.running()) {
        return at_last_action;
    }
    const EventPageState& state = page_.state();
    const int lengths[timed_period_count] = {
        state.game_minutes / 2, state.game_minutes - state.game_minutes / 2, state.extra_minutes / 2,
        state.extra_minutes - state.extra_minutes / 2};
    const qint64 regular_end = lengths[static_cast<int>(period())] * minute_ms;
    // Stoppage time already: how long it went on is not known.
    if (at_last_action >= regular_end) {
        return at_last_action;
    }
    return std::min(clock_.elapsed(now), regular_end);
}

namespace {

md::UserMessage only_one(const char16_t* role) {
    return input_error(QStringLiteral(u"「") + QString::fromUtf16(role) +
                       QStringLiteral(u"」　を1人だけ選択して下さい。"));
}

}  // namespace

std::variant<LiveAction, md::UserMessage> live_action_for(LiveVerb verb, const LiveSelection& selected,
                                                          const LiveGame& game, qint64 now) {
    LiveAction action(verb);
    action.minute = game.next_minute(now);
    const qsizetype picked = selected.pitch.size();
    switch (verb) {
        case LiveVerb::goal:
            if (picked > 1) {
                return only_one(u"得点者");
            }
            action.members = selected.pitch;
            break;
        case LiveVerb::assist: {
            if (picked != 1) {
                return picked == 0
                           ? input_error(QStringLiteral(u"「アシスト者」　を左のリストから選択して下さい。"))
                           : only_one(u"アシスト者");
            }
            action.event = game.latest_scoring_event();
            const auto& events = game.page().events();
            if (action.event < 0 || events[static_cast<size_t>(action.event)].kind != md::EventKind::Goal) {
                return input_error(QStringLiteral(u"「アシスト」　は　「得点」　の後に選択して下さい。"));
            }
            action.members = selected.pitch;
            break;
        }
        case LiveVerb::substitution:
            if (picked != 1 || selected.bench.size() != 1) {
                return input_error(QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
            }
            action.members = {selected.pitch[0], selected.bench[0]};
            break;
        case LiveVerb::caution:
        case LiveVerb::sending_off:
            if (picked != 1) {
                return picked == 0
                           ? input_error(QStringLiteral(u"「対象者」　を左のリストから選択して下さい。"))
                           : only_one(u"対象者");
            }
            action.members = selected.pitch;
            break;
        case LiveVerb::position_change:
            if (picked != 2) {
                return input_error(
                    QStringLiteral(u"「メンバー１」　か　「メンバー２」　を左のリストから選択して下さい。"));
            }
            action.members = selected.pitch;
            break;
        default:
            break;
    }
    return action;
}

std::variant<LiveAction, md::UserMessage> live_kick_for(bool own, bool scored,
                                                        const LiveSelection& selected) {
    LiveAction action(LiveVerb::kick);
    action.own = own;
    action.scored = scored;
    if (own) {
        if (selected.pitch.size() != 1) {
            return input_error(QStringLiteral(u"左のリストからメンバーを選択して下さい。"));
        }
        action.members = selected.pitch;
    }
    return action;
}

}  // namespace kl
