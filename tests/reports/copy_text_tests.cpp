#include "reports/copy_texts.h"
#include "store/data_store.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

TEST(GameListCopyText, IsTheTeamTheHeaderAndTheRowsWithATabAfterEveryCell) {
    EXPECT_EQ(game_list_copy_text(QStringLiteral(u"テストFC"), {}),
              QStringLiteral(u"テストFC\r\n\r\n日付\t対戦相手\tスコア\t大会名\t場所\t\r\n"));
    md::DataStore store;
    store.game_lines = {GameBuilder().goal(3, QStringLiteral(u"S9")).line()};
    EXPECT_EQ(game_list_copy_text(QStringLiteral(u"T"), build_game_lists(store).rows),
              QStringLiteral(u"T\r\n\r\n日付\t対戦相手\tスコア\t大会名\t場所\t\r\n"
                             u"2006/04/01 10:00\t青葉FC\t1-0\tリーグ戦\t市民グラウンド\t\r\n"));
}

TEST(GameDetailText, IsEmptyWithoutAGame) {
    EXPECT_EQ(compose_game_detail_text(std::nullopt, QStringLiteral(u"T")), QString());
}

TEST(GameDetailText, LaysOutEverySectionWithItsTabs) {
    GameBuilder game;
    game.with_extra_time(QStringLiteral(u"シルバーゴール方式"), 30).with_shoot_out();
    game.reserves = {QStringLiteral(u"R1"), QString(), QStringLiteral(u"R3")};
    game.goal(12, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
        .card(20, QStringLiteral(u"警告"), QStringLiteral(u"S6"))
        .substitution(46, QStringLiteral(u"CH"), QStringLiteral(u"R1"), QStringLiteral(u"S6"))
        .add(md::compose_position_change(QStringLiteral(u"50"), QStringLiteral(u"CB"), QStringLiteral(u"S2"),
                                         QStringLiteral(u"SB"), QStringLiteral(u"S4")))
        .conceded(95, QStringLiteral(u"シルバーゴール"))
        .add(md::compose_formation_change(QStringLiteral(u"100"), QStringLiteral(u"3-5-2"), {}))
        .add(md::compose_shoot_out(true,
                                   {QStringLiteral(u"1"), QStringLiteral(u"S11"), QStringLiteral(u"0")}));
    // Silver goal: the goal at 12 led, the conceded goal at 95 levelled, so all extra time was played.
    const QString expected = QStringLiteral(
        u"◇ 2006/04/01  10:00～　◇　市民グラウンド　◇　リーグ戦　◇　90 分（前後半）　30 "
        u"分（延長[シルバーゴール方式]）"
        u"　◇　PK戦あり\r\n"
        u"\r\n"
        u"テストFC\t1\t1\t前半\t0\t1\t青葉FC\r\n"
        u"\t\t0\t後半\t0\r\n"
        u"\t\t0\t延長前半\t1\r\n"
        u"\t\t0\t延長後半\t0\r\n"
        u"\t\t1\tPK\t0\r\n"
        u"\r\n"
        u"得失点内容\r\n"
        u"12分\t[テストFC]\tS10\t （右足 , 中央（エリア内） , 被アシスト）\t←\tS9\t （頭 , 右サイド , "
        u"CK）\r\n"
        u"95分\t[青葉FC] - [シルバーゴール]\t （足 , 中央（エリア外） , ドリブル突破）\t←\t （足 , 左サイド "
        u", ショートパス）\r\n"
        u"\r\n"
        u"警告・退場\r\n"
        u"20分\t[警告]\tS6\r\n"
        u"\r\n"
        u"スターティングメンバー\t[4-4-2]\r\n"
        u"\r\n"
        u"120分\tGK\tS1\r\n"
        u"120分\tSB\tS2\r\n"
        u"120分\tSB\tS3\r\n"
        u"120分\tCB\tS4\r\n"
        u"120分\tCB\tS5\r\n"
        u"46分\tCH\tS6\r\n"
        u"74分\t\t→　R1\r\n"
        u"120分\tCH\tS7\r\n"
        u"120分\tSH\tS8\r\n"
        u"120分\tSH\tS9\r\n"
        u"120分\tCF\tS10\r\n"
        u"120分\tCF\tS11\r\n"
        u"\r\n"
        u"リザーブメンバー\r\n"
        u"\r\n"
        u"R1\r\n"
        u"R3\r\n"
        u"\r\n"
        u"その他\r\n"
        u"50分\t[ポジション変更]\tCB\tS2\tSB\tS4\r\n"
        u"100分\t[フォーメーション変更]\t4-4-2\t → \t3-5-2\r\n"
        u"\r\n");
    EXPECT_EQ(compose_game_detail_text(game.record(), QStringLiteral(u"テストFC")), expected);
}

TEST(GameDetailText, ListsOnlyTheSlotsInUse) {
    GameBuilder game;
    game.eight_a_side();
    game.reserves = {QStringLiteral(u"R1")};
    game.substitution(10, QStringLiteral(u"CB"), QStringLiteral(u"R1"), QStringLiteral(u"S5"))
        .substitution(30, QStringLiteral(u"CB"), QStringLiteral(u"S5"), QStringLiteral(u"R1"));
    const QString text = compose_game_detail_text(game.record(), QStringLiteral(u"テストFC"));
    EXPECT_TRUE(
        text.contains(QStringLiteral(u"スターティングメンバー\t[2-3-2]\r\n"
                                     u"\r\n"
                                     u"40分\tGK\tS1\r\n"
                                     u"10分\tCB\tS5\r\n"
                                     u"20分\t\t→　R1\r\n"
                                     u"10分\t\t→　S5\r\n"
                                     u"40分\tCB\tS6\r\n")))
        << text.toStdString();
    EXPECT_EQ(text.count(u'分'), 8 + 2 + 1);  // the lines of the eight slots and the header
}

}  // namespace
}  // namespace kl
