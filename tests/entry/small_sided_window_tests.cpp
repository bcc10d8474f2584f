#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "support/main_window_fixture.h"
#include "support/message_boxes.h"
#include "support/wizard_clicks.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace kl {
namespace {

const QStringList members = {
    QStringLiteral(u"佐藤 翔太"), QStringLiteral(u"鈴木 陽斗"), QStringLiteral(u"高橋 湊"),
    QStringLiteral(u"田中 蒼"),   QStringLiteral(u"伊藤 律"),   QStringLiteral(u"渡辺 陽向"),
    QStringLiteral(u"山本 蓮"),   QStringLiteral(u"中村 悠人"), QStringLiteral(u"小林 樹"),
    QStringLiteral(u"加藤 大和"), QStringLiteral(u"吉田 朝陽"), QStringLiteral(u"山田 颯")};

// The wizard of an eight-a-side youth team, small-sided games on.
class SmallSidedEntry : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC U-12"),
                  QStringLiteral(u"[メンバー]"), members.join(u','), QStringLiteral(u"[グラウンド]"),
                  QStringLiteral(u"市民グラウンド"), QStringLiteral(u"[対戦チーム]"),
                  QStringLiteral(u"青葉FC U-12"), QStringLiteral(u"[起票者]"), QStringLiteral(u"佐藤コーチ"),
                  QStringLiteral(u"[フォーメーション]"), QStringLiteral(u"2-3-2,2,0,0,2,1,0,2,0,0"),
                  QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"), QString(), QStringLiteral(u"[大会]"),
                  QStringLiteral(u"U-12リーグ,40,なし,,,なし"), QString(), QStringLiteral(u"[試合データ]")});
        store.small_sided_games = true;
        window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
        wizard = window->findChild<fm_game_input*>() != nullptr
                     ? window->findChild<fm_game_input*>()
                     : qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
        ASSERT_NE(wizard, nullptr);
        events = wizard->events;
    }
    void TearDown() override {
        if (test::find_window(QStringLiteral(u"fm_game_input")) != nullptr) {
            wizard->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowOnTeam::TearDown();
    }
    void click_pitch(int row) { test::click_pitch_row(events, row); }
    void click_reserve(const QString& name) {
        emit events->lst_rm->itemClicked(events->lst_rm->findItems(name, Qt::MatchExactly).value(0));
    }
    void forward(int minutes) {
        for (int i = 0; i < minutes; ++i) {
            events->cm_time_up[0]->click();
        }
    }
    void choose(int panel, int body, int area, int action) {
        test::click_details(events, panel, body, area, action);
    }
    void substitute(int row, const QString& in, int minutes) {
        events->op_input[0]->click();
        click_pitch(row);
        click_reserve(in);
        forward(minutes);
        events->cm_event_add->click();
    }
    QStringList reserves() const {
        QStringList names;
        for (int i = 0; i < events->lst_rm->count(); ++i) {
            names.append(events->lst_rm->item(i)->text());
        }
        return names;
    }
    int shown_pitch_rows() const {
        int shown = 0;
        for (int row = 0; row < events->lstv_sm->topLevelItemCount(); ++row) {
            shown += events->lstv_sm->topLevelItem(row)->isHidden() ? 0 : 1;
        }
        return shown;
    }

    fm_game_input* wizard = nullptr;
    EventPageView* events = nullptr;
};

// The first game of samples/small_sided.kld, entered as its scorer would enter it.
TEST_F(SmallSidedEntry, AnEightASideGameWithReEntriesIsStoredAsEntered) {
    test::MessageBoxAnswerer answerer;
    test::fill_game_information(wizard,
                                {QStringLiteral(u"2024/05/11"), 9, 0, 0, QStringLiteral(u"佐藤コーチ")});
    wizard->cm_next[0]->click();

    wizard->cb_formation->setCurrentIndex(0);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_TRUE(wizard->cm_poji[static_cast<size_t>(row)]->isHidden());
        EXPECT_TRUE(wizard->tx_member[static_cast<size_t>(row)]->isHidden());
    }
    for (const int row : {0, 4, 5, 6, 7, 8, 9, 10}) {
        wizard->cm_poji[static_cast<size_t>(row)]->click();
    }
    for (int i = 0; i < 4; ++i) {
        wizard->cm_r_add->click();
    }
    wizard->cm_next[1]->click();  // eight of eight: no question
    ASSERT_EQ(wizard->page(), 2);
    EXPECT_EQ(shown_pitch_rows(), 8);

    events->op_input[3]->click();
    click_pitch(9);
    choose(0, 1, 0, 1);  // 右足, 中央（エリア内）, 被アシスト
    click_pitch(6);
    choose(1, 1, 1, 0);  // 右足, 中央（エリア外）, ショートパス
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    substitute(10, members[8], 5);  // 15: 中村 off
    EXPECT_EQ(reserves(), (QStringList{members[9], members[10], members[11], members[7]}));
    substitute(7, members[9], 5);  // 20: 伊藤 off
    events->op_input[4]->click();
    choose(3, 1, 0, 2);  // 足, 中央（エリア内）, こぼれ球
    choose(4, 1, 2, 0);  // 足, 右サイド, シュート
    events->cm_event_add->click();
    substitute(9, members[7], 5);  // 25: 中村 back on for 山本
    EXPECT_EQ(events->lstv_sm->topLevelItem(9)->text(1), members[7]);
    events->op_input[2]->click();
    click_pitch(4);
    forward(5);
    events->cm_event_add->click();  // 30: 鈴木 cautioned
    substitute(8, members[4], 2);   // 32: 伊藤 back on for 渡辺
    EXPECT_EQ(reserves(), (QStringList{members[10], members[11], members[6], members[5]}));
    events->op_input[3]->click();
    click_pitch(9);
    choose(0, 2, 3, 0);  // 左足, 左サイド, ドリブル突破
    forward(3);
    events->cm_event_add->click();
    EXPECT_EQ(events->tx_score1->text(), QStringLiteral(u"2"));
    ASSERT_EQ(events->lstv_event->topLevelItemCount(), 8);
    EXPECT_TRUE(answerer.seen().empty());

    wizard->cm_next[2]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString expected = QStringLiteral(
        u"#,佐藤コーチ,2024/05/11,09:00,市民グラウンド,青葉FC U-12,U-12リーグ,40,なし,,,なし,2-3-2,"
        u"GK,佐藤 翔太,,,,,,,CB,鈴木 陽斗,CB,高橋 湊,CH,田中 蒼,SH,伊藤 律,SH,渡辺 陽向,CF,山本 蓮,CF,中村 "
        u"悠人,"
        u"小林 樹,加藤 大和,吉田 朝陽,山田 颯,,,,,,"
        u"10,得点・アシスト,,得点者,山本 蓮,右足,中央（エリア内）,被アシスト,アシスト者,田中 蒼,右足,"
        u"中央（エリア外）,ショートパス,"
        u"15,交代,IN,CF,小林 樹,OUT,中村 悠人,"
        u"20,交代,IN,SH,加藤 大和,OUT,伊藤 律,"
        u"20,失点,,フィニッシュ,足,中央（エリア内）,こぼれ球,1プレー前,足,右サイド,シュート,"
        u"25,交代,IN,CF,中村 悠人,OUT,山本 蓮,"
        u"30,警告・退場,警告,鈴木 陽斗,"
        u"32,交代,IN,SH,伊藤 律,OUT,渡辺 陽向,"
        u"35,得点・アシスト,,得点者,中村 悠人,左足,左サイド,ドリブル突破,アシスト者,,,,,##");
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"team.kld")).back(), expected);

    // Both statistics count every spell: 中村 15 + 15, 伊藤 20 + 8.
    window->findChild<QAction*>(QStringLiteral(u"tb_main_14"))->trigger();
    window->findChild<QPushButton*>(QStringLiteral(u"cm_setting"))->click();
    const QString team = window->view_copy_text();
    EXPECT_TRUE(team.contains(QStringLiteral(u"中村 悠人\t30\t1\t0\t0\t0\t"))) << team.toStdString();
    EXPECT_TRUE(team.contains(QStringLiteral(u"伊藤 律\t28\t0\t0\t0\t0\t"))) << team.toStdString();
    window->findChild<QAction*>(QStringLiteral(u"tb_main_15"))->trigger();
    auto* player = window->findChild<QComboBox*>(QStringLiteral(u"cb_player"));
    player->setCurrentIndex(player->findText(members[7]));
    window->findChild<QPushButton*>(QStringLiteral(u"cm_renew"))->click();
    EXPECT_TRUE(window->view_copy_text().contains(QStringLiteral(u"CF\t30\t1\t0\t0\t0\t")));
}

TEST_F(SmallSidedEntry, SevenOfEightAreAskedForAndAnElevenFormationChangeIsRefused) {
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    wizard->cb_time_h->setCurrentIndex(9);
    wizard->cb_time_m->setCurrentIndex(0);
    wizard->cb_ground[0]->setCurrentIndex(0);
    wizard->cb_team[0]->setCurrentIndex(0);
    wizard->cb_meeting->setCurrentIndex(0);
    wizard->cm_next[0]->click();
    wizard->cb_formation->setCurrentIndex(0);
    for (const int row : {0, 4, 5, 6, 7, 8, 9}) {
        wizard->cm_poji[static_cast<size_t>(row)]->click();
    }
    wizard->cm_next[1]->click();
    ASSERT_FALSE(answerer.seen().empty());
    EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"人数の確認"));
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「7人」　でよろしいですか？"));
    ASSERT_EQ(wizard->page(), 2);

    events->op_input[5]->click();
    events->cb_formation_change->setCurrentIndex(1);  // 4-4-2
    events->cm_event_add->click();
    EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"入力エラー"));
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「フォーメーション」　の人数が違います。"));
    EXPECT_EQ(events->lstv_event->topLevelItemCount(), 0);
    EXPECT_EQ(shown_pitch_rows(), 8);

    // The keys step over the hidden rows: up from the first back to the goalkeeper.
    events->op_input[2]->click();
    click_pitch(4);
    EXPECT_EQ(events->tx_card->text(), members[1]);
    QTest::keyClick(events->lstv_sm, Qt::Key_Up);
    EXPECT_EQ(events->tx_card->text(), members[0]);
    QTest::keyClick(events->lstv_sm, Qt::Key_Down);
    EXPECT_EQ(events->tx_card->text(), members[1]);
}

}  // namespace
}  // namespace kl
