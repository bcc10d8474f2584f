#pragma once

#include <QString>
#include <array>
#include <vector>

namespace kl {

// A row of a statistics list: the name or position, then minutes, goals, assists, cautions and
// sendings-off as shown.
using StatsRow = std::array<QString, 6>;

// Rebuilds rows in descending order of the whole numbers in column; rows of equal value keep their
// order, and the minutes column is written again from its number.
void descending_rebuild_sort(std::vector<StatsRow>& rows, int column);

// Ascending by the text of column (UTF-16 code units), equal texts keeping their order: the team
// list's own sorting.
void ascending_text_sort(std::vector<StatsRow>& rows, int column);

// The personal list's fixed order: 合計, CF, WF, OH, SH, CH, DH, CB, SB, SW, GK.
void fixed_position_order(std::vector<StatsRow>& rows);

enum class StatsList { team, personal };

// The rows as a click on the header of column (0-based) orders them: the first column by name (the
// team list) or in the fixed position order (the personal list), any other in descending numbers.
void sort_after_header_click(std::vector<StatsRow>& rows, int column, StatsList list);

}  // namespace kl

#include "player_stats.h"
#include "team_stats.h"

namespace kl {

// The list rows of computed statistics: one per member in order of first appearance, or the eleven
// position rows in their fixed order.
std::vector<StatsRow> team_rows(const TeamStats& stats);
std::vector<StatsRow> personal_rows(const PersonalStats& stats);

}  // namespace kl
