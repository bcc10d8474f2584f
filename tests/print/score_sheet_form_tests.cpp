#include "reports/score_sheet_form.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

TEST(ScoreSheetForm, AStoredGameFillsEveryBoxOfTheForm) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"前・後半"), 20).with_shoot_out();
    game.goal(12, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
        .card(20, QStringLiteral(u"警告"), QStringLiteral(u"S6"))
        .substitution(46, QStringLiteral(u"CH"), QStringLiteral(u"R2"), QStringLiteral(u"S6"))
        .conceded(70)
        .add(md::compose_shoot_out(
            false, {QStringLiteral(u"1"), QStringLiteral(u"1"), QStringLiteral(u"S11"), QStringLiteral(u"0"),
                    QStringLiteral(u"0"), QStringLiteral(u"S10")}));
    const ScoreSheetForm form = filled_score_sheet(game.record(), QStringLiteral(u"テストFC"));
    EXPECT_EQ(form.team_name, QStringLiteral(u"テストFC"));
    EXPECT_EQ(form.opponent, QStringLiteral(u"青葉FC"));
    EXPECT_EQ(form.date, QStringLiteral(u"2006/04/01"));
    EXPECT_EQ(form.formation, QStringLiteral(u"4-4-2"));
    // 前半, 後半, 延長前半, 延長後半, PK, 合計
    EXPECT_EQ(form.own_goals,
              (std::array<QString, 6>{QStringLiteral(u"1"), QStringLiteral(u"0"), QStringLiteral(u"0"),
                                      QStringLiteral(u"0"), QStringLiteral(u"1"), QStringLiteral(u"1")}));
    EXPECT_EQ(form.opponent_goals[1], QStringLiteral(u"1"));
    EXPECT_EQ(form.opponent_goals[4], QStringLiteral(u"1"));
    EXPECT_EQ(form.starters[5].name, QStringLiteral(u"S6"));
    EXPECT_EQ(form.starters[5].minutes, QStringLiteral(u"46"));
    EXPECT_EQ(form.starters[0].minutes, QStringLiteral(u"110"));
    EXPECT_EQ(form.reserves[1].name, QStringLiteral(u"R2"));
    EXPECT_EQ(form.reserves[1].position, QStringLiteral(u"CH"));
    EXPECT_EQ(form.reserves[1].minutes, QStringLiteral(u"64"));
    EXPECT_EQ(form.reserves[0].minutes, QString());  // did not come on
    ASSERT_EQ(form.timeline.size(), 4u);
    EXPECT_EQ(form.timeline[0].kind, QStringLiteral(u"得点"));
    EXPECT_EQ(form.timeline[0].partner, QStringLiteral(u"S9"));
    EXPECT_EQ(form.timeline[0].note, QStringLiteral(u"右足・中央（エリア内）・被アシスト"));
    EXPECT_EQ(form.timeline[2].player, QStringLiteral(u"R2"));
    EXPECT_EQ(form.timeline[2].partner, QStringLiteral(u"S6"));
    EXPECT_EQ(form.timeline[3].note,
              QStringLiteral(u"足・中央（エリア外）・ドリブル突破 ← 足・左サイド・ショートパス"));
    // The opponent kicked first: rounds pair each side's kicks.
    EXPECT_EQ(form.kicks_first, QStringLiteral(u"後攻"));
    ASSERT_EQ(form.rounds.size(), 2u);
    EXPECT_EQ(form.rounds[0].opponent, QStringLiteral(u"○"));
    EXPECT_EQ(form.rounds[0].own, QStringLiteral(u"○"));
    EXPECT_EQ(form.rounds[0].kicker, QStringLiteral(u"S11"));
    EXPECT_EQ(form.rounds[1].own, QStringLiteral(u"×"));
}

TEST(ScoreSheetForm, AnEightASideGameFillsEightRowsAndAddsUpEverySpell) {
    GameBuilder game;
    game.eight_a_side();
    game.substitution(10, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"))
        .substitution(25, QStringLiteral(u"CF"), QStringLiteral(u"S11"), QStringLiteral(u"R1"))
        .substitution(30, QStringLiteral(u"GK"), QStringLiteral(u"R1"), QStringLiteral(u"S1"));
    const ScoreSheetForm form = filled_score_sheet(game.record(), QStringLiteral(u"テストFC"));
    EXPECT_EQ(form.starters[0].name, QStringLiteral(u"S1"));
    EXPECT_EQ(form.starters[0].minutes, QStringLiteral(u"30"));
    EXPECT_EQ(form.starters[7].name, QStringLiteral(u"S11"));
    EXPECT_EQ(form.starters[7].minutes, QStringLiteral(u"25"));  // 10 + 15 after coming back
    for (const size_t unused : {8u, 9u, 10u}) {
        EXPECT_EQ(form.starters[unused].name, QString());
    }
    EXPECT_EQ(form.reserves[0].position, QStringLiteral(u"CF"));  // where R1 first came on
    EXPECT_EQ(form.reserves[0].minutes, QStringLiteral(u"25"));   // 15 at CF, 10 in goal
}

TEST(ScoreSheetForm, TheSampleIsTheGameWithTheMostEvents) {
    GameBuilder quiet;
    GameBuilder busy;
    busy.opponent = QStringLiteral(u"赤坂SC");
    busy.goal(1, QStringLiteral(u"S9")).goal(2, QStringLiteral(u"S9"));
    GameBuilder also_busy;
    also_busy.goal(1, QStringLiteral(u"S9")).goal(2, QStringLiteral(u"S9"));
    const std::optional<md::GameRecord> sample = sample_game({quiet.line(), busy.line(), also_busy.line()});
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->opponent(), QStringLiteral(u"赤坂SC"));
    EXPECT_FALSE(sample_game({}).has_value());
}

}  // namespace
}  // namespace kl
