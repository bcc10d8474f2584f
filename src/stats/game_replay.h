#pragma once

#include "store/game_record.h"

#include <vector>

namespace kl {

// The times of a game that decide its minutes: game time G, extra time E, and whether the meeting
// had extra time (counted whenever it had, played or not).
struct GameClock {
    double game = 0;
    double extra = 0;
    bool has_extra = false;

    static GameClock of(const md::RecordView& game);
    // G, plus E when the meeting had extra time.
    double full_length() const { return game + (has_extra ? extra : 0); }
    // What the game's extra-time goals change in the minutes of the full game, in event order: a
    // golden goal ends the game at its minute; a silver goal in the first extra half ends it at that
    // half's end.
    std::vector<double> extra_time_cuts(const md::RecordView& record) const;
    // Whether an event at minute t lies in regular time: every minute of a game without extra time,
    // and minutes up to G in one with it.
    bool in_regular_time(double t) const { return !has_extra || t <= game; }
};

// A member's minutes after adding t, rounded half to even as every update of a member's minutes is.
int minutes_plus(int minutes, double t);

enum class GameResult { win, draw, loss };

// How a result came about: in regular time (where every draw counts too), in extra time (a golden
// or silver goal included) or on penalties.
enum class Decision { regular_time, extra_time, shoot_out };

// One game's goals and shoot-out kicks, which decide its result.
struct GameScore {
    int goals_for = 0;
    int conceded = 0;
    int regular_for = 0;  // of goals_for, those in regular time
    int regular_conceded = 0;
    int own_kicks = 0;  // scored kicks of the shoot-out
    int opponent_kicks = 0;

    // The kicks count with the goals, so a game decided on penalties is won or lost; the kicks
    // themselves are no goals.
    GameResult result() const;
    Decision decision() const;
};

// What one replayed game came to: its score and its length in the team's minutes (extra time
// shortened by a golden or silver goal).
struct GameOutcome {
    GameScore score;
    double minutes = 0;
};

}  // namespace kl
