#pragma once

#include "season_charts.h"

#include <QString>
#include <array>
#include <vector>

namespace kl {

// How the results trend shows the chosen games: a bar per game, or a bar for the games of each
// month or each season (a calendar year).
enum class TrendStep { game, month, season };

// A bar of the results trend: its games (one after the other in SeasonCharts::games), how many
// were won, drawn and lost, their goals for and against by the result of their game, and the
// points of every game up to its last.
struct TrendBar {
    int first_game = 0;
    int games = 0;
    std::array<int, 3> results{};  // indexed by GameResult
    std::array<int, 3> goals_for{};
    std::array<int, 3> conceded{};
    int points_after = 0;
};

struct ResultsTrend {
    TrendStep step = TrendStep::game;
    std::vector<TrendBar> bars;
};

// The games (in date order) as bars: one per game while no more than most_bars, else one per month
// while those fit, else one per season however many seasons there are.
ResultsTrend results_trend(const std::vector<GameBar>& games, int most_bars);

// What a step groups games by: the whole date for a game, "yyyy/MM" for a month, "yyyy" for a
// season.
QString trend_key(const GameBar& game, TrendStep step);

}  // namespace kl
