// Correcting a stored game from the main window: 試合データ修正 in the menu and in the game list's
// context menu, through the wizard in edit mode to the stored line.
#include "dialogs/fm_game_modify.h"
#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "support/game_builder.h"
#include "support/main_window_fixture.h"
#include "support/wizard_clicks.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>

namespace kl {
namespace {

using test::GameBuilder;

class GameCorrectionWindow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder april;
        april.goal(30, QStringLiteral(u"S10"));
        april.conceded(50);
        GameBuilder may;
        may.date = QStringLiteral(u"2006/05/01");
        may.opponent = QStringLiteral(u"赤坂SC");
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[メンバー]"),
                  QStringLiteral(u"S1,S2,S3,S4,S5,S6,S7,S8,S9,S10,S11,R1,R2,R3,R4"),
                  QStringLiteral(u"[フォーメーション]"), QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"),
                  QString(), QStringLiteral(u"[大会]"), QStringLiteral(u"リーグ戦,90,なし,,,なし"), QString(),
                  QStringLiteral(u"[試合データ]"), april.line(), may.line()});
    }
    void TearDown() override {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != window.get() && top->isVisible()) {
                top->close();
            }
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowOnTeam::TearDown();
    }
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    fm_game_input* wizard() {
        return qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    }
};

TEST_F(GameCorrectionWindow, AScorerAndAMinuteAreCorrectedThroughTheWizard) {
    // The game on the detail sheet is the one chosen when the window opens.
    find<QAction>(u"tb_main_13")->trigger();
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(0);
    find<QAction>(u"menu_game_modify")->trigger();
    QWidget* chooser = test::find_window(QStringLiteral(u"fm_game_modify"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral(u"試合データ修正"));
    auto* games = chooser->findChild<QListWidget*>(QStringLiteral(u"lst_game"));
    ASSERT_EQ(games->count(), 2);
    EXPECT_EQ(games->currentItem()->text(), QStringLiteral(u"2006/04/01 - 10:00 - 青葉FC - 市民グラウンド"));
    chooser->findChild<QPushButton*>(QStringLiteral(u"cm_game_modify"))->click();
    settle();
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_game_modify")), nullptr);

    fm_game_input* edit = wizard();
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(edit->windowTitle(), QStringLiteral(u"試合データ修正 （1/3）"));
    EXPECT_EQ(edit->tx_date->text(), QStringLiteral(u"2006/04/01"));
    EXPECT_EQ(edit->cb_team[0]->currentText(), QStringLiteral(u"青葉FC"));
    edit->cm_next[0]->click();
    EXPECT_EQ(edit->windowTitle(), QStringLiteral(u"試合データ修正 （2/3）"));
    EXPECT_EQ(edit->tx_member[9]->text(), QStringLiteral(u"S10"));
    EXPECT_EQ(edit->cm_poji[9]->text(), QStringLiteral(u"CF"));
    edit->cm_next[1]->click();
    EventPageView* events = edit->events;
    ASSERT_EQ(events->lstv_event->topLevelItemCount(), 2);
    EXPECT_EQ(events->tx_score1->text(), QStringLiteral(u"1"));

    // The conceded goal and the goal taken back, the goal entered again by S9 at 35.
    events->cm_event_line_delete->click();
    events->cm_event_line_delete->click();
    events->op_input[3]->click();
    events->tx_event_time->setText(QStringLiteral(u"35"));
    emit events->lstv_sm->itemClicked(events->lstv_sm->topLevelItem(8), 0);
    test::click_details(events, 0, 0, 0, 0);
    events->cm_event_add->click();
    edit->cm_next[2]->click();
    settle();
    EXPECT_EQ(wizard(), nullptr);
    EXPECT_TRUE(window->isEnabled());

    ASSERT_EQ(store.game_lines.size(), 2);
    EXPECT_TRUE(store.game_lines[0].endsWith(
        QStringLiteral(u",35,得点・アシスト,,得点者,S9,頭,中央（エリア内）,ドリブル突破,アシスト者,,,,,##")));
    const QStringList saved = test::read_lines_cp932(QStringLiteral(u"team.kld"));
    EXPECT_EQ(saved.mid(saved.indexOf(QStringLiteral(u"[試合データ]")) + 1), store.game_lines);
    find<QAction>(u"tb_main_12")->trigger();
    EXPECT_TRUE(window->view_copy_text().contains(QStringLiteral(u"2006/04/01 10:00\t青葉FC\t1-0\t")));
}

TEST_F(GameCorrectionWindow, TheContextMenuOpensTheRowsGameAndNothingChosenIsAMistake) {
    find<QAction>(u"menu_game_modify")->trigger();
    QWidget* chooser = test::find_window(QStringLiteral(u"fm_game_modify"));
    ASSERT_NE(chooser, nullptr);
    chooser->findChild<QListWidget*>(QStringLiteral(u"lst_game"))->setCurrentItem(nullptr);
    chooser->findChild<QListWidget*>(QStringLiteral(u"lst_game"))->clearSelection();
    {
        test::MessageBoxAnswerer answerer;
        chooser->findChild<QPushButton*>(QStringLiteral(u"cm_game_modify"))->click();
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"選択ミス"));
        EXPECT_EQ(answerer.last_text(), QStringLiteral(u"リストから　「試合データ」　を選択して下さい。"));
    }
    chooser->findChild<QPushButton*>(QStringLiteral(u"cm_cancel"))->click();
    settle();
    EXPECT_TRUE(window->isEnabled());

    // Sorted by opponent, the first row is May's game against 赤坂SC.
    auto* list = find<QTreeView>(u"lstv_game");
    list->header()->sectionClicked(1);
    list->setCurrentIndex(list->model()->index(0, 0));
    find<QAction>(u"menu_popup_lst_modify")->trigger();
    ASSERT_NE(wizard(), nullptr);
    EXPECT_EQ(wizard()->tx_date->text(), QStringLiteral(u"2006/05/01"));
    // Cancelled, the file stays as it was.
    const QByteArray before = test::read_bytes(QStringLiteral(u"team.kld"));
    wizard()->cm_cancel[0]->click();
    settle();
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"team.kld")), before);
}

TEST_F(GameCorrectionWindow, AChangedLineUpReplaysTheStoredEventsUpToOneThatNoLongerFits) {
    find<QAction>(u"tb_main_12")->trigger();
    auto* list = find<QTreeView>(u"lstv_game");
    list->setCurrentIndex(list->model()->index(0, 0));
    find<QAction>(u"menu_popup_lst_modify")->trigger();
    fm_game_input* edit = wizard();
    ASSERT_NE(edit, nullptr);
    edit->cm_next[0]->click();
    edit->cm_poji[9]->click();  // S10, the scorer, leaves the line-up, and so do the reserves
    for (int reserve = 0; reserve < 3; ++reserve) {
        edit->cm_r_delete->click();
    }
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);  // 「10人」　でよろしいですか？
    edit->cm_next[1]->click();
    ASSERT_FALSE(answerer.seen().empty());
    EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"確認"));
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「30分 得点・アシスト」　以降のイベントを入力し直して下さい。"));
    EXPECT_EQ(edit->events->lstv_event->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace kl
