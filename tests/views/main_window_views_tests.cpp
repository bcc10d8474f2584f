#include "support/game_builder.h"
#include "support/main_window_fixture.h"

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeView>
#include <QWheelEvent>

namespace kl {
namespace {

using test::GameBuilder;

// A main window on a team of three games whose stored order (by recorder) differs from their dates.
class MainWindowViews : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder may;
        may.recorder = QStringLiteral(u"A");
        may.date = QStringLiteral(u"2006/05/01");
        may.opponent = QStringLiteral(u"赤坂SC");
        may.goal(10, QStringLiteral(u"S9"));
        GameBuilder april;
        april.recorder = QStringLiteral(u"B");
        april.opponent = QStringLiteral(u"青葉FC");
        april.conceded(20);
        GameBuilder june;
        june.recorder = QStringLiteral(u"C");
        june.date = QStringLiteral(u"2006/06/01");
        june.opponent = QStringLiteral(u"白山");
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]"),
                  may.line(), april.line(), june.line()});
    }
    QWidget* frame(int k) { return find<QWidget>(QStringLiteral(u"fr_data_") + QString::number(k)); }
    QTreeView* list() { return find<QTreeView>(u"lstv_game"); }
    QString cell(int row, int column) { return list()->model()->index(row, column).data().toString(); }
};

TEST_F(MainWindowViews, LoadingShowsTheListAndTheDetailCaption) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [試合データ詳細]"));
    EXPECT_TRUE(frame(0)->isVisible());
    EXPECT_FALSE(frame(1)->isVisible());
    EXPECT_TRUE(find<QAction>(u"tb_main_12")->isChecked());
    EXPECT_TRUE(find<QAction>(u"menu_game_reference1")->isChecked());
    ASSERT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), QStringLiteral(u"2006/04/01 10:00"));
    EXPECT_EQ(cell(0, 2), QStringLiteral(u"0-1"));
    EXPECT_EQ(find<QComboBox>(u"cb_game_data")->count(), 3);
    EXPECT_EQ(find<QComboBox>(u"cb_game_data")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>(u"cb_date_3")->count(), 3);
    EXPECT_EQ(find<QComboBox>(u"cb_player")->count(), 14);
}

TEST_F(MainWindowViews, ToolbarAndMenuSwitchViewsAndRewriteTheCaption) {
    find<QAction>(u"tb_main_14")->trigger();
    EXPECT_TRUE(frame(2)->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [チームデータ]"));
    EXPECT_TRUE(find<QAction>(u"menu_game_reference3")->isChecked());
    EXPECT_FALSE(find<QAction>(u"menu_game_reference1")->isChecked());

    find<QAction>(u"menu_game_reference4")->trigger();
    EXPECT_TRUE(frame(3)->isVisible());
    EXPECT_FALSE(frame(2)->isVisible());
    EXPECT_TRUE(find<QAction>(u"tb_main_15")->isChecked());
    EXPECT_FALSE(find<QAction>(u"tb_main_14")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [個人データ]"));

    // The pressed button again: the same view, the caption written again.
    window->setWindowTitle(QString());
    find<QAction>(u"tb_main_15")->trigger();
    EXPECT_TRUE(find<QAction>(u"tb_main_15")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [個人データ]"));
}

TEST_F(MainWindowViews, ToolbarButtonsAndShortcutsCarryTheirTexts) {
    EXPECT_EQ(find<QAction>(u"tb_main_5")->text(), QStringLiteral(u"印刷"));
    EXPECT_EQ(find<QAction>(u"tb_main_9")->toolTip(), QStringLiteral(u"試合データ入力"));
    EXPECT_EQ(find<QAction>(u"menu_game_reference2")->shortcut(), QKeySequence(Qt::Key_F6));
}

TEST_F(MainWindowViews, TheContextMenuOpensTheSelectedRowsGameWhateverTheOrder) {
    // Sorted by opponent the rows are 白山 (June), 赤坂SC (May), 青葉FC (April).
    list()->header()->sectionClicked(1);
    EXPECT_EQ(cell(0, 1), QStringLiteral(u"白山"));
    find<QAction>(u"menu_popup_lst_game")->trigger();  // no row selected: nothing happens
    EXPECT_TRUE(frame(0)->isVisible());

    list()->setCurrentIndex(list()->model()->index(1, 0));
    find<QAction>(u"menu_popup_lst_game")->trigger();
    EXPECT_TRUE(frame(1)->isVisible());
    EXPECT_EQ(cell(0, 1), QStringLiteral(u"青葉FC"));  // back in date order
    EXPECT_TRUE(find<QAction>(u"tb_main_13")->isChecked());
    EXPECT_TRUE(find<QAction>(u"menu_game_reference1")->isChecked());  // the menu's marks stay
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [試合データ詳細]"));
    EXPECT_EQ(find<QComboBox>(u"cb_game_data")->currentText(),
              QStringLiteral(u"2006/05/01 - 10:00 - 赤坂SC - 市民グラウンド"));
    EXPECT_TRUE(
        find<QTextEdit>(u"tx_game_data_0")->toPlainText().startsWith(QStringLiteral(u"◇ 2006/05/01")));
    EXPECT_EQ(find<QTextEdit>(u"tx_game_data_8")->toPlainText(), QStringLiteral(u"\n\n赤坂SC"));
}

TEST_F(MainWindowViews, RefreshingEmptiesTheSheetAndTheChoosersSelection) {
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(1);
    EXPECT_EQ(find<QTextEdit>(u"tx_game_data_9")->toPlainText(), QStringLiteral(u"\n\n1"));
    window->refresh_game_lists();
    EXPECT_EQ(find<QTextEdit>(u"tx_game_data_9")->toPlainText(), QStringLiteral(u"失点"));
    EXPECT_EQ(find<QComboBox>(u"cb_game_data")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>(u"cb_meeting")->currentText(), QString());
}

TEST_F(MainWindowViews, TheWheelOverASheetBoxScrollsTheSheetAndNumbersLineUp) {
    GameBuilder busy;
    busy.date = QStringLiteral(u"2006/07/01");
    for (int minute = 5; minute <= 85; minute += 10) {
        busy.goal(minute, QStringLiteral(u"S10"), QStringLiteral(u"S11"));
    }
    busy.substitution(30, QStringLiteral(u"CB"), QStringLiteral(u"R1"), QStringLiteral(u"S4"));
    busy.substitution(60, QStringLiteral(u"CB"), QStringLiteral(u"R2"), QStringLiteral(u"R1"));
    store.game_lines.append(busy.line());
    window->refresh_game_lists();
    window->resize(700, 420);
    find<QAction>(u"tb_main_13")->trigger();
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(3);
    QApplication::processEvents();
    auto* sheet = find<QScrollArea>(u"pt_game_data");
    auto* starters = find<QTextEdit>(u"tx_game_data_22");
    ASSERT_GT(sheet->verticalScrollBar()->maximum(), 0);
    ASSERT_EQ(sheet->verticalScrollBar()->value(), 0);

    const QPointF inside(10, 10);
    QWheelEvent wheel(inside, starters->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // As the window system sends it: only such wheel events travel on to the parents.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(starters->viewport(), &wheel);
    EXPECT_GT(sheet->verticalScrollBar()->value(), 0);
    EXPECT_EQ(starters->verticalScrollBar()->value(), 0);
    // The blanks that pad the minutes line them up only in a fixed-pitch font.
    for (QTextEdit* box : {starters, find<QTextEdit>(u"tx_player_1")}) {
        const QFontMetrics metrics(box->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral(u"1")),
                  metrics.horizontalAdvance(QStringLiteral(u" ")));
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral(u"　")),
                  2 * metrics.horizontalAdvance(QStringLiteral(u" ")));
    }
}

TEST_F(MainWindowViews, FilterBarsStayWholeInTheNarrowestWindow) {
    window->resize(1, 1);
    for (const char16_t* view : {u"tb_main_14", u"tb_main_15", u"tb_main_graph"}) {
        find<QAction>(view)->trigger();
        QApplication::processEvents();
        for (const char16_t* bar : {u"fr_setting", u"fr_player_setting", u"fr_graph_setting"}) {
            auto* frame = find<QWidget>(bar);
            if (!frame->isVisible()) {
                continue;
            }
            EXPECT_GE(frame->width(), frame->sizeHint().width()) << QString::fromUtf16(bar).toStdString();
            const QList<QWidget*> controls =
                frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* control : controls) {
                if (!control->isVisible()) {
                    continue;
                }
                EXPECT_GE(control->width(), control->minimumSizeHint().width())
                    << control->objectName().toStdString();
                for (QWidget* other : controls) {
                    if (other != control && other->isVisible()) {
                        EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                            << control->objectName().toStdString() << " "
                            << other->objectName().toStdString();
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kl
