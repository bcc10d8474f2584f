#pragma once

#include "stats/season_charts.h"
#include "stats/stats_filter.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kl {

// The squad table's columns: 名前, 出場, 先発, 途中出場, 出場時間, 出場率, 得点, アシスト, 警告, 退場, 失点,
// 無失点.
enum SquadColumn : int {
    squad_name,
    squad_games,
    squad_starts,
    squad_came_on,
    squad_minutes,
    squad_share,
    squad_goals,
    squad_assists,
    squad_cautions,
    squad_sendings_off,
    squad_conceded,
    squad_clean_sheets,
    squad_column_count
};
using SquadRow = std::array<QString, squad_column_count>;
const SquadRow& squad_headers();
// The cells of a member's row; 失点 and 無失点 stay empty for a member who never kept goal.
SquadRow squad_row(const SquadLine& line);
// The number a column sorts by; nothing for the name and for an empty cell.
std::optional<double> squad_value(const SquadLine& line, int column);

// A share as a whole percentage, rounded half to even: "87%".
QString percent_text(double share);

// "勝", "分" or "敗".
QString result_text(GameResult result);
// The score of a game as the game list writes it: "3-1", "2-2 (PK 4-3)".
QString game_bar_score(const GameBar& game);
// A game's bar tooltip: date and start time, opponent, score and result, one per line.
QString game_bar_tooltip(const GameBar& game);

// What the chart view writes under the squad table: "警告の累積：なし", or the heading and one line
// per member and meeting, "春季リーグ　田中 陽向　2回（2024/04/13, 2024/05/03）".
QString caution_summary(const std::vector<CautionRun>& runs);

// The chart view's text for scripts and the clipboard: tab-separated blocks, each a title line, a
// header line and its rows, ended by an empty line; lines end with CR LF. The first block is the
// results by decision, the last the filter of the computation.
QString season_copy_text(const SeasonCharts& charts, const FilterTexts& filter);

}  // namespace kl
