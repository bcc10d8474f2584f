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
};

// A member's minutes after adding t, rounded half to even as every update of a member's minutes is.
int minutes_plus(int minutes, double t);

}  // namespace kl
