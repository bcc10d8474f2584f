#pragma once

#include "stats/season_charts.h"

#include <QString>

class QChart;

namespace kl {

// The charts of the chart view, each built afresh from a computed season; the caller's chart view
// takes the chart over. Texts are Japanese; names and opponents as stored.

// 試合結果の推移: a bar per game, goals for up and against down, coloured by the result, with the
// points won so far on a second axis; hovering a bar shows the game.
QChart* results_chart(const std::vector<GameBar>& games);
// 得点・アシスト: goals and assists stacked per member, the top scorer on top.
QChart* scorers_chart(const std::vector<SquadLine>& squad);
// 出場時間: each member's minutes as a share of the minutes possible, the most on top.
QChart* minutes_chart(const std::vector<SquadLine>& squad, double possible);
// 得点の時間帯: goals for and against per band of minutes.
QChart* time_bands_chart(const TimeBands& bands);
// One of the three small charts of 得点の形.
QChart* goal_shape_chart(const QString& title, const LabelledCounts& counted);

// The texts of a results chart's bars, one per game, for the tooltips.
QStringList results_chart_tips(const std::vector<GameBar>& games);

}  // namespace kl
