#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>

namespace kl {

// --- ライブ入力: the match clock and the minutes it gives events ---

// Milliseconds of the wall clock (which runs on while a laptop sleeps, as the game does); tests
// hand in a clock of their own.
using TimeSource = std::function<qint64()>;
TimeSource wall_clock();

// The periods of a live game, in the order they are played; finished once the game is over (or
// between the end of regular time and extra time or the shoot-out).
enum class LivePeriod { first_half, second_half, extra_first_half, extra_second_half, shoot_out, finished };
inline constexpr int timed_period_count = 4;

// lb_live_period: "前半", "後半", "延長前半", "延長後半", "PK戦", "試合終了".
QString period_caption(LivePeriod period);
// cm_live_period_end: "前半終了" and so on; empty outside the four timed periods.
QString period_end_caption(LivePeriod period);
bool is_timed(LivePeriod period);

// Minutes as football counts them (an event at 12:34 is in minute 13), or regular time in elapsed
// minutes from 0 (12:34 is minute 12, five minutes into the second half of a 50-minute game is 30).
// Extra time always begins at G + 1: a stored extra-time minute is above the game time.
enum class MinuteCounting { football, elapsed };

struct MinuteRange {
    int first = 0;
    int last = 0;
};

// The minutes an event of a timed period may have, G and E the meeting's game and extra time. The
// halves split at G/2 and E/2 (an odd length gives its half minute to the second half); stoppage
// time is the half's last minute, as on a paper sheet.
MinuteRange period_minutes(LivePeriod period, int game_minutes, int extra_minutes, MinuteCounting counting);

// The minute the clock gives an event elapsed_ms into a timed period, capped at its last minute.
int clock_minute(const MinuteRange& range, qint64 elapsed_ms);

// "mm:ss" of a clock reading (minutes beyond 99 keep their digits).
QString clock_text(qint64 elapsed_ms);

// The match clock: the current period, the time each timed period has run, and whether it runs.
class LiveClock {
  public:
    LivePeriod period() const { return period_; }
    bool running() const { return running_since_.has_value(); }
    // Whether the current period has begun (キックオフ was pressed): after a pause it is 再開.
    bool started() const;
    // The current period's time at now (its own time for a period without a clock).
    qint64 elapsed(qint64 now) const;
    qint64 elapsed_of(LivePeriod period, qint64 now) const;
    // All timed periods together: the game time played at now.
    qint64 game_time(qint64 now) const;

    // キックオフ / 再開 and 一時停止; false when the clock was already so.
    bool start(qint64 now);
    bool pause(qint64 now);
    // The end of the current period: the clock stops and the next period waits for its kick-off.
    void move_to(LivePeriod next, qint64 now);
    // The current period's time set (a game taken up again after the program stopped), paused.
    void set_paused_at(qint64 elapsed_ms);

  private:
    LivePeriod period_ = LivePeriod::first_half;
    std::array<qint64, timed_period_count> elapsed_ms_{};
    std::array<bool, timed_period_count> started_{};
    std::optional<qint64> running_since_;
};

}  // namespace kl
