#pragma once

#include "store/game_record.h"

#include <QString>
#include <array>
#include <vector>

namespace kl {

// A member who held a starting slot, and the minutes played there.
struct SlotHolder {
    QString name;
    int minutes = 0;
};

// One starting slot in use and its holders in order (none for a slot without starter).
struct StartingSlot {
    QString position;
    std::vector<SlotHolder> holders;
};

// Goals by period: index 0 total, 1 first half, 2 second half, 3 extra first half, 4 extra second
// half, 5 the shoot-out.
using PeriodGoals = std::array<int, 6>;

// What the detail sheet and its copy text show of one game, computed once for both.
struct GameAnalysis {
    PeriodGoals own{};
    PeriodGoals opponent{};
    bool ended_in_first_extra_half = false;  // a golden or silver goal in the first half of extra time
    int game_length = 0;                     // minutes played by a member on the pitch throughout
    int substitutions = 0;
    std::vector<StartingSlot> starting_slots;  // the slots in use, in line-up order
};

GameAnalysis analyse_game(const md::GameRecord& game);

// The header line: date, time, ground, meeting and the game's rules.
QString game_header_line(const md::GameRecord& game);

// " （body , area , action）".
QString detail_group(const md::GoalDetail& detail);
// The side of a goal as the sheet names it: "[side]", or "[side] - [mark]" for a golden or silver goal.
QString side_with_mark(const QString& side, const md::GameEvent& event);
// "右足・中央（エリア内）・被アシスト": the details given, or nothing when none was recorded.
QString detail_words(const md::GoalDetail& detail);

}  // namespace kl
