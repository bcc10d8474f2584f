#pragma once

#include "stats/results_trend.h"
#include "stats/season_charts.h"

#include <QString>

class QChart;

namespace kl {

// The charts of the chart view, each drawn from a computed season into an empty chart. A chart view
// shows the empty chart first, so that QtCharts lays the chart out once, at its size, when the
// series and axes are in. Texts are Japanese; names and opponents as stored.

// 試合結果の推移: a bar per game, month or season of the trend, goals for up and against down,
// coloured by the result of their game, with the points won so far on a second axis; hovering a bar
// shows its game, or its games' results.
void results_chart(QChart* chart, const ResultsTrend& trend, const std::vector<GameBar>& games);
// 得点・アシスト: goals and assists stacked per member, the top scorer on top.
void scorers_chart(QChart* chart, const std::vector<SquadLine>& squad);
// 出場時間: each member's minutes as a share of the minutes possible, the most on top.
void minutes_chart(QChart* chart, const std::vector<SquadLine>& squad, double possible);
// 得点の時間帯: goals for and against per band of minutes.
void time_bands_chart(QChart* chart, const TimeBands& bands);
// One of the three small charts of 得点の形.
void goal_shape_chart(QChart* chart, const QString& title, const LabelledCounts& counted);

}  // namespace kl
