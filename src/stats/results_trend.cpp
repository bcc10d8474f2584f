#include "results_trend.h"

namespace kl {
namespace {

// The number of bars a step gives: the games of a month or a season stand together, as the games
// are in date order.
int bar_count(const std::vector<GameBar>& games, TrendStep step) {
    if (step == TrendStep::game) {
        return static_cast<int>(games.size());
    }
    int bars = 0;
    QString last;
    for (const GameBar& game : games) {
        const QString key = trend_key(game, step);
        if (bars == 0 || key != last) {
            ++bars;
            last = key;
        }
    }
    return bars;
}

TrendStep fitting_step(const std::vector<GameBar>& games, int most_bars) {
    for (const TrendStep step : {TrendStep::game, TrendStep::month}) {
        if (bar_count(games, step) <= most_bars) {
            return step;
        }
    }
    return TrendStep::season;
}

}  // namespace

QString trend_key(const GameBar& game, TrendStep step) {
    switch (step) {
        case TrendStep::game:
            return game.date + u' ' + game.start_time;
        case TrendStep::month:
            return game.date.left(7);
        case TrendStep::season:
            return game.date.left(4);
    }
    return {};
}

ResultsTrend results_trend(const std::vector<GameBar>& games, int most_bars) {
    ResultsTrend trend{fitting_step(games, most_bars), {}};
    QString last;
    for (size_t i = 0; i < games.size(); ++i) {
        const GameBar& game = games[i];
        const QString key = trend_key(game, trend.step);
        if (trend.bars.empty() || trend.step == TrendStep::game || key != last) {
            trend.bars.push_back({static_cast<int>(i), 0, {}, {}, {}, 0});
            last = key;
        }
        TrendBar& bar = trend.bars.back();
        const auto result = static_cast<size_t>(game.score.result());
        ++bar.games;
        ++bar.results[result];
        bar.goals_for[result] += game.score.goals_for;
        bar.conceded[result] += game.score.conceded;
        bar.points_after = game.points_after;
    }
    return trend;
}

}  // namespace kl
