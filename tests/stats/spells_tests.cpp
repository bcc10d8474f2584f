// Minutes as the sum of a member's spells on the pitch, when he comes back on after going off, and
// line-up slots without a position, which count nowhere.
#include "stats/player_stats.h"
#include "stats/team_stats.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

int team_minutes(const GameBuilder& game, const QString& member) {
    for (const PlayerLine& line : compute_team_stats({game.line()}, {}).players) {
        if (line.name == member) {
            return line.minutes;
        }
    }
    ADD_FAILURE() << "no line for " << member.toStdString();
    return -1;
}

PositionFigures position_row(const GameBuilder& game, const QString& member, const QString& label) {
    const PersonalStats stats = compute_personal_stats({game.line()}, {}, member);
    const auto& labels = position_row_labels();
    return stats
        .positions[static_cast<size_t>(std::find(labels.begin(), labels.end(), label) - labels.begin())];
}

// A 50-minute eight-a-side game: S10 (CF) goes off at 20 and comes back on at 35; S8 (SH) goes off
// at 10, is cautioned on the bench and comes back on at 30 as a CB.
GameBuilder game_with_reentries() {
    GameBuilder game;
    game.eight_a_side();
    game.game_time = QStringLiteral(u"50");
    game.substitution(10, QStringLiteral(u"SH"), QStringLiteral(u"R2"), QStringLiteral(u"S8"))
        .substitution(20, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"))
        .card(25, QStringLiteral(u"警告"), QStringLiteral(u"S8"))
        .substitution(30, QStringLiteral(u"CB"), QStringLiteral(u"S8"), QStringLiteral(u"S5"))
        .substitution(35, QStringLiteral(u"CF"), QStringLiteral(u"S10"), QStringLiteral(u"R1"))
        .goal(40, QStringLiteral(u"S10"));
    return game;
}

TEST(Spells, TeamMinutesAddUpEverySpell) {
    const GameBuilder game = game_with_reentries();
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"S10")), 20 + 15);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"S8")), 10 + 20);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"R1")), 15);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"R2")), 40);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"S5")), 30);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"S1")), 50);
    EXPECT_DOUBLE_EQ(compute_team_stats({game.line()}, {}).totals.minutes, 50);
}

TEST(Spells, PersonalMinutesGoToThePositionsOfEachSpell) {
    const GameBuilder game = game_with_reentries();
    EXPECT_EQ(position_row(game, QStringLiteral(u"S10"), QStringLiteral(u"CF")).minutes, 35);
    EXPECT_EQ(position_row(game, QStringLiteral(u"S10"), QStringLiteral(u"CF")).goals, 1);
    EXPECT_EQ(position_row(game, QStringLiteral(u"S8"), QStringLiteral(u"SH")).minutes, 10);
    EXPECT_EQ(position_row(game, QStringLiteral(u"S8"), QStringLiteral(u"CB")).minutes, 20);
    EXPECT_EQ(position_row(game, QStringLiteral(u"S8"), QStringLiteral(u"合計")).minutes, 30);
    // Named while off the pitch, between his spells: counted nowhere.
    EXPECT_EQ(position_row(game, QStringLiteral(u"S8"), QStringLiteral(u"合計")).cautions, 0);
    EXPECT_EQ(position_row(game, QStringLiteral(u"R1"), QStringLiteral(u"CF")).minutes, 15);
}

TEST(Spells, AGoldenGoalCutsTheSpellStillOnThePitch) {
    GameBuilder game;
    game.eight_a_side();
    game.with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 10);
    game.substitution(10, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"))
        .substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"S11"), QStringLiteral(u"R1"))
        .goal(43, QStringLiteral(u"S11"), {}, QStringLiteral(u"ゴールデンゴール"));
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"S11")), 10 + 13);
    EXPECT_EQ(position_row(game, QStringLiteral(u"S11"), QStringLiteral(u"CF")).minutes, 23);
    EXPECT_EQ(team_minutes(game, QStringLiteral(u"R1")), 20);
}

TEST(UnusedSlots, CountNowhere) {
    GameBuilder game;
    game.eight_a_side();
    game.starters[2] = QStringLiteral(u"X");  // a name in a slot without a position
    const TeamStats stats = compute_team_stats({game.line()}, {});
    ASSERT_EQ(stats.players.size(), 8u + 3u);
    for (const PlayerLine& line : stats.players) {
        EXPECT_NE(line.name, QStringLiteral(u"X"));
        EXPECT_EQ(line.minutes, line.name.startsWith(u'R') ? 0 : 40) << line.name.toStdString();
    }
    EXPECT_EQ(position_row(game, QStringLiteral(u"X"), QStringLiteral(u"合計")).minutes, 0);
}

}  // namespace
}  // namespace kl
