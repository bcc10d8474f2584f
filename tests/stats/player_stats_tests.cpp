#include "stats/player_stats.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

PersonalStats stats_of(const GameBuilder& game, const QString& member) {
    return compute_personal_stats({game.line()}, {}, member);
}

const PositionFigures& row(const PersonalStats& stats, const QString& label) {
    const auto& labels = position_row_labels();
    return stats
        .positions[static_cast<size_t>(std::find(labels.begin(), labels.end(), label) - labels.begin())];
}

TEST(PersonalStats, APositionChangeMovesTheMinutesFromThenOn) {
    GameBuilder game;
    game.add(md::compose_position_change(QStringLiteral(u"30"), QStringLiteral(u"DH"), QStringLiteral(u"S4"),
                                         QStringLiteral(u"CB"), QStringLiteral(u"S6")));
    const PersonalStats stats = stats_of(game, QStringLiteral(u"S4"));
    EXPECT_EQ(row(stats, QStringLiteral(u"CB")).minutes, 30);
    EXPECT_EQ(row(stats, QStringLiteral(u"DH")).minutes, 60);
    EXPECT_EQ(row(stats, QStringLiteral(u"合計")).minutes, 90);
    EXPECT_EQ(row(stats_of(game, QStringLiteral(u"S6")), QStringLiteral(u"CB")).minutes, 60);
}

TEST(PersonalStats, AReserveOnAndSentOffKeepsTheMinutesBetween) {
    GameBuilder game;
    game.substitution(70, QStringLiteral(u"SH"), QStringLiteral(u"R1"), QStringLiteral(u"S8"))
        .card(80, QStringLiteral(u"警告"), QStringLiteral(u"R1"))
        .card(85, QStringLiteral(u"警告（退場）"), QStringLiteral(u"R1"));
    const PersonalStats stats = stats_of(game, QStringLiteral(u"R1"));
    const PositionFigures& side = row(stats, QStringLiteral(u"SH"));
    EXPECT_EQ(side.minutes, 15);
    EXPECT_EQ(side.sendings_off, 1);
    EXPECT_EQ(side.cautions, 1);
    EXPECT_EQ(row(stats, QStringLiteral(u"合計")).minutes, 15);
}

TEST(PersonalStats, GoalsAndAssistsFillTheBreakdowns) {
    GameBuilder game;
    game.add(md::compose_goal(QStringLiteral(u"10"), {}, QStringLiteral(u"S10"),
                              {QStringLiteral(u"右足"), QStringLiteral(u"右サイド"), QStringLiteral(u"PK")},
                              {}, {}));
    game.goal(20, QStringLiteral(u"S9"), QStringLiteral(u"S10"));
    const PersonalStats stats = stats_of(game, QStringLiteral(u"S10"));
    EXPECT_EQ(row(stats, QStringLiteral(u"CF")).goals, 1);
    EXPECT_EQ(row(stats, QStringLiteral(u"CF")).assists, 1);
    EXPECT_EQ(stats.details.goal_body[1], 1);      // 右足
    EXPECT_EQ(stats.details.goal_area[2], 1);      // 右サイド
    EXPECT_EQ(stats.details.goal_action[5], 1);    // PK
    EXPECT_EQ(stats.details.assist_body[0], 1);    // 頭
    EXPECT_EQ(stats.details.assist_action[3], 1);  // CK

    const std::array<QString, 8> boxes = personal_box_texts(stats);
    EXPECT_EQ(boxes[0], QStringLiteral(u"得点数\t\t\t1"));
    // One TAB before each number: the box lines the numbers up at its widest label.
    EXPECT_EQ(boxes[1],
              QStringLiteral(u"部位\r\n\r\n　　頭\t0\r\n　　右足\t1\r\n　　左足\t0\r\n　　その他\t0"));
    EXPECT_EQ(boxes[2],
              QStringLiteral(u"ポジション\r\n\r\n　　中央（エリア内）\t0\r\n　　中央（エリア外）\t0\r\n"
                             u"　　右サイド\t1\r\n　　左サイド\t0\r\n　　その他\t0"));
    EXPECT_EQ(
        boxes[3],
        QStringLiteral(u"アクション\r\n\r\n　　ドリブル突破\t0\r\n　　被アシスト\t0\r\n　　こぼれ球\t0\r\n"
                       u"　　FK\t0\r\n　　CK\t0\r\n　　PK\t1"));
    EXPECT_EQ(boxes[4], QStringLiteral(u"アシスト数\t\t\t1"));
    EXPECT_EQ(boxes[7],
              QStringLiteral(u"アクション\r\n\r\n　　ショートパス\t0\r\n　　ロングパス\t0\r\n　　FK \t0\r\n"
                             u"　　CK \t1\r\n　　PK\t0\r\n　　GK\t0"));
    EXPECT_EQ(personal_copy_text(stats),
              QStringLiteral(u"得点数\t1\r\n\r\n部位\t\tポジション\t\tアクション\r\n\r\n"
                             u"頭\t0\t中央（エリア内）\t0\tドリブル突破\t0\r\n"
                             u"右足\t1\t中央（エリア外）\t0\t被アシスト\t0\r\n"
                             u"左足\t0\t右サイド\t1\tこぼれ球\t0\r\n"
                             u"その他\t0\t左サイド\t0\tFK\t0\r\n"
                             u"\t\tその他\t0\tCK\t0\r\n"
                             u"\t\t\t\tPK\t1\r\n\r\n"
                             u"アシスト数\t1\r\n\r\n部位\t\tポジション\t\tアクション\r\n\r\n"
                             u"頭\t1\t中央（エリア内）\t0\tショートパス\t0\r\n"
                             u"右足\t0\t中央（エリア外）\t0\tロングパス\t0\r\n"
                             u"左足\t0\t右サイド\t1\tFK\t0\r\n"
                             u"その他\t0\t左サイド\t0\tCK\t1\r\n"
                             u"\t\tその他\t0\tPK\t0\r\n"
                             u"\t\t\t\tGK\t0\r\n\r\n"));
}

TEST(PersonalStats, NothingCountsAfterGoingOffOrBeforeComingOn) {
    GameBuilder game;
    game.card(10, QStringLiteral(u"警告"), QStringLiteral(u"R1"))  // on the bench: counts nowhere
        .substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"))
        .goal(70, QStringLiteral(u"S10"));  // a later event naming the member who went off
    const PersonalStats gone = stats_of(game, QStringLiteral(u"S10"));
    EXPECT_EQ(row(gone, QStringLiteral(u"CF")).minutes, 60);
    EXPECT_EQ(row(gone, QStringLiteral(u"合計")).goals, 0);
    const PersonalStats came_on = stats_of(game, QStringLiteral(u"R1"));
    EXPECT_EQ(row(came_on, QStringLiteral(u"合計")).cautions, 0);
    EXPECT_EQ(row(came_on, QStringLiteral(u"CF")).minutes, 30);

    const PersonalStats absent = stats_of(game, QStringLiteral(u"誰か"));
    for (const PositionFigures& figures : absent.positions) {
        EXPECT_EQ(figures.minutes + figures.goals + figures.assists + figures.cautions + figures.sendings_off,
                  0);
    }
}

TEST(PersonalStats, ExtraTimeReductionsApplyToThePositionHeldAtTheEnd) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"シルバーゴール方式"), 15);
    game.goal(95, QStringLiteral(u"S10"), {}, QStringLiteral(u"シルバーゴール"));
    EXPECT_EQ(row(stats_of(game, QStringLiteral(u"S10")), QStringLiteral(u"CF")).minutes, 98);
}

}  // namespace
}  // namespace kl
