#include "game_entry_fixture.h"
#include "support/file_systems.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace kl {
namespace {

using test::GameEntry;

// Typing with keyboard entry on: names come through the text boxes, typed with an input method.
class KeyboardEntry : public GameEntry {
  protected:
    // Opens the wizard again with keyboard entry on.
    void reopen_with_keyboard_entry() {
        wizard->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        store.keyboard_entry = true;
        window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
        wizard = qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
        ASSERT_NE(wizard, nullptr);
    }
    // What an input method sends while a name is typed: text it has committed, and text it is still
    // composing (shown underlined, not yet the box's text).
    static void type_through_input_method(QLineEdit* box, const QString& committed,
                                          const QString& composing) {
        box->setFocus();
        QInputMethodEvent event(composing, {});
        event.setCommitString(committed);
        QApplication::sendEvent(box, &event);
    }
};

TEST_F(GameEntry, AGameIsEnteredFromEndToEnd) {
    ASSERT_NE(wizard, nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral(u"試合データ入力 （1/3）"));
    EXPECT_EQ(wizard->lb_game_time1->text(), QString());
    fill_page1();
    EXPECT_EQ(wizard->lb_game_time1->text(), QStringLiteral(u"80　分"));
    wizard->cm_next[0]->click();
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral(u"試合データ入力 （2/3）"));
    fill_page2();
    EXPECT_EQ(wizard->cm_poji[10]->text(), QStringLiteral(u"CF"));
    EXPECT_EQ(wizard->tx_member[12]->text(), QStringLiteral(u"選手13"));
    wizard->cm_next[1]->click();
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral(u"試合データ入力 （3/3）"));

    EventPageView* events = wizard->events;
    events->op_input[3]->click();
    click_pitch(10);
    choose(0, 1, 0, 1);  // 右足, 中央（エリア内）, 被アシスト
    click_pitch(9);
    choose(1, 0, 2, 3);  // 頭, 右サイド, CK
    for (int i = 0; i < 2; ++i) {
        events->cm_time_up[1]->click();
    }
    events->cm_event_add->click();
    events->ck_own->click();
    choose(2, 1, 3, 0);  // 足, 左サイド, シュート
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    events->op_input[4]->click();
    choose(3, 0, 0, 1);
    choose(4, 1, 2, 4);
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    EXPECT_EQ(events->tx_score1->text(), QStringLiteral(u"2"));
    EXPECT_EQ(events->tx_score2->text(), QStringLiteral(u"1"));
    ASSERT_EQ(events->lstv_event->topLevelItemCount(), 3);
    EXPECT_EQ(events->lstv_event->topLevelItem(1)->text(2), QStringLiteral(u"オウンゴール - 左サイド"));

    wizard->cm_next[2]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_game_input")), nullptr);
    EXPECT_TRUE(window->isEnabled());
    const QString expected = QStringLiteral(
        u"#,山田,2006/04/01,10:30,市民グラウンド,青葉FC,リーグ戦,80,なし,,,なし,4-4-2,"
        u"GK,選手1,SB,選手2,SB,選手3,CB,選手4,CB,選手5,CH,選手6,CH,選手7,SH,選手8,SH,選手9,CF,選手10,CF,"
        u"選手11,"
        u"選手12,選手13,,,,,,,,"
        u"20,得点・アシスト,,得点者,選手11,右足,中央（エリア内）,被アシスト,アシスト者,選手10,頭,右サイド,CK,"
        u"30,得点・アシスト,,得点者,オウンゴール,足,左サイド,シュート,アシスト者,,,,,"
        u"40,失点,,フィニッシュ,頭,中央（エリア内）,被アシスト,1プレー前,足,右サイド,CK,##");
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"team.kld")).back(), expected);
    EXPECT_EQ(store.game_lines, QStringList{expected});
    // The main window shows the new game.
    window->findChild<QAction*>(QStringLiteral(u"tb_main_12"))->trigger();
    EXPECT_TRUE(
        window->view_copy_text().contains(QStringLiteral(u"2006/04/01 10:30\t青葉FC\t2-1\tリーグ戦")));
}

TEST_F(GameEntry, CardsSubstitutionsAndFormationChangesShowOnThePitchList) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    const QColor yellow(0xC0, 0xC0, 0x00);
    const QColor red(0xC0, 0x00, 0x00);

    events->op_input[2]->click();
    click_pitch(3);
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手4"));
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(3)->foreground(1).color(), yellow);
    EXPECT_EQ(events->lstv_event->topLevelItem(0)->foreground(2).color(), yellow);
    click_pitch(5);
    events->op_card[1]->click();
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(5)->text(1), QString());
    EXPECT_EQ(events->lstv_event->topLevelItem(1)->text(2), QStringLiteral(u"退場 - 選手6"));
    EXPECT_EQ(events->lstv_event->topLevelItem(1)->foreground(2).color(), red);

    events->op_input[0]->click();
    EXPECT_TRUE(events->lst_rm->isEnabled());
    click_pitch(3);
    emit events->lst_rm->itemClicked(events->lst_rm->item(1));
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(3)->text(1), QStringLiteral(u"選手13"));
    EXPECT_NE(events->lstv_sm->topLevelItem(3)->foreground(1).color(), yellow);
    EXPECT_EQ(events->lst_rm->count(), 1);

    events->op_input[5]->click();
    events->cb_formation_change->setCurrentIndex(
        events->cb_formation_change->findText(QStringLiteral(u"3-5-2")));
    EXPECT_EQ(events->lstv_sm->topLevelItem(10)->text(1), QStringLiteral(u"→　　　CF"));
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(10)->text(1), QStringLiteral(u"選手11"));
    EXPECT_EQ(events->lstv_sm->topLevelItem(1)->text(0), QStringLiteral(u"CB"));
    EXPECT_EQ(events->tx_formation->text(), QStringLiteral(u"3-5-2"));
    events->cm_event_line_delete->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(1)->text(0), QStringLiteral(u"SB"));
    EXPECT_EQ(events->tx_formation->text(), QStringLiteral(u"4-4-2"));
}

TEST_F(GameEntry, AShootOutIsKickedStoredAndTakenBackThroughItsPanel) {
    fill_page1();
    wizard->cb_meeting->setCurrentIndex(1);
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    events->cm_pk->click();
    EXPECT_TRUE(events->fr_pk->isVisibleTo(wizard));
    EXPECT_FALSE(events->fr_event[0]->isVisibleTo(wizard));
    EXPECT_EQ(events->lb_event_time->text(), QStringLiteral(u"時間 （ - ）"));
    EXPECT_FALSE(events->cm_event_line_delete->isEnabled());

    events->op_pk[0]->click();
    {
        test::MessageBoxAnswerer answerer;
        events->cm_pk_point[0]->click();
        EXPECT_EQ(answerer.last_text(), QStringLiteral(u"左のリストからメンバーを選択して下さい。"));
    }
    click_pitch(9);
    EXPECT_EQ(events->tx_pk->text(), QStringLiteral(u"選手10"));
    events->cm_pk_point[0]->click();
    EXPECT_EQ(events->lstv_sm->topLevelItem(9)->text(1), QString());
    EXPECT_FALSE(events->op_pk[1]->isEnabled());
    EXPECT_FALSE(events->cm_event_add->isEnabled());
    events->cm_pk_point[3]->click();
    EXPECT_TRUE(events->cm_event_add->isEnabled());
    EXPECT_EQ(events->lstv_pk->topLevelItem(0)->text(2), QStringLiteral(u"×"));
    EXPECT_EQ(events->tx_pk_point[0]->text(), QStringLiteral(u"1"));

    events->cm_event_add->click();
    ASSERT_EQ(events->lstv_event->topLevelItemCount(), 1);
    EXPECT_EQ(events->lstv_event->topLevelItem(0)->text(1), QStringLiteral(u"PK戦"));
    EXPECT_FALSE(events->cm_pk_delete->isEnabled());
    EXPECT_FALSE(events->op_pk[0]->isChecked());
    events->cm_event_line_delete->click();
    EXPECT_EQ(events->lstv_event->topLevelItemCount(), 0);
    EXPECT_FALSE(events->fr_pk->isVisibleTo(wizard));
    EXPECT_TRUE(events->op_input[0]->isChecked());
    EXPECT_EQ(events->lstv_sm->topLevelItem(9)->text(1), QStringLiteral(u"選手10"));
    EXPECT_EQ(events->lstv_pk->topLevelItemCount(), 0);
}

TEST_F(GameEntry, TheSameGameIsRefusedAndBackOnPageThreeAsksFirst) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    wizard->cm_next[2]->click();  // a game without events
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(store.game_lines.size(), 1);

    window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
    wizard = qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    fill_page1();
    test::MessageBoxAnswerer answerer(QMessageBox::No);
    wizard->cm_next[0]->click();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「日付」　「開始時間」　「場所」　「対戦相手」　が同一の"
                                                   u"データが存在します。どれかを訂正して下さい。"));
    EXPECT_EQ(wizard->page(), 0);
    wizard->cb_time_m->setCurrentIndex(7);
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    wizard->events->op_input[4]->click();
    choose(3, 0, 0, 1);
    choose(4, 1, 2, 4);
    wizard->events->cm_event_add->click();
    wizard->cm_back[2]->click();
    EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"イベントの削除"));
    EXPECT_EQ(wizard->page(), 2);
    answerer.set_answer(QMessageBox::Yes);
    wizard->cm_back[2]->click();
    EXPECT_EQ(wizard->page(), 1);
    EXPECT_EQ(wizard->tx_member[0]->text(), QStringLiteral(u"選手1"));  // page 2 keeps what was entered
    // Page 3 is left cleared.
    EventPageView* events = wizard->events;
    EXPECT_EQ(events->tx_score2->text(), QStringLiteral(u"0"));
    EXPECT_TRUE(events->op_input[0]->isChecked());
    EXPECT_EQ(events->lstv_event->topLevelItemCount(), 0);
}

// Tests and scripts set controls directly; a choice made so counts as the user's click.
TEST_F(GameEntry, ChoicesSetByTheProgramCountLikeClicks) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->tx_member[0]->setText(QStringLiteral(u"控え1"));
    EXPECT_TRUE(test::looks_light_cyan(test::drawn_colour(wizard->cm_poji[0])));
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    QTreeWidget* pitch = events->lstv_sm;

    events->op_input[1]->setChecked(true);  // ポジション変更
    EXPECT_EQ(test::drawn_colour(events->lb_mem1), QColor(0xFF, 0x00, 0xFF));
    pitch->setCurrentItem(pitch->topLevelItem(2));
    EXPECT_EQ(events->tx_mem1->text(), QStringLiteral(u"選手3"));
    EXPECT_EQ(test::drawn_colour(events->lb_mem2), QColor(0xFF, 0x00, 0xFF));
    pitch->setCurrentItem(pitch->topLevelItem(4));
    EXPECT_EQ(events->tx_mem2->text(), QStringLiteral(u"選手5"));

    events->op_input[2]->setChecked(true);  // a card for the member picked last: the same row again
    pitch->setCurrentItem(pitch->topLevelItem(4));
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手5"));
    QTest::keyClick(pitch, Qt::Key_Down);  // the keys move on from the row picked last
    QTest::keyClick(pitch, Qt::Key_Down);
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手7"));
    QTest::mouseClick(pitch->viewport(), Qt::LeftButton, {},
                      pitch->visualItemRect(pitch->topLevelItem(8)).center());
    EXPECT_EQ(events->tx_card->text(), QStringLiteral(u"選手9"));
    events->op_card[1]->setChecked(true);
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_event->topLevelItem(0)->text(2), QStringLiteral(u"退場 - 選手9"));
}

TEST_F(GameEntry, TypedNamesAreStoredAndAddedToTheMasterListsWhenAskedTo) {
    wizard->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    store.keyboard_entry = true;
    store.add_typed_names = true;
    window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
    wizard = qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->cb_ground[1]->isVisible());
    EXPECT_FALSE(wizard->cb_ground[0]->isVisible());
    wizard->cb_time_h->setCurrentIndex(9);
    wizard->cb_time_m->setCurrentIndex(0);
    wizard->cb_writer[1]->setEditText(QStringLiteral(u"鈴木"));
    wizard->cb_ground[1]->setEditText(QStringLiteral(u"河川敷"));
    wizard->cb_team[1]->setEditText(QStringLiteral(u"青葉FC"));
    wizard->cb_meeting->setCurrentIndex(0);
    wizard->cm_next[0]->click();
    ASSERT_EQ(wizard->page(), 1);

    wizard->cb_formation->setCurrentIndex(0);
    // Reserves are typed in order: only the first empty slot takes typing.
    EXPECT_FALSE(wizard->tx_member[11]->isReadOnly());
    EXPECT_TRUE(wizard->tx_member[12]->isReadOnly());
    for (int box = 0; box < 11; ++box) {
        QLineEdit* edit = wizard->tx_member[static_cast<size_t>(box)];
        edit->setText(box == 0 ? QStringLiteral(u"新人GK")
                               : QStringLiteral(u"選手") + QString::number(box + 1));
    }
    wizard->tx_member[11]->setText(QStringLiteral(u"新人控え"));
    emit wizard->tx_member[11]->textEdited(wizard->tx_member[11]->text());
    EXPECT_FALSE(wizard->tx_member[12]->isReadOnly());
    wizard->cm_next[1]->click();
    ASSERT_EQ(wizard->page(), 2);
    wizard->cm_next[2]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(store.game_lines.at(0).startsWith(QStringLiteral(u"#,鈴木,")));
    EXPECT_EQ(store.recorder_list, QStringLiteral(u"山田,鈴木"));
    EXPECT_EQ(store.ground_list, QStringLiteral(u"市民グラウンド,河川敷"));
    EXPECT_EQ(store.opponent_list, QStringLiteral(u"青葉FC"));
    EXPECT_TRUE(store.member_list.endsWith(QStringLiteral(u",選手14,新人GK,新人控え")));
}

TEST_F(KeyboardEntry, TypedNamesAreCheckedAndStoredAsCommittedNotAsComposed) {
    reopen_with_keyboard_entry();
    wizard->cb_time_h->setCurrentIndex(9);
    wizard->cb_time_m->setCurrentIndex(0);
    wizard->cb_meeting->setCurrentIndex(0);
    type_through_input_method(wizard->cb_writer[1]->lineEdit(), {}, QStringLiteral(u"すずき"));
    EXPECT_EQ(wizard->cb_writer[1]->currentText(), QStringLiteral(u"1"));
    wizard->cb_writer[1]->setEditText(QString());
    type_through_input_method(wizard->cb_writer[1]->lineEdit(), QStringLiteral(u"鈴木"), {});
    // A "," still being composed is not part of the name yet, so the name check lets it pass.
    type_through_input_method(wizard->cb_ground[1]->lineEdit(), QStringLiteral(u"河川敷"),
                              QStringLiteral(u",ぐらうんど"));
    EXPECT_EQ(wizard->cb_ground[1]->currentText(), QStringLiteral(u"河川敷"));
    type_through_input_method(wizard->cb_team[1]->lineEdit(), QStringLiteral(u"青葉FC"), {});
    test::MessageBoxAnswerer answerer;
    wizard->cm_next[0]->click();
    EXPECT_TRUE(answerer.seen().empty()) << answerer.last_text().toStdString();
    ASSERT_EQ(wizard->page(), 1);

    wizard->cb_formation->setCurrentIndex(0);
    for (int box = 1; box < 11; ++box) {
        wizard->tx_member[static_cast<size_t>(box)]->setText(QStringLiteral(u"選手") +
                                                             QString::number(box + 1));
    }
    type_through_input_method(wizard->tx_member[0], QStringLiteral(u"新人"),
                              QStringLiteral(u",ごーるきーぱー"));
    type_through_input_method(wizard->tx_member[11], {}, QStringLiteral(u"ひかえ"));
    wizard->cm_next[1]->click();
    EXPECT_TRUE(answerer.seen().empty()) << answerer.last_text().toStdString();
    ASSERT_EQ(wizard->page(), 2);
    wizard->cm_next[2]->click();
    const QString stored = store.game_lines.value(0);
    EXPECT_TRUE(stored.startsWith(QStringLiteral(u"#,鈴木,"))) << stored.toStdString();
    EXPECT_TRUE(stored.contains(QStringLiteral(u",河川敷,"))) << stored.toStdString();
    EXPECT_TRUE(stored.contains(QStringLiteral(u",新人,"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(QStringLiteral(u"ひかえ"))) << stored.toStdString();

    // A "," the input method commits is the name's, and refused.
    reopen_with_keyboard_entry();
    wizard->cb_time_h->setCurrentIndex(10);
    wizard->cb_time_m->setCurrentIndex(0);
    wizard->cb_meeting->setCurrentIndex(0);
    wizard->cb_writer[1]->setEditText(QStringLiteral(u"鈴木"));
    type_through_input_method(wizard->cb_ground[1]->lineEdit(), QStringLiteral(u"河川敷,第2"), {});
    type_through_input_method(wizard->cb_team[1]->lineEdit(), QStringLiteral(u"青葉FC"), {});
    wizard->cm_next[0]->click();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));
    EXPECT_EQ(wizard->page(), 0);
}

TEST_F(GameEntry, AFailedSaveKeepsTheWizardOpenAndTheStoreAsItWas) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    store.data_file_path.clear();  // nothing can be saved now
    test::MessageBoxAnswerer answerer;
    wizard->cm_next[2]->click();
    EXPECT_EQ(answerer.seen().at(0).title, QStringLiteral(u"保存エラー"));
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_EQ(wizard->page(), 2);
    EXPECT_NE(test::find_window(QStringLiteral(u"fm_game_input")), nullptr);
}

TEST_F(GameEntry, AGameThatCannotBeWrittenIsReportedAndNotStored) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    const QByteArray before = test::read_bytes(QStringLiteral(u"team.kld"));
    const test::ReadOnlyFolder read_only(QDir::currentPath());
    if (!read_only.ready()) {
        GTEST_SKIP() << read_only.why_not().toStdString();
    }
    test::MessageBoxAnswerer answerer;
    wizard->cm_next[2]->click();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「team.kld」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"team.kld")), before);
    EXPECT_EQ(wizard->page(), 2);
}

// The file changes behind the program while a game is entered (another computer added a member).
// いいえ keeps that version: the wizard stays open with its game, and 完了 then adds the game to it.
TEST_F(GameEntry, CompletingOverAFileChangedOnDiskAsksAndCanAddTheGameToTheOtherVersion) {
    fill_page1();
    wizard->cm_next[0]->click();
    fill_page2();
    wizard->cm_next[1]->click();
    QStringList theirs = test::read_lines_cp932(QStringLiteral(u"team.kld"));
    theirs[3] += QStringLiteral(u",選手15");
    test::write_cp932_lines(QStringLiteral(u"team.kld"), theirs);

    test::MessageBoxAnswerer answerer(QMessageBox::No);
    wizard->cm_next[2]->click();
    ASSERT_EQ(answerer.seen().size(), 2U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"変更の確認"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「team.kld」　は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_TRUE(answerer.seen()[1].text.startsWith(
        QStringLiteral(u"「team.kld」　を読み込み直しました。保存しなかった変更は　「backup/team_")));
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"team.kld")), theirs);
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_TRUE(store.member_list.endsWith(QStringLiteral(u",選手15")));
    EXPECT_EQ(wizard->page(), 2);
    EXPECT_NE(test::find_window(QStringLiteral(u"fm_game_input")), nullptr);

    answerer.clear();
    wizard->cm_next[2]->click();
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_game_input")), nullptr);
    const QStringList merged = test::read_lines_cp932(QStringLiteral(u"team.kld"));
    EXPECT_EQ(merged[3], theirs[3]);
    ASSERT_EQ(store.game_lines.size(), 1);
    EXPECT_EQ(merged.back(), store.game_lines[0]);
    EXPECT_EQ(find<QTreeView>(u"lstv_game")->model()->rowCount(), 1);
}

}  // namespace
}  // namespace kl
