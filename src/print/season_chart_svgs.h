#pragma once

#include "stats/season_charts.h"

#include <QByteArray>

namespace kl {

// The chart view's charts for the web pages, drawn afresh as SVG from the same figures (the view's
// own charts need the windows' chart library): 0 results by game, 1 goals and assists, 2 minutes,
// 3 time bands, 4 the shapes of the goals, in the order of site_charts().
QByteArray season_chart_svg(int chart, const SeasonCharts& charts);

}  // namespace kl
