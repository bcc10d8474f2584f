#include "support/game_builder.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeView>

namespace kl {
namespace {

using test::GameBuilder;

// A main window on two games: a league win and a cup draw.
class StatisticsWindow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder league;
        league.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
            .conceded(20)
            .goal(30, QStringLiteral(u"S10"));
        league.substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"));
        GameBuilder cup;
        cup.date = QStringLiteral(u"2006/05/01");
        cup.meeting = QStringLiteral(u"カップ戦");
        cup.card(44, QStringLiteral(u"警告"), QStringLiteral(u"S10"));
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]"),
                  league.line(), cup.line()});
    }
    // The text of a cell of a list view, and its number of rows.
    QString cell(const char16_t* list, int row, int column) {
        return find<QTreeView>(list)->model()->index(row, column).data().toString();
    }
    int rows(const char16_t* list) { return find<QTreeView>(list)->model()->rowCount(); }
    QString copied(const char16_t* view_button) {
        find<QAction>(view_button)->trigger();
        find<QAction>(u"tb_main_7")->trigger();
        return QApplication::clipboard()->text();
    }
};

TEST_F(StatisticsWindow, CheckBoxesEnableTheirControls) {
    EXPECT_FALSE(find<QComboBox>(u"cb_date_0")->isEnabled());
    find<QCheckBox>(u"ck_date")->setChecked(true);
    EXPECT_TRUE(find<QComboBox>(u"cb_date_0")->isEnabled());
    EXPECT_TRUE(find<QComboBox>(u"cb_date_1")->isEnabled());
    EXPECT_TRUE(find<QLabel>(u"lb_date")->isEnabled());
    EXPECT_FALSE(find<QComboBox>(u"cb_date_2")->isEnabled());
    find<QCheckBox>(u"ck_player_meeting")->setChecked(true);
    EXPECT_TRUE(find<QComboBox>(u"cb_player_meeting")->isEnabled());
    EXPECT_TRUE(find<QComboBox>(u"cb_player")->isEnabled());
}

TEST_F(StatisticsWindow, TeamUpdateShowsTotalsRowsAndKeepsTheFilterTexts) {
    find<QPushButton>(u"cm_setting")->click();
    EXPECT_EQ(find<QLabel>(u"lb_game")->text(),
              QStringLiteral(u"全 2 試合 (180 分)  1 勝 0 敗 1 分  2 得点 1 アシスト 1 失点"));
    ASSERT_EQ(rows(u"lstv_team"), 14);
    EXPECT_EQ(cell(u"lstv_team", 0, 0), QStringLiteral(u"R1"));
    // Period unchecked: the bar shows the first and the last game.
    EXPECT_EQ(find<QComboBox>(u"cb_date_0")->currentText(), QStringLiteral(u"2006/04/01 10:00"));
    EXPECT_EQ(find<QComboBox>(u"cb_date_1")->currentText(), QStringLiteral(u"2006/05/01 10:00"));
    EXPECT_EQ(find<QLineEdit>(u"tx_copy_2")->text(), QStringLiteral(u"カップ戦 , リーグ戦"));

    find<QTreeView>(u"lstv_team")->header()->sectionClicked(2);
    EXPECT_EQ(cell(u"lstv_team", 0, 0), QStringLiteral(u"S10"));
    // The next 更新 shows the rows in the text order of the clicked column.
    find<QPushButton>(u"cm_setting")->click();
    EXPECT_EQ(cell(u"lstv_team", 0, 2), QStringLiteral(u"0"));
    EXPECT_EQ(cell(u"lstv_team", 13, 2), QStringLiteral(u"2"));
}

TEST_F(StatisticsWindow, AReversedPeriodIsRefusedWithEachViewsMessage) {
    test::MessageBoxAnswerer answerer;
    find<QCheckBox>(u"ck_date")->setChecked(true);
    find<QComboBox>(u"cb_date_0")->setCurrentIndex(1);
    find<QComboBox>(u"cb_date_1")->setCurrentIndex(0);
    find<QPushButton>(u"cm_setting")->click();
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。"));
    EXPECT_EQ(rows(u"lstv_team"), 0);
    find<QPushButton>(u"cm_renew")->click();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「メンバー」　を選択して下さい。"));
}

TEST_F(StatisticsWindow, TheTeamListJumpsToTheMembersPersonalData) {
    test::MessageBoxAnswerer answerer;
    find<QAction>(u"menu_popup_team_player")->trigger();
    EXPECT_EQ(answerer.seen().at(0).title, QStringLiteral(u"選択エラー"));
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「更新」　をクリックしてから選択して下さい。"));

    find<QCheckBox>(u"ck_meeting")->setChecked(true);
    find<QComboBox>(u"cb_meeting")->setCurrentIndex(1);  // リーグ戦
    find<QPushButton>(u"cm_setting")->click();
    find<QAction>(u"menu_popup_team_player")->trigger();  // no row selected: the first row's member
    EXPECT_EQ(find<QComboBox>(u"cb_player")->currentText(), cell(u"lstv_team", 0, 0));
    find<QAction>(u"tb_main_14")->trigger();
    auto* list = find<QTreeView>(u"lstv_team");
    for (int i = 0; i < rows(u"lstv_team"); ++i) {
        if (cell(u"lstv_team", i, 0) == QStringLiteral(u"S10")) {
            list->setCurrentIndex(list->model()->index(i, 0));
        }
    }
    find<QAction>(u"menu_popup_team_player")->trigger();
    EXPECT_TRUE(find<QWidget>(u"fr_data_3")->isVisible());
    EXPECT_TRUE(find<QAction>(u"tb_main_15")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(u"ck_player_meeting")->isChecked());
    EXPECT_EQ(find<QComboBox>(u"cb_player_meeting")->currentText(), QStringLiteral(u"リーグ戦"));
    EXPECT_EQ(find<QComboBox>(u"cb_player")->currentText(), QStringLiteral(u"S10"));
    ASSERT_EQ(rows(u"lstv_player"), 11);
    EXPECT_EQ(cell(u"lstv_player", 1, 0), QStringLiteral(u"CF"));
    EXPECT_EQ(cell(u"lstv_player", 1, 1), QStringLiteral(u"60"));
    EXPECT_EQ(cell(u"lstv_player", 1, 2), QStringLiteral(u"2"));
    EXPECT_EQ(find<QTextEdit>(u"tx_player_0")->toPlainText(), QStringLiteral(u"得点数\t\t\t2"));
}

TEST_F(StatisticsWindow, CopyPutsEachViewsTextOnTheClipboard) {
    EXPECT_EQ(copied(u"tb_main_12"),
              QStringLiteral(u"テストFC\r\n\r\n日付\t対戦相手\tスコア\t大会名\t場所\t\r\n"
                             u"2006/04/01 10:00\t青葉FC\t2-1\tリーグ戦\t市民グラウンド\t\r\n"
                             u"2006/05/01 10:00\t青葉FC\t0-0\tカップ戦\t市民グラウンド\t\r\n"));
    EXPECT_EQ(copied(u"tb_main_13"), QString());  // no game chosen yet
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(0);
    EXPECT_TRUE(copied(u"tb_main_13").startsWith(QStringLiteral(u"◇ 2006/04/01")));

    EXPECT_EQ(copied(u"tb_main_14"),
              QStringLiteral(u"テストFC\r\n\r\n期間\t\t\t\r\n大会名\t\t\r\n通算成績\r\n\r\n"
                             u"名前\t出場時間\t得点\tアシスト\t警告\t退場\t\r\n"));
    find<QPushButton>(u"cm_setting")->click();
    const QString team = copied(u"tb_main_14");
    EXPECT_TRUE(
        team.startsWith(QStringLiteral(u"テストFC\r\n\r\n期間\t2006/04/01 10:00\t2006/05/01 10:00\t\r\n"
                                       u"大会名\tカップ戦 , リーグ戦\t\r\n全 2 試合")));
    EXPECT_TRUE(team.contains(QStringLiteral(u"\r\nS10\t150\t2\t0\t1\t0\t\r\n")));

    find<QComboBox>(u"cb_player")
        ->setCurrentIndex(find<QComboBox>(u"cb_player")->findText(QStringLiteral(u"S9")));
    find<QPushButton>(u"cm_renew")->click();
    const QString personal = copied(u"tb_main_15");
    EXPECT_TRUE(
        personal.startsWith(QStringLiteral(u"テストFC\r\n\r\nメンバー\tS9\r\n期間\t2006/04/01 10:00\t")));
    EXPECT_TRUE(personal.contains(QStringLiteral(
        u"\r\n\r\nポジション\t出場時間\t得点\tアシスト\t警告\t退場\t\r\n合計\t180\t0\t1\t0\t0\t\r\n")));
    EXPECT_TRUE(personal.contains(QStringLiteral(u"GK\t0\t0\t0\t0\t0\t\r\n\r\n得点数\t0\r\n")));
    EXPECT_TRUE(personal.endsWith(QStringLiteral(u"\t\t\t\tGK\t0\r\n\r\n")));
}

TEST_F(StatisticsWindow, TheVersionWindowDisablesTheMainWindowUntilClosed) {
    find<QAction>(u"menu_help_version")->trigger();
    QWidget* version = test::find_window(QStringLiteral(u"fm_version"));
    ASSERT_NE(version, nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(version->windowTitle(), QStringLiteral(u"Kickledger のバージョン情報"));
    EXPECT_EQ(version->findChild<QLabel*>(QStringLiteral(u"lb_ver_0"))->text(),
              QStringLiteral(u"Kickledger"));
    EXPECT_EQ(version->findChild<QLabel*>(QStringLiteral(u"lb_ver_1"))->text(),
              QStringLiteral(u"Version　　　　　1.0.0.0"));
    version->findChild<QPushButton*>(QStringLiteral(u"Command1"))->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->isEnabled());
}

}  // namespace
}  // namespace kl
