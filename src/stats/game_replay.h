#pragma once

#include "store/game_record.h"

#include <functional>

namespace kl {

// The times of a game that decide its minutes: game time G, extra time E, and whether the meeting
// had extra time (counted whenever it had, played or not).
struct GameClock {
    double game = 0;
    double extra = 0;
    bool has_extra = false;

    static GameClock of(const md::GameRecord& game);
    // G, plus E when the meeting had extra time.
    double full_length() const { return game + (has_extra ? extra : 0); }
    // The minutes after an extra-time goal: a golden goal ends the game at its minute; a silver goal
    // in the first extra half ends it at that half's end. Other events change nothing.
    double after_extra_time_goal(double minutes, const md::GameEvent& event) const;
};

// Applies update to a member's minutes, rounding the result half to even as every member update is.
int updated_minutes(int minutes, const std::function<double(double)>& update);

}  // namespace kl
