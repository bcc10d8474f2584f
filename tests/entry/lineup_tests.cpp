#include "entry/lineup.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

md::Formation formation(const QString& name, std::array<const char16_t*, 9> counts) {
    md::Formation result{name, {}};
    for (size_t i = 0; i < counts.size(); ++i) {
        result.counts[i] = QString::fromUtf16(counts[i]);
    }
    return result;
}

Lineup with_members(int count) {
    Lineup lineup;
    for (int i = 1; i <= count; ++i) {
        lineup.available.append(QStringLiteral(u"M") + QString::number(i));
    }
    return lineup;
}

TEST(Lineup, FormationsFillPositionsFromTheBottomRowUp) {
    Lineup lineup;
    lineup.choose_formation(
        formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"2", u"0", u"2", u"0", u"2", u"2", u"0"}));
    EXPECT_EQ(QStringList(lineup.positions.begin(), lineup.positions.end()),
              (QStringList{QStringLiteral(u"GK"), QStringLiteral(u"SB"), QStringLiteral(u"SB"),
                           QStringLiteral(u"CB"), QStringLiteral(u"CB"), QStringLiteral(u"CH"),
                           QStringLiteral(u"CH"), QStringLiteral(u"OH"), QStringLiteral(u"OH"),
                           QStringLiteral(u"CF"), QStringLiteral(u"CF")}));
    EXPECT_EQ(lineup.formation, QStringLiteral(u"4-4-2"));
}

TEST(Lineup, PositionButtonsToggleTheirRowWithTheSelectedMember) {
    Lineup lineup = with_members(3);
    lineup.click_position(0);  // nothing selected: the first name goes in
    EXPECT_EQ(lineup.starters[0], QStringLiteral(u"M1"));
    EXPECT_EQ(lineup.selected, 0);
    lineup.selected = 1;
    lineup.click_position(1);  // the last name: the selection moves to the new last
    EXPECT_EQ(lineup.starters[1], QStringLiteral(u"M3"));
    EXPECT_EQ(lineup.selected, 0);
    lineup.click_position(0);  // occupied: back to the end of the list
    EXPECT_EQ(lineup.starters[0], QString());
    EXPECT_EQ(lineup.available, (QStringList{QStringLiteral(u"M2"), QStringLiteral(u"M1")}));
    lineup.click_position(0);
    EXPECT_EQ(lineup.starters[0], QStringLiteral(u"M2"));
}

TEST(Lineup, ReservesFillWithoutGaps) {
    Lineup lineup = with_members(3);
    lineup.add_reserve();
    lineup.add_reserve();
    EXPECT_EQ(lineup.reserves[0], QStringLiteral(u"M1"));
    EXPECT_EQ(lineup.reserves[1], QStringLiteral(u"M2"));
    lineup.delete_reserve();
    EXPECT_EQ(lineup.reserves[1], QString());
    EXPECT_EQ(lineup.available.back(), QStringLiteral(u"M2"));
    EXPECT_EQ(lineup.first_empty_reserve(), 1);
}

QString check_text(const Lineup& lineup) {
    const LineupCheck check = check_lineup(lineup);
    return check.refusal ? check.refusal->text : check.question ? check.question->text : QString();
}

TEST(LineupChecks, ComeInOrder) {
    Lineup lineup;
    EXPECT_EQ(check_text(lineup), QStringLiteral(u"「フォーメーション名」　を選択して下さい。"));
    lineup.formation = QStringLiteral(u"F");
    lineup.reserves[0] = QStringLiteral(u"R");
    // A reserve with empty starting rows comes before the empty goalkeeper.
    EXPECT_EQ(check_text(lineup), QStringLiteral(u"「スターティングメンバー」　が　「１１人」　いない状態で　"
                                                 u"「リザーブメンバー」　が控えている事はありません。"));
    lineup.reserves[0].clear();
    EXPECT_EQ(check_text(lineup), QStringLiteral(u"「GK」　は必ず選択して下さい。"));
    for (int row = 0; row < 10; ++row) {
        lineup.starters[static_cast<size_t>(row)] = QStringLiteral(u"S") + QString::number(row);
    }
    const LineupCheck ten = check_lineup(lineup);
    ASSERT_TRUE(ten.question);
    EXPECT_EQ(ten.question->title, QStringLiteral(u"人数の確認"));
    EXPECT_EQ(ten.question->text, QStringLiteral(u"「10人」　でよろしいですか？"));
    lineup.starters[10] = QStringLiteral(u"S10");
    EXPECT_EQ(check_text(lineup), QString());
    lineup.reserves[0] = QStringLiteral(u"S3");
    EXPECT_EQ(check_text(lineup), QStringLiteral(u"「同じ名前」　があります。変更して下さい。"));

    lineup.reserves[0] = QStringLiteral(u"R");
    const QStringList fields = lineup_fields(lineup);
    ASSERT_EQ(fields.size(), 32);
    EXPECT_EQ(fields[0], QStringLiteral(u"F"));
    EXPECT_EQ(fields[1], QStringLiteral(u"GK"));
    EXPECT_EQ(fields[2], QStringLiteral(u"S0"));
    EXPECT_EQ(fields[23], QStringLiteral(u"R"));
}

// 2-3-2: eight players, the goalkeeper's row and the seven bottom rows.
md::Formation eight_a_side() {
    return formation(QStringLiteral(u"2-3-2"), {u"2", u"0", u"0", u"2", u"1", u"0", u"2", u"0", u"0"});
}

TEST(SmallSidedLineup, AnEightPlayerFormationUsesItsRowsOnly) {
    Lineup lineup = with_members(12);
    lineup.small_sided_games = true;
    lineup.choose_formation(
        formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"2", u"0", u"2", u"0", u"2", u"2", u"0"}));
    for (int row = 0; row < starting_rows; ++row) {
        lineup.click_position(row);
    }
    lineup.choose_formation(eight_a_side());
    EXPECT_EQ(QStringList(lineup.positions.begin(), lineup.positions.end()),
              (QStringList{QStringLiteral(u"GK"),
                           {},
                           {},
                           {},
                           QStringLiteral(u"CB"),
                           QStringLiteral(u"CB"),
                           QStringLiteral(u"CH"),
                           QStringLiteral(u"SH"),
                           QStringLiteral(u"SH"),
                           QStringLiteral(u"CF"),
                           QStringLiteral(u"CF")}));
    EXPECT_FALSE(lineup.row_in_play(1));
    EXPECT_FALSE(lineup.row_in_play(3));
    EXPECT_TRUE(lineup.row_in_play(4));
    // The members of the rows given up go back to the end of the list.
    EXPECT_EQ(lineup.starters[1], QString());
    EXPECT_EQ(lineup.available.mid(1),
              (QStringList{QStringLiteral(u"M2"), QStringLiteral(u"M3"), QStringLiteral(u"M4")}));
    EXPECT_EQ(lineup.filled_starters(), 8);
    EXPECT_EQ(check_text(lineup), QString());
    lineup.click_position(2);  // a hidden row takes nobody
    EXPECT_EQ(lineup.starters[2], QString());

    lineup.add_reserve();
    const QStringList fields = lineup_fields(lineup);
    ASSERT_EQ(fields.size(), 32);
    EXPECT_EQ(fields.mid(1, 10), (QStringList{QStringLiteral(u"GK"),
                                              QStringLiteral(u"M1"),
                                              {},
                                              {},
                                              {},
                                              {},
                                              {},
                                              {},
                                              QStringLiteral(u"CB"),
                                              QStringLiteral(u"M5")}));

    // Back to eleven: every row is in play again.
    lineup.choose_formation(
        formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"2", u"0", u"2", u"0", u"2", u"2", u"0"}));
    EXPECT_TRUE(lineup.row_in_play(1));
    EXPECT_EQ(lineup.positions[1], QStringLiteral(u"SB"));
}

TEST(SmallSidedLineup, ChecksCountTheFormationsPlayers) {
    Lineup lineup = with_members(12);
    lineup.small_sided_games = true;
    lineup.choose_formation(eight_a_side());
    for (const int row : {0, 4, 5, 6, 7, 8, 9}) {
        lineup.click_position(row);
    }
    lineup.add_reserve();
    EXPECT_EQ(check_text(lineup), QStringLiteral(u"「スターティングメンバー」　が　「８人」　いない状態で　"
                                                 u"「リザーブメンバー」　が控えている事はありません。"));
    lineup.delete_reserve();
    const LineupCheck seven = check_lineup(lineup);
    ASSERT_TRUE(seven.question);
    EXPECT_EQ(seven.question->title, QStringLiteral(u"人数の確認"));
    EXPECT_EQ(seven.question->text, QStringLiteral(u"「7人」　でよろしいですか？"));
    lineup.click_position(10);
    EXPECT_EQ(check_text(lineup), QString());
}

// Without the option a small formation is taken on the eleven rows of the page: none is left out.
TEST(SmallSidedLineup, WithTheOptionOffEveryRowStaysInPlay) {
    Lineup lineup = with_members(12);
    lineup.choose_formation(
        formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"2", u"0", u"2", u"0", u"2", u"2", u"0"}));
    lineup.choose_formation(eight_a_side());
    EXPECT_EQ(lineup.positions[1], QStringLiteral(u"SB"));  // rows no count reaches keep their codes
    EXPECT_TRUE(lineup.row_in_play(1));
    for (const int row : {0, 4, 5, 6, 7, 8, 9, 10}) {
        lineup.click_position(row);
    }
    EXPECT_EQ(check_lineup(lineup).question->text, QStringLiteral(u"「8人」　でよろしいですか？"));
}

}  // namespace
}  // namespace kl
