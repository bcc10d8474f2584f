#include "stats/results_trend.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

// A game on date with its score; the points follow the games as listed.
struct Played {
    const char16_t* date;
    int goals_for;
    int conceded;
};

std::vector<GameBar> season(std::initializer_list<Played> played) {
    std::vector<GameBar> games;
    int points = 0;
    for (const Played& game : played) {
        GameBar bar;
        bar.date = QString::fromUtf16(game.date);
        bar.start_time = QStringLiteral(u"10:00");
        bar.score.goals_for = game.goals_for;
        bar.score.conceded = game.conceded;
        points += points_of(bar.score.result());
        bar.points_after = points;
        games.push_back(bar);
    }
    return games;
}

const std::vector<GameBar> two_seasons = season({{u"2023/04/01", 2, 1},
                                                 {u"2023/04/01", 0, 0},
                                                 {u"2023/04/15", 0, 3},
                                                 {u"2023/05/06", 1, 0},
                                                 {u"2024/04/06", 4, 4},
                                                 {u"2024/06/01", 1, 2}});

TEST(ResultsTrend, EachGameIsABarWhileTheGamesFit) {
    const ResultsTrend trend = results_trend(two_seasons, 6);
    EXPECT_EQ(trend.step, TrendStep::game);
    ASSERT_EQ(trend.bars.size(), 6u);
    // Two games at the same hour are still two bars.
    EXPECT_EQ(trend.bars[1].first_game, 1);
    EXPECT_EQ(trend.bars[1].results, (std::array<int, 3>{0, 1, 0}));
    EXPECT_EQ(trend.bars[2].conceded, (std::array<int, 3>{0, 0, 3}));
    EXPECT_EQ(trend.bars[5].points_after, 8);
    EXPECT_TRUE(results_trend({}, 0).bars.empty());
}

TEST(ResultsTrend, MonthsThenSeasonsKeepEveryFigure) {
    const ResultsTrend months = results_trend(two_seasons, 5);
    EXPECT_EQ(months.step, TrendStep::month);
    ASSERT_EQ(months.bars.size(), 4u);
    const TrendBar& april = months.bars[0];
    EXPECT_EQ(april.games, 3);
    EXPECT_EQ(april.results, (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(april.goals_for, (std::array<int, 3>{2, 0, 0}));
    EXPECT_EQ(april.conceded, (std::array<int, 3>{1, 0, 3}));
    EXPECT_EQ(april.points_after, 4);
    EXPECT_EQ(months.bars[1].first_game, 3);

    // Seasons, even where they are more than the bars asked for.
    for (const int most : {3, 1}) {
        const ResultsTrend seasons = results_trend(two_seasons, most);
        EXPECT_EQ(seasons.step, TrendStep::season);
        ASSERT_EQ(seasons.bars.size(), 2u);
        EXPECT_EQ(seasons.bars[1].games, 2);
        EXPECT_EQ(seasons.bars[1].goals_for, (std::array<int, 3>{0, 4, 1}));
        EXPECT_EQ(seasons.bars[1].points_after, 8);
    }
    EXPECT_EQ(trend_key(two_seasons[3], TrendStep::month), QStringLiteral(u"2023/05"));
    EXPECT_EQ(trend_key(two_seasons[3], TrendStep::season), QStringLiteral(u"2023"));
}

}  // namespace
}  // namespace kl
