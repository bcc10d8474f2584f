#include "reports/game_sheet.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

const QString crlf = QStringLiteral(u"\r\n");

GameSheet sheet_of(const GameBuilder& game) {
    return compose_game_sheet(game.record(), QStringLiteral(u"テストFC"));
}

QString box(const GameSheet& sheet, int index) {
    return sheet.boxes[static_cast<size_t>(index)].text;
}

QStringList lines(const GameSheet& sheet, int index) {
    return box(sheet, index).split(crlf);
}

TEST(GameSheet, AGameWithoutEventsShowsZerosHeadingsAndFullMinutes) {
    const GameSheet sheet = sheet_of(GameBuilder());
    EXPECT_EQ(box(sheet, 0),
              QStringLiteral(u"◇ 2006/04/01  10:00～　◇　市民グラウンド　◇　リーグ戦　◇　90 分（前後半）"));
    EXPECT_EQ(box(sheet, 1), crlf + crlf + QStringLiteral(u"テストFC"));
    EXPECT_EQ(box(sheet, 8), crlf + crlf + QStringLiteral(u"青葉FC"));
    EXPECT_EQ(box(sheet, 2), crlf + crlf + QStringLiteral(u"0"));
    EXPECT_EQ(box(sheet, 9), crlf + crlf + QStringLiteral(u"0"));
    for (const int period : {3, 4, 10, 11}) {
        EXPECT_EQ(box(sheet, period), QStringLiteral(u"0"));
    }
    // Without extra time or a shoot-out their rows are empty.
    for (const int empty : {5, 6, 7, 12, 13, 14, 17, 18, 19}) {
        EXPECT_EQ(box(sheet, empty), QString()) << empty;
    }
    EXPECT_EQ(box(sheet, 15), QStringLiteral(u"前半"));
    EXPECT_EQ(box(sheet, 20), QStringLiteral(u"得失点内容") + crlf + crlf);
    EXPECT_EQ(box(sheet, 21), QStringLiteral(u"警告・退場") + crlf + crlf);
    EXPECT_EQ(box(sheet, 24), QStringLiteral(u"その他") + crlf + crlf);
    EXPECT_EQ(lines(sheet, 22).at(0), QStringLiteral(u"スターティングメンバー　[4-4-2]"));
    EXPECT_EQ(lines(sheet, 22).at(2), QStringLiteral(u"     90 （分）　　GK　　　S1"));
    EXPECT_EQ(lines(sheet, 22).size(), 14);
    EXPECT_EQ(box(sheet, 23), QStringLiteral(u"リザーブメンバー\r\n\r\n　　R1\r\n　　R2\r\n　　R3\r\n"));
    EXPECT_EQ(sheet.boxes[22].height, 2595);
    EXPECT_EQ(sheet.content_height(), 440 + 1290 + 910 + 910 + 2595 + 910 + 150);
}

TEST(GameSheet, GoalsCountInTheirPeriodsUpToEachBorder) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"前・後半"), 30);
    game.goal(45, QStringLiteral(u"S10"))
        .goal(46, QStringLiteral(u"S10"))
        .conceded(90)
        .conceded(105)
        .goal(106, QStringLiteral(u"S9"));
    game.goal(121, QStringLiteral(u"S9"));
    const GameSheet sheet = sheet_of(game);
    EXPECT_EQ(box(sheet, 2), crlf + crlf + QStringLiteral(u"4"));
    EXPECT_EQ(box(sheet, 3), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 4), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 5), QStringLiteral(u"0"));
    EXPECT_EQ(box(sheet, 6), QStringLiteral(u"1"));  // the goal at 121 counts only in the total
    EXPECT_EQ(box(sheet, 11), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 12), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 17), QStringLiteral(u"延長前半"));
    EXPECT_EQ(box(sheet, 18), QStringLiteral(u"延長後半"));
}

TEST(GameSheet, AGoldenGoalInTheFirstExtraHalfLeavesOnlyThatRow) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 30).with_shoot_out();
    game.goal(97, QStringLiteral(u"S10"), {}, QStringLiteral(u"ゴールデンゴール"));
    const GameSheet sheet = sheet_of(game);
    EXPECT_EQ(box(sheet, 0),
              QStringLiteral(u"◇ 2006/04/01  10:00～　◇　市民グラウンド　◇　リーグ戦　◇　90 分（前後半）"
                             u"　30 分（延長[ゴールデンゴール方式]）　◇　PK戦あり"));
    EXPECT_EQ(box(sheet, 17), QStringLiteral(u"延長前半"));
    EXPECT_EQ(box(sheet, 5), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 18), QString());
    EXPECT_EQ(box(sheet, 6), QString());
    EXPECT_EQ(box(sheet, 13), QString());
    EXPECT_EQ(box(sheet, 19), QString());  // not level: no shoot-out row
    EXPECT_EQ(
        lines(sheet, 20).at(2),
        QStringLiteral(
            u"　　97 （分）　　[テストFC] - [ゴールデンゴール]　S10 （右足 , 中央（エリア内） , こぼれ球）"));
    // The game ended at 105 minutes: the starters played 105.
    EXPECT_EQ(lines(sheet, 22).at(2), QStringLiteral(u"　　105 （分）　　GK　　　S1"));
}

TEST(GameSheet, ALevelGameWithAShootOutShowsItsRow) {
    GameBuilder game;
    game.with_shoot_out().goal(10, QStringLiteral(u"S9")).conceded(20);
    game.add(
        md::compose_shoot_out(false, {QStringLiteral(u"0"), QStringLiteral(u"1"), QStringLiteral(u"S11")}));
    const GameSheet sheet = sheet_of(game);
    // A shoot-out without extra time is not in the header.
    EXPECT_FALSE(box(sheet, 0).contains(QStringLiteral(u"PK戦あり")));
    EXPECT_EQ(box(sheet, 19), QStringLiteral(u"PK"));
    EXPECT_EQ(box(sheet, 7), QStringLiteral(u"1"));
    EXPECT_EQ(box(sheet, 14), QStringLiteral(u"0"));
}

TEST(GameSheet, SubstitutionsAndASendingOffSplitASlotsMinutes) {
    GameBuilder game;
    game.substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"))
        .substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R2"), QStringLiteral(u"R1"))
        .substitution(80, QStringLiteral(u"CF"), QStringLiteral(u"R3"), QStringLiteral(u"R2"))
        .card(70, QStringLiteral(u"退場"), QStringLiteral(u"S2"))
        .card(75, QStringLiteral(u"警告"), QStringLiteral(u"S3"));
    const GameSheet sheet = sheet_of(game);
    const QStringList starters = lines(sheet, 22);
    EXPECT_EQ(starters.at(3), QStringLiteral(u"     70 （分）　　SB　　　S2"));
    EXPECT_EQ(starters.at(12), QStringLiteral(u"     30 （分）　　CF　　　S11"));
    EXPECT_EQ(starters.at(13), QStringLiteral(u"     30 （分）　　　　　　　→　R1"));
    EXPECT_EQ(starters.at(14), QStringLiteral(u"     20 （分）　　　　　　　→　R2"));
    EXPECT_EQ(starters.at(15), QStringLiteral(u"     10 （分）　　　　　　　→　R3"));
    EXPECT_EQ(lines(sheet, 21).at(2), QStringLiteral(u"　　70 （分） [退場] S2"));
    // Three substitutions make the starters' box 600 taller, the reserves' box as tall, and the two
    // cards move the boxes below by one line.
    EXPECT_EQ(sheet.boxes[22].height, 2595 + 600);
    EXPECT_EQ(sheet.boxes[23].height, 2595 + 600);
    EXPECT_EQ(sheet.boxes[21].height, 910 + 200);
    EXPECT_EQ(sheet.boxes[22].top, 3600 + 200);
    EXPECT_EQ(sheet.boxes[24].top, 6180 + 200 + 600);
}

// Eight a side: the unused slots are not shown, and a member who comes back on holds a slot again.
TEST(GameSheet, AnEightASideGameShowsItsSlotsAndEverySpell) {
    GameBuilder game;
    game.eight_a_side();
    game.game_time = QStringLiteral(u"50");
    game.substitution(20, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"))
        .substitution(35, QStringLiteral(u"CF"), QStringLiteral(u"S10"), QStringLiteral(u"R1"));
    const GameSheet sheet = sheet_of(game);
    EXPECT_EQ(
        lines(sheet, 22),
        (QStringList{
            QStringLiteral(u"スターティングメンバー　[2-3-2]"), QString(),
            QStringLiteral(u"     50 （分）　　GK　　　S1"), QStringLiteral(u"     50 （分）　　CB　　　S5"),
            QStringLiteral(u"     50 （分）　　CB　　　S6"), QStringLiteral(u"     50 （分）　　CH　　　S7"),
            QStringLiteral(u"     50 （分）　　SH　　　S8"), QStringLiteral(u"     50 （分）　　SH　　　S9"),
            QStringLiteral(u"     20 （分）　　CF　　　S10"),
            QStringLiteral(u"     15 （分）　　　　　　　→　R1"),
            QStringLiteral(u"     15 （分）　　　　　　　→　S10"),
            QStringLiteral(u"     50 （分）　　CF　　　S11"), QString()}));
    // Two substitutions make the box two lines taller.
    EXPECT_EQ(sheet.boxes[22].height, 2595 + 400);
}

TEST(GameSheet, SixGoalsPushTheBoxesBelowDown) {
    GameBuilder game;
    for (int minute = 1; minute <= 6; ++minute) {
        game.goal(minute, QStringLiteral(u"S10"));
    }
    const GameSheet sheet = sheet_of(game);
    EXPECT_EQ(sheet.boxes[20].height, 910 + 1000);
    for (const size_t below : {21u, 22u, 23u, 24u}) {
        EXPECT_EQ(sheet.boxes[below].top, empty_game_sheet().boxes[below].top + 1000);
    }
    EXPECT_EQ(sheet.frame_height, 7215 + 1000);
}

TEST(GameSheet, TheMinutesPrefixKeepsColumnsAligned) {
    GameBuilder long_game;
    long_game.game_time = QStringLiteral(u"100");
    long_game.starters[10].clear();
    const QStringList starters = lines(sheet_of(long_game), 22);
    EXPECT_EQ(starters.at(2), QStringLiteral(u"　　100 （分）　　GK　　　S1"));
    EXPECT_EQ(starters.at(12), QStringLiteral(u"　　100 （分）　　CF　　　"));

    GameBuilder short_game;
    short_game.starters[10].clear();
    EXPECT_EQ(lines(sheet_of(short_game), 22).at(12), QStringLiteral(u" 　　90 （分）　　CF　　　"));
}

TEST(GameSheet, ListsEveryKindOfEventInItsBox) {
    GameBuilder game;
    game.goal(12, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
        .conceded(30)
        .add(md::compose_position_change(QStringLiteral(u"50"), QStringLiteral(u"CB"), QStringLiteral(u"S2"),
                                         QStringLiteral(u"SB"), QStringLiteral(u"S4")))
        .add(md::compose_formation_change(QStringLiteral(u"60"), QStringLiteral(u"3-5-2"), {}))
        .add(md::compose_formation_change(QStringLiteral(u"70"), QStringLiteral(u"4-3-3"), {}));
    const GameSheet sheet = sheet_of(game);
    const QStringList goals = lines(sheet, 20);
    EXPECT_EQ(
        goals.at(2),
        QStringLiteral(u"　　12 （分）　　[テストFC]　S10 （右足 , 中央（エリア内） , 被アシスト）　←　S9 "
                       u"（頭 , 右サイド , CK）"));
    EXPECT_EQ(goals.at(3),
              QStringLiteral(u"　　30 （分）　　[青葉FC]　 （足 , 中央（エリア外） , ドリブル突破）　←　 "
                             u"（足 , 左サイド , ショートパス）"));
    const QStringList others = lines(sheet, 24);
    EXPECT_EQ(others.at(2), QStringLiteral(u"　　50 （分） [ポジション変更] CB - S2 , SB - S4"));
    // The "before" side is always the starting formation.
    EXPECT_EQ(others.at(4), QStringLiteral(u"　　70 （分） [フォーメーション変更] 4-4-2 → 4-3-3"));
    // An assisted goal and a conceded goal take two lines each.
    EXPECT_EQ(sheet.boxes[20].height, 910 + 3 * 200);
    EXPECT_EQ(sheet.boxes[24].height, 910 + 2 * 200);
}

TEST(GameSheet, GameLengthFollowsTheExtraTimeRules) {
    auto first_starter_line = [](const GameBuilder& game) { return lines(sheet_of(game), 22).at(2); };
    GameBuilder golden;
    golden.with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 20);
    // No goal at all: all of the extra time was played.
    EXPECT_EQ(first_starter_line(golden), QStringLiteral(u"　　110 （分）　　GK　　　S1"));
    golden.goal(105, QStringLiteral(u"S10"), {}, QStringLiteral(u"ゴールデンゴール"));
    EXPECT_EQ(first_starter_line(golden), QStringLiteral(u"　　110 （分）　　GK　　　S1"));

    GameBuilder silver;
    silver.with_extra_time(QStringLiteral(u"シルバーゴール方式"), 15);
    silver.goal(95, QStringLiteral(u"S10"), {}, QStringLiteral(u"シルバーゴール"));
    EXPECT_EQ(first_starter_line(silver), QStringLiteral(u"     98 （分）　　GK　　　S1"));
    silver.conceded(96, QStringLiteral(u"シルバーゴール"));
    EXPECT_EQ(first_starter_line(silver), QStringLiteral(u"　　105 （分）　　GK　　　S1"));
}

}  // namespace
}  // namespace kl
