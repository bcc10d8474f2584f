// What the wizard shows: colours that come back, a window that keeps its size, focus and Enter,
// event lines read in full, locked boxes that look locked and picks that leave no highlight.
#include "game_entry_fixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace kl {
namespace {

class WizardDisplay : public test::GameEntry {
  protected:
    // Page 3 of a game of meeting (0: league, 1: cup with golden goal and shoot-out).
    EventPageView* open_page3(int meeting = 0) {
        fill_page1();
        wizard->cb_meeting->setCurrentIndex(meeting);
        wizard->cm_next[0]->click();
        fill_page2();
        wizard->cm_next[1]->click();
        return wizard->events;
    }
    void settle() { QApplication::processEvents(); }
};

TEST_F(WizardDisplay, ColoursGoBackToTheButtonFaceWhenTheirPartIsUndone) {
    fill_page1();
    wizard->cm_next[0]->click();
    wizard->cb_formation->setCurrentIndex(0);
    const QColor face = test::drawn_colour(wizard->cm_poji[4]);
    ASSERT_FALSE(test::looks_light_cyan(face));
    wizard->cm_poji[4]->click();
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(wizard->cm_poji[4])));
    wizard->cm_poji[4]->click();  // the row toggle empties the row
    EXPECT_EQ(test::drawn_colour(wizard->cm_poji[4]), face);

    wizard->cm_back[1]->click();
    wizard->cb_meeting->setCurrentIndex(1);
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    events->op_input[3]->click();
    click_pitch(10);
    choose(0, 1, 0, 1);
    click_pitch(9);
    choose(1, 0, 2, 3);
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_point)));
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_assist)));
    events->cm_event_add->click();
    events->op_input[3]->click();  // 追加 hid the assist row; ask for it again to see its button
    choose(0, 1, 0, 1);
    EXPECT_EQ(test::drawn_colour(events->cm_assist), face);
    choose(0, 1, 0, 0);
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_point)));
    events->op_input[4]->click();
    choose(3, 0, 0, 1);
    choose(4, 1, 2, 4);
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_l_assist)));
    events->cm_event_add->click();
    EXPECT_EQ(test::drawn_colour(events->cm_l_point), face);
    EXPECT_EQ(test::drawn_colour(events->cm_l_assist), face);

    events->cm_ex->click();  // 1 - 1: extra time
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_ex)));
    events->cm_harf->click();
    EXPECT_EQ(test::drawn_colour(events->cm_ex), face);
    events->cm_ex->click();
    events->op_input[2]->click();
    click_pitch(3);
    events->cm_event_add->click();  // a caution, the only extra-time event
    events->cm_event_line_delete->click();
    EXPECT_EQ(test::drawn_colour(events->cm_ex), face);

    events->cm_pk->click();
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(events->cm_pk)));
    events->op_pk[0]->click();
    click_pitch(9);
    events->cm_pk_point[0]->click();
    events->cm_pk_point[3]->click();
    events->cm_event_add->click();
    events->cm_event_line_delete->click();  // the only shoot-out event
    EXPECT_EQ(test::drawn_colour(events->cm_pk), face);
    EXPECT_EQ(test::drawn_colour(events->cm_ex), face);
    events->cm_pk->click();
    events->cm_event_all_delete->click();
    EXPECT_EQ(test::drawn_colour(events->cm_pk), face);
    EXPECT_EQ(test::drawn_colour(events->cm_ex), face);
}

TEST_F(WizardDisplay, DetailPanelsNeverChangeTheWindowsSize) {
    EventPageView* events = open_page3();
    settle();
    const QSize page_size = wizard->size();
    const auto same_size_after = [&](const std::function<void()>& action, const char* what) {
        action();
        settle();
        EXPECT_EQ(wizard->size(), page_size) << what;
    };
    same_size_after([&] { events->op_input[3]->click(); }, "goal kind");
    same_size_after([&] { events->cm_point->click(); }, "finish panel open");
    same_size_after([&] { events->detail_panels[0].ok->click(); }, "finish panel closed");
    same_size_after([&] { choose(0, 1, 0, 1); }, "assist row shown");
    same_size_after([&] { events->cm_assist->click(); }, "assist panel open");
    same_size_after([&] { events->detail_panels[1].ok->click(); }, "assist panel closed");
    same_size_after([&] { events->ck_own->click(); }, "own goal");
    same_size_after([&] { events->cm_own->click(); }, "own-goal panel open");
    same_size_after([&] { events->detail_panels[2].ok->click(); }, "own-goal panel closed");
    same_size_after([&] { events->op_input[4]->click(); }, "conceded kind");
    for (int panel : {3, 4}) {
        same_size_after([&] { choose(panel, 0, 0, 0); }, "conceded panel");
    }
    // While a panel is open the list still shows its last lines.
    events->cm_event_add->click();
    events->cm_l_point->click();
    settle();
    QTreeWidget* list = events->lstv_event;
    const QRect last_line = list->visualItemRect(list->topLevelItem(list->topLevelItemCount() - 1));
    EXPECT_GE(last_line.top(), 0);
    EXPECT_LE(last_line.bottom(), list->viewport()->height());
    EXPECT_GT(list->viewport()->height(), 2 * last_line.height());
}

TEST_F(WizardDisplay, EachPageStartsInItsFirstInputAndEnterNeverGoesBack) {
    EXPECT_EQ(wizard->focusWidget(), wizard->tx_date);
    fill_page1();
    for (QPushButton* button : {wizard->cm_back[0], wizard->cm_cancel[0]}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
    }
    ASSERT_NE(test::find_window(QStringLiteral(u"fm_game_input")), nullptr);
    wizard->cm_next[0]->click();
    EXPECT_EQ(wizard->focusWidget(), wizard->cb_formation);
    fill_page2();
    for (QPushButton* button : {wizard->cm_back[1], wizard->cm_cancel[1]}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    }
    ASSERT_EQ(wizard->page(), 1);
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    EXPECT_EQ(wizard->focusWidget(), events->op_input[0]);
    wizard->cm_back[2]->setFocus();
    QTest::keyClick(wizard->cm_back[2], Qt::Key_Return);
    EXPECT_EQ(wizard->page(), 2);

    // Tab follows the time row as it stands; the scores take no focus.
    const std::array<QWidget*, 5> row = {events->cm_time_down[1], events->cm_time_down[0],
                                         events->tx_event_time, events->cm_time_up[0], events->cm_time_up[1]};
    for (size_t i = 0; i + 1 < row.size(); ++i) {
        QWidget* next = row[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, row[i + 1]) << i;
    }
    EXPECT_EQ(events->tx_score1->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(events->tx_score2->focusPolicy(), Qt::NoFocus);
}

TEST_F(WizardDisplay, AnEventLineIsReadableInFull) {
    EventPageView* events = open_page3();
    events->op_input[4]->click();
    choose(3, 0, 1, 1);
    choose(4, 1, 1, 7);
    events->cm_event_add->click();
    events->op_input[3]->click();
    click_pitch(10);
    choose(0, 1, 1, 1);
    click_pitch(9);
    choose(1, 0, 1, 1);
    events->cm_event_add->click();
    QTreeWidget* list = events->lstv_event;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        const QString content = item->text(2);
        EXPECT_GE(list->columnWidth(2), list->fontMetrics().horizontalAdvance(content)) << row;
        EXPECT_TRUE(item->toolTip(2).contains(content)) << row;
    }
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
}

TEST_F(WizardDisplay, UsedPicksLeaveNoHighlight) {
    EventPageView* events = open_page3();
    QTreeWidget* pitch = events->lstv_sm;
    QTest::mouseClick(pitch->viewport(), Qt::LeftButton, {},
                      pitch->visualItemRect(pitch->topLevelItem(3)).center());
    QTest::mouseClick(events->lst_rm->viewport(), Qt::LeftButton, {},
                      events->lst_rm->visualItemRect(events->lst_rm->item(0)).center());
    ASSERT_EQ(events->tx_out->text(), QStringLiteral(u"選手4"));
    ASSERT_EQ(pitch->selectedItems().size(), 1);
    events->cm_event_add->click();
    EXPECT_TRUE(pitch->selectedItems().isEmpty());
    EXPECT_TRUE(events->lst_rm->selectedItems().isEmpty());
}

TEST_F(WizardDisplay, ReserveSlotsThatWaitLookLocked) {
    wizard->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    store.keyboard_entry = true;
    window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
    wizard = qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    fill_page1();
    wizard->cb_writer[1]->setEditText(QStringLiteral(u"山田"));
    wizard->cb_ground[1]->setEditText(QStringLiteral(u"市民グラウンド"));
    wizard->cb_team[1]->setEditText(QStringLiteral(u"青葉FC"));
    wizard->cm_next[0]->click();
    ASSERT_EQ(wizard->page(), 1);
    QLineEdit* first = wizard->tx_member[11];
    QLineEdit* second = wizard->tx_member[12];
    EXPECT_TRUE(first->isEnabled());
    EXPECT_FALSE(first->isReadOnly());
    EXPECT_FALSE(second->isEnabled());
    EXPECT_TRUE(second->isReadOnly());
    first->setText(QStringLiteral(u"控え"));
    EXPECT_TRUE(second->isEnabled());
    EXPECT_FALSE(wizard->tx_member[13]->isEnabled());
}

}  // namespace
}  // namespace kl
