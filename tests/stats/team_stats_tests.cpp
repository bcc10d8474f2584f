#include "stats/team_stats.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

TeamStats stats_of(std::initializer_list<GameBuilder> games, const StatsFilter& filter = {}) {
    QStringList lines;
    for (const GameBuilder& game : games) {
        lines.append(game.line());
    }
    return compute_team_stats(lines, filter);
}

const PlayerLine& line_of(const TeamStats& stats, const QString& name) {
    for (const PlayerLine& line : stats.players) {
        if (line.name == name) {
            return line;
        }
    }
    static const PlayerLine none;
    ADD_FAILURE() << "no line for " << name.toStdString();
    return none;
}

TEST(TeamStats, NoChosenGameGivesNoRowsAndZeros) {
    const TeamStats stats = stats_of({GameBuilder()}, {false, {}, {}, true, QStringLiteral(u"他の大会")});
    EXPECT_TRUE(stats.players.empty());
    EXPECT_EQ(team_totals_line(stats.totals),
              QStringLiteral(u"全 0 試合 (0 分)  0 勝 0 敗 0 分  0 得点 0 アシスト 0 失点"));
}

TEST(TeamStats, AShootOutDecidesTheResultButAddsNoGoals) {
    GameBuilder game;
    game.with_shoot_out().goal(10, QStringLiteral(u"S9"), QStringLiteral(u"S10")).conceded(50);
    const QString one = QStringLiteral(u"1");
    const QString zero = QStringLiteral(u"0");
    QStringList kicks;
    for (int round = 0; round < 4; ++round) {
        kicks += {one, QStringLiteral(u"S11"), round == 3 ? zero : one};
    }
    game.add(md::compose_shoot_out(true, kicks));
    const TeamStats stats = stats_of({game});
    EXPECT_EQ(team_totals_line(stats.totals),
              QStringLiteral(u"全 1 試合 (90 分)  1 勝 0 敗 0 分  1 得点 1 アシスト 1 失点"));
    EXPECT_EQ(line_of(stats, QStringLiteral(u"S9")).goals, 1);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"S10")).assists, 1);
    EXPECT_EQ(stats.players.size(), 14u);  // eleven starters and three reserves
    EXPECT_EQ(stats.players[11].name, QStringLiteral(u"R1"));
}

TEST(TeamStats, ASilverGoalShortensExtraTimeWithHalvesRoundedToEven) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"シルバーゴール方式"), 15);
    game.goal(95, QStringLiteral(u"S10"), {}, QStringLiteral(u"シルバーゴール"));
    const TeamStats stats = stats_of({game, GameBuilder()});
    EXPECT_DOUBLE_EQ(stats.totals.minutes, 97.5 + 90);
    EXPECT_TRUE(team_totals_line(stats.totals).startsWith(QStringLiteral(u"全 2 試合 (187.5 分)")));
    EXPECT_EQ(line_of(stats, QStringLiteral(u"S1")).minutes, 98 + 90);
}

TEST(TeamStats, AGoldenGoalEndsTheGameAtItsMinute) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 20);
    game.substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"));
    game.goal(97, QStringLiteral(u"R1"), {}, QStringLiteral(u"ゴールデンゴール"));
    const TeamStats stats = stats_of({game});
    EXPECT_DOUBLE_EQ(stats.totals.minutes, 97);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"R1")).minutes, 37);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"S11")).minutes, 60);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"S1")).minutes, 97);
    // Extra time counts when the meeting has it, whether or not it was played.
    EXPECT_EQ(line_of(stats_of({GameBuilder().with_extra_time(QStringLiteral(u"前・後半"), 20)}),
                      QStringLiteral(u"S1"))
                  .minutes,
              110);
}

TEST(TeamStats, SendingsOffCountOnceAndEndTheMinutes) {
    GameBuilder game;
    game.card(20, QStringLiteral(u"警告"), QStringLiteral(u"S3"))
        .card(30, QStringLiteral(u"警告（退場）"), QStringLiteral(u"S3"))
        .substitution(70, QStringLiteral(u"SH"), QStringLiteral(u"R2"), QStringLiteral(u"S8"))
        .card(85, QStringLiteral(u"退場"), QStringLiteral(u"R2"))
        .card(88, QStringLiteral(u"警告"), QStringLiteral(u"R3"));
    const TeamStats stats = stats_of({game});
    const PlayerLine& starter = line_of(stats, QStringLiteral(u"S3"));
    EXPECT_EQ(starter.minutes, 30);
    EXPECT_EQ(starter.cautions, 1);
    EXPECT_EQ(starter.sendings_off, 1);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"R2")).minutes, 15);
    // A reserve who never came on still gets the caution in the team list.
    EXPECT_EQ(line_of(stats, QStringLiteral(u"R3")).cautions, 1);
    EXPECT_EQ(line_of(stats, QStringLiteral(u"R3")).minutes, 0);
}

TEST(TeamStats, AnOwnGoalCountsForTheTeamOnly) {
    GameBuilder game;
    game.add(md::compose_goal(QStringLiteral(u"40"), {}, QStringLiteral(u"オウンゴール"),
                              test::finish_detail(), {}, {}));
    const TeamStats stats = stats_of({game});
    EXPECT_EQ(stats.totals.goals, 1);
    for (const PlayerLine& line : stats.players) {
        EXPECT_EQ(line.goals, 0);
    }
}

}  // namespace
}  // namespace kl
