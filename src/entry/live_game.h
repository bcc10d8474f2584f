#pragma once

#include "event_page.h"
#include "live_clock.h"
#include "store/master_lists.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

namespace kl {

// --- ライブ入力: a game recorded at the pitch side ---

// What a live game is set up from: the team file it is stored in, pages 1 and 2 (event_fields
// 0-42), and the options in force when it began.
struct LiveGameSetup {
    QString team_file;
    QStringList fixed_fields;
    bool small_sided_games = false;
    MinuteCounting counting = MinuteCounting::football;
};

// One user action of the live window. Events carry the minute they get; members are named.
enum class LiveVerb {
    kick_off,         // キックオフ / 再開
    pause,            // 一時停止
    period_end,       // 前半終了 and so on
    clock_set,        // the clock of a game taken up again, paused (clock_ms)
    goal,             // 得点: members = {scorer}, the scorer may be left for later (empty)
    assist,           // アシスト: members = {assister}, of goal `event`
    detail,           // one detail of event `event`: panel, group, option
    conceded,         // 失点
    substitution,     // 交代: members = {out, in}
    caution,          // 警告: members = {member}
    sending_off,      // 退場: members = {member}
    position_change,  // ポジション変更: members = {member 1, member 2}
    extra_time,       // 延長戦
    shoot_out,        // PK戦
    kick_order,       // 先攻 (own) or 後攻
    kick,             // a kick: own or opponent, scored or missed; members = {kicker} for an own kick
    shoot_out_reset,  // 初期化
    undo,             // 1つ戻す
    finish,           // 試合終了
};

struct LiveAction {
    explicit LiveAction(LiveVerb what = LiveVerb::undo) : verb(what) {}

    LiveVerb verb;
    int minute = 0;
    QStringList members;
    int event = -1;
    DetailPanel panel = DetailPanel::finish;
    int group = 0;
    int option = 0;
    bool own = false;
    bool scored = false;
    qint64 clock_ms = 0;
};

// An action at the wall-clock time it was taken: what the journal keeps.
struct TimedAction {
    qint64 time = 0;
    LiveAction action;
};

// A live game: page 3's state (an EventPage, entered through its own operations, so every rule of
// page 3 holds and the game ends as an ordinary page 3), the match clock, the minute of the next
// event and when each event happened on the clock. Every change is one action, so a journal of the
// actions replays into the same game.
class LiveGame {
  public:
    LiveGame(LiveGameSetup setup, std::vector<md::Formation> formations);

    const LiveGameSetup& setup() const { return setup_; }
    const EventPage& page() const { return page_; }
    const LiveClock& clock() const { return clock_; }
    LivePeriod period() const { return clock_.period(); }
    // 試合終了 shown: after the last period, a golden goal or a decided shoot-out.
    LivePeriod shown_period() const;
    bool finished() const { return finished_; }

    // Applies an action at its time; the refusal to show (the game unchanged), or nothing.
    std::optional<md::UserMessage> apply(const TimedAction& timed);

    // The minute the next event gets at now: the clock's minute, or one the scorer typed.
    int next_minute(qint64 now) const;
    QString minute_text(qint64 now) const;
    // tx_live_minute typed: digits, for the next event only; empty follows the clock again.
    void type_minute(const QString& text);
    bool minute_typed() const { return typed_minute_.has_value(); }
    // The range the next event's minute must be in: the period's minutes from the last event on.
    MinuteRange allowed_minutes() const;

    // Which controls the live window offers now.
    bool takes_events() const;
    bool can_end_period() const { return is_timed(period()) && !game_decided(); }
    bool can_go_to_extra_time() const;
    bool can_go_to_shoot_out() const;
    bool can_undo() const;
    // The goal or conceded goal whose details the window offers (the latest), or -1.
    int latest_scoring_event() const;

    // When each event happened, in game time (ms on the clock over all periods), by event.
    const std::vector<qint64>& event_game_times() const { return event_game_times_; }
    // The paused clock a game taken up again at now shows: a clock that ran when the program
    // stopped ran on with the game, though not past the period's end.
    qint64 resumed_clock_ms(qint64 now) const;

  private:
    std::optional<md::UserMessage> apply_event(const TimedAction& timed);
    std::optional<md::UserMessage> enter_event(const LiveAction& action);
    std::optional<md::UserMessage> apply_period_change(const TimedAction& timed);
    std::optional<md::UserMessage> apply_shoot_out(const LiveAction& action);
    std::optional<md::UserMessage> undo();
    void take_back_last_kick();
    int row_of(const QString& member) const;
    bool game_decided() const;
    // The timed period whose minutes the game is in: after 後半終了, the second half.
    LivePeriod minute_period() const;
    // Keeps page 3's period with the live one where taking an event back moved it.
    void follow_period();
    std::optional<md::UserMessage> refused_minute(int minute) const;

    LiveGameSetup setup_;
    EventPage page_;
    LiveClock clock_;
    LivePeriod last_timed_ = LivePeriod::first_half;
    std::optional<QString> typed_minute_;
    std::vector<qint64> event_game_times_;
    qint64 last_action_time_ = 0;
    bool finished_ = false;
};

// The rows selected in the live window's lists, by member.
struct LiveSelection {
    QStringList pitch;
    QStringList bench;
};

// What a button of the live window does with the selected rows and the minute of the next event:
// the action, or the message that refuses it (page 3's where page 3 has one). 得点 takes one pitch
// row or none (the scorer left for later), アシスト one for the latest goal, 交代 one of each list,
// 警告 and 退場 one, ポジション変更 two, an own kick its kicker.
std::variant<LiveAction, md::UserMessage> live_action_for(LiveVerb verb, const LiveSelection& selected,
                                                          const LiveGame& game, qint64 now);
// A kick's ○ or ×: an own kick names its kicker, the one selected pitch row.
std::variant<LiveAction, md::UserMessage> live_kick_for(bool own, bool scored, const LiveSelection& selected);

}  // namespace kl
