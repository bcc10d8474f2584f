// The wizard by the keyboard: Esc, the line-up one key per position, the pitch list reached by Tab
// and the detail panels.
#include "game_entry_fixture.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace kl {
namespace {

class WizardKeys : public test::GameEntry {
  protected:
    // Keys reach the shortcuts of the active window.
    void SetUp() override {
        GameEntry::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(wizard));
    }
    static void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool wizard_open() const { return test::find_window(QStringLiteral(u"fm_game_input")) != nullptr; }
};

TEST_F(WizardKeys, EscClosesAtOnceWhileNothingIsEntered) {
    test::MessageBoxAnswerer answerer;
    QTest::keyClick(wizard->tx_date, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(wizard_open());
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WizardKeys, EscAsksFirstWhenSomethingWasEntered) {
    wizard->cb_time_h->setCurrentIndex(10);
    test::MessageBoxAnswerer answerer(QMessageBox::No);
    QTest::keyClick(wizard->cb_time_h, Qt::Key_Escape);
    settle();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"入力の中止"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"入力した内容は保存されません。閉じてもよろしいですか？"));
    ASSERT_TRUE(wizard_open());

    // Past page 1 the entry counts as started, whatever page 1 shows now.
    wizard->cb_time_h->setCurrentIndex(-1);
    fill_page1();
    wizard->cm_next[0]->click();
    wizard->cm_back[1]->click();
    answerer.set_answer(QMessageBox::Yes);
    // The window system gives the wizard back its focus when the box is gone.
    wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard));
    QTest::keyClick(wizard->tx_date, Qt::Key_Escape);
    settle();
    EXPECT_EQ(answerer.seen().size(), 2u);
    EXPECT_FALSE(wizard_open());
}

TEST_F(WizardKeys, SpaceOnThePositionButtonsFillsTheLineUpOneKeyEach) {
    fill_page1();
    wizard->cm_next[0]->click();
    wizard->cb_formation->setCurrentIndex(0);
    wizard->cm_poji[0]->setFocus();
    for (int key = 0; key < 11; ++key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    for (int row = 0; row < 11; ++row) {
        EXPECT_EQ(wizard->tx_member[static_cast<size_t>(row)]->text(),
                  QStringLiteral(u"選手") + QString::number(row + 1))
            << row;
    }
    // Then the reserves, one key each.
    EXPECT_EQ(QApplication::focusWidget(), wizard->cm_r_add);
    QTest::keyClick(wizard->cm_r_add, Qt::Key_Space);
    EXPECT_EQ(wizard->tx_member[11]->text(), QStringLiteral(u"選手12"));
}

TEST_F(WizardKeys, TabbingIntoThePitchListPicksNobodyUntilSpace) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    events->op_input[2]->click();  // 警告・退場
    QWidget* before = events->lstv_sm->previousInFocusChain();
    while (!before->isEnabled() || before->focusPolicy() == Qt::NoFocus || !before->isVisible()) {
        before = before->previousInFocusChain();
    }
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), events->lstv_sm);
    EXPECT_TRUE(events->tx_card->text().isEmpty());
    QTest::keyClick(events->lstv_sm, Qt::Key_Space);
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手1"));
    QTest::keyClick(events->lstv_sm, Qt::Key_Down);
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手2"));
}

TEST_F(WizardKeys, ADetailPanelOpensWithTheFocusOnItsBodyPart) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    events->op_input[3]->click();
    click_pitch(10);
    events->cm_point->click();
    EXPECT_EQ(QApplication::focusWidget(), events->detail_panels[0].groups[0]->button(0));
    events->detail_panels[0].groups[0]->button(2)->click();
    events->detail_panels[0].ok->click();
    events->cm_point->click();  // opened again on what was chosen
    EXPECT_EQ(QApplication::focusWidget(), events->detail_panels[0].groups[0]->button(2));
}

}  // namespace
}  // namespace kl
