#include "master/fm_setting_input.h"
#include "store/data_store.h"
#include "support/file_systems.h"
#include "support/message_boxes.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTreeWidget>

namespace kl {
namespace {

// The master data window on a new team file in a temporary folder.
class MasterDataWindow : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        store.team_name = QStringLiteral(u"テストFC");
        store.data_file_path = QStringLiteral(u"team.kld");
        ASSERT_TRUE(store.save_team_data().ok);
        window = std::make_unique<fm_setting_input>(store, &owner);
        window->show();
    }
    void TearDown() override {
        window.reset();
        InTemporaryFolder::TearDown();
    }
    template <typename T>
    T* find(const char16_t* name) {
        T* found = window->findChild<T*>(QString::fromUtf16(name));
        EXPECT_NE(found, nullptr) << QString::fromUtf16(name).toStdString();
        return found;
    }
    void click(const char16_t* name) { find<QPushButton>(name)->click(); }
    void type(const char16_t* box, const QString& text) { find<QLineEdit>(box)->setText(text); }
    // A line of the saved file, by its header.
    QString saved_line_after(const QString& header, int offset = 1) {
        const QStringList lines = test::read_lines_cp932(QStringLiteral(u"team.kld"));
        return lines.value(lines.indexOf(header) + offset);
    }
    QWidget owner;
    md::DataStore store;
    std::unique_ptr<fm_setting_input> window;
};

TEST_F(MasterDataWindow, OpensOnTheMemberPage) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"入力項目設定"));
    EXPECT_EQ(find<QTabBar>(u"ts_setting")->count(), 5);
    EXPECT_EQ(find<QTabBar>(u"ts_setting")->tabText(3), QStringLiteral(u"フォーメーション"));
    EXPECT_TRUE(find<QWidget>(u"fr_input_setting_0")->isVisible());
}

TEST_F(MasterDataWindow, MembersAreAddedSortedSavedAtOnceAndDeleted) {
    test::MessageBoxAnswerer answerer;
    for (const QString& name : {QStringLiteral(u"鈴木"), QStringLiteral(u"佐藤"), QStringLiteral(u"高橋")}) {
        type(u"tx_member", name);
        click(u"cm_member_add");
    }
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[メンバー]")), QStringLiteral(u"鈴木,佐藤,高橋"));
    auto* list = find<QListWidget>(u"lst_member");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral(u"佐藤"));
    EXPECT_TRUE(find<QLineEdit>(u"tx_member")->text().isEmpty());

    type(u"tx_member", QStringLiteral(u"佐藤"));
    click(u"cm_member_add");
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"既に使われている　「メンバー名」　です。変更して下さい。"));
    EXPECT_EQ(find<QLineEdit>(u"tx_member")->text(), QStringLiteral(u"佐藤"));
    type(u"tx_member", QStringLiteral(u"A,B"));
    click(u"cm_member_add");
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));
    EXPECT_EQ(list->count(), 3);
    // A pasted line break would make the file unreadable at the next start.
    QGuiApplication::clipboard()->setText(QStringLiteral(u"伊藤\r\n"));
    type(u"tx_member", QString());
    find<QLineEdit>(u"tx_member")->paste();
    click(u"cm_member_add");
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"名前に　「制御文字」　は使えません。変更して下さい。"));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[メンバー]")), QStringLiteral(u"鈴木,佐藤,高橋"));

    // Adding keeps the selection where it was: 削除 with nothing selected removes nothing.
    type(u"tx_member", QStringLiteral(u"伊藤"));
    click(u"cm_member_add");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    click(u"cm_member_delete");
    EXPECT_EQ(list->count(), 4);
    list->setCurrentRow(0);  // 伊藤
    click(u"cm_member_delete");

    // Deleting the last entry selects the new last one; the line is rewritten in the list's order.
    list->setCurrentRow(2);
    click(u"cm_member_delete");
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[メンバー]")), QStringLiteral(u"佐藤,鈴木"));
    EXPECT_EQ(list->currentRow(), 1);
    click(u"cm_member_delete");
    click(u"cm_member_delete");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[メンバー]")), QString());
}

TEST_F(MasterDataWindow, AMeetingWithGoldenGoalExtraTimeIsAddedAndChanged) {
    find<QTabBar>(u"ts_setting")->setCurrentIndex(4);
    click(u"cm_meeting_add");
    EXPECT_FALSE(find<QComboBox>(u"cb_ex")->isEnabled());
    type(u"tx_meeting", QStringLiteral(u"市民カップ"));
    click(u"cm_meeting_down2_0");  // 80
    find<QCheckBox>(u"ck_ex")->setChecked(true);
    EXPECT_TRUE(find<QComboBox>(u"cb_ex")->isEnabled());
    click(u"cm_meeting_down2_1");  // 20
    find<QComboBox>(u"cb_ex")->setCurrentIndex(1);
    find<QCheckBox>(u"ck_pk")->setChecked(true);
    click(u"cm_meeting_ok");
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[大会]")),
              QStringLiteral(u"市民カップ,80,あり,ゴールデンゴール方式,20,あり"));
    auto* list = find<QTreeWidget>(u"lstv_meeting");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral(u"ゴールデンゴール方式"));

    list->setCurrentItem(list->topLevelItem(0));
    click(u"cm_meeting_change");
    EXPECT_EQ(find<QLineEdit>(u"tx_meeting_time_0")->text(), QStringLiteral(u"80"));
    EXPECT_TRUE(find<QCheckBox>(u"ck_ex")->isChecked());
    find<QCheckBox>(u"ck_ex")->setChecked(false);
    click(u"cm_meeting_ok");
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[大会]")), QStringLiteral(u"市民カップ,80,なし,,,あり"));
    EXPECT_EQ(store.meeting_lines.size(), 1);
}

TEST_F(MasterDataWindow, DeletingAMeetingRewritesAndReloadsTheFile) {
    store.meeting_lines = {QStringLiteral(u"A杯,90,なし,,,なし"), QStringLiteral(u"B杯,80,なし,,,あり")};
    ASSERT_TRUE(store.save_team_data().ok);
    find<QTabBar>(u"ts_setting")->setCurrentIndex(4);
    auto* list = find<QTreeWidget>(u"lstv_meeting");
    list->setCurrentItem(list->topLevelItem(0));
    QSignalSpy reloads(window.get(), &fm_setting_input::team_file_reloaded);
    click(u"cm_meeting_delete");
    EXPECT_EQ(reloads.count(), 1);
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[大会]")), QStringLiteral(u"B杯,80,なし,,,あり"));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral(u"B杯"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"team.kld"));
    EXPECT_EQ(store.team_name, QStringLiteral(u"テストFC"));
}

TEST_F(MasterDataWindow, MeetingChecksRefuseAMissingModeAndASecondName) {
    test::MessageBoxAnswerer answerer;
    find<QTabBar>(u"ts_setting")->setCurrentIndex(4);
    click(u"cm_meeting_change");  // empty list: nothing
    EXPECT_TRUE(answerer.seen().empty());
    click(u"cm_meeting_add");
    type(u"tx_meeting", QStringLiteral(u"杯"));
    find<QCheckBox>(u"ck_ex")->setChecked(true);
    click(u"cm_meeting_ok");
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「延長方式」　を選択して下さい。"));
    find<QCheckBox>(u"ck_ex")->setChecked(false);
    click(u"cm_meeting_ok");
    click(u"cm_meeting_add");
    type(u"tx_meeting", QStringLiteral(u"杯"));
    click(u"cm_meeting_ok");
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"既に使われている　「大会名」　です。変更して下さい。"));
    EXPECT_EQ(store.meeting_lines.size(), 1);
}

TEST_F(MasterDataWindow, FormationsMustHoldTenOutfieldPlayers) {
    test::MessageBoxAnswerer answerer;
    find<QTabBar>(u"ts_setting")->setCurrentIndex(3);
    click(u"cm_formation_add");
    type(u"tx_formation_name", QStringLiteral(u"4-4-2"));
    // CF 2, SH 2, CH 2, CB 2, SB 1: nine players.
    for (const int position : {0, 0, 3, 3, 4, 4, 6, 6, 7}) {
        window->findChild<QPushButton*>(QStringLiteral(u"cm_up_") + QString::number(position))->click();
    }
    click(u"cm_formation_ok");
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"合計人数を　「11人」　で入力して下さい。"));
    EXPECT_TRUE(store.formation_lines.isEmpty());
    click(u"cm_up_7");
    click(u"cm_formation_ok");
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[フォーメーション]")),
              QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"));
    EXPECT_EQ(find<QTreeWidget>(u"lstv_formation")->topLevelItemCount(), 1);
}

TEST_F(MasterDataWindow, WithSmallSidedGamesAFormationMayHoldFourToElevenPlayers) {
    test::MessageBoxAnswerer answerer;
    store.small_sided_games = true;
    find<QTabBar>(u"ts_setting")->setCurrentIndex(3);
    click(u"cm_formation_add");
    type(u"tx_formation_name", QStringLiteral(u"1-1"));
    click(u"cm_up_0");
    click(u"cm_up_6");
    click(u"cm_formation_ok");
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"合計人数を　「4人」　から　「11人」　で入力して下さい。"));
    EXPECT_EQ(window->focusWidget(), find<QPushButton>(u"cm_up_0"));
    EXPECT_TRUE(store.formation_lines.isEmpty());
    type(u"tx_formation_name", QStringLiteral(u"2-3-2"));
    for (const int position : {0, 3, 3, 4, 6}) {
        window->findChild<QPushButton*>(QStringLiteral(u"cm_up_") + QString::number(position))->click();
    }
    click(u"cm_formation_ok");
    EXPECT_EQ(saved_line_after(QStringLiteral(u"[フォーメーション]")),
              QStringLiteral(u"2-3-2,2,0,0,2,1,0,2,0,0"));
}

TEST_F(MasterDataWindow, SwitchingTabsDropsAHalfFilledEditor) {
    find<QTabBar>(u"ts_setting")->setCurrentIndex(3);
    click(u"cm_formation_add");
    type(u"tx_formation_name", QStringLiteral(u"途中"));
    click(u"cm_up_0");
    find<QTabBar>(u"ts_setting")->setCurrentIndex(0);
    find<QTabBar>(u"ts_setting")->setCurrentIndex(3);
    EXPECT_FALSE(find<QWidget>(u"fr_formation_set")->isVisible());
    EXPECT_EQ(find<QLineEdit>(u"tx_formation_name")->text(), QString());
    EXPECT_EQ(find<QLineEdit>(u"tx_formation_0")->text(), QStringLiteral(u"0"));
    EXPECT_TRUE(store.formation_lines.isEmpty());
}

TEST_F(MasterDataWindow, AFailedSaveTakesTheChangeBack) {
    test::MessageBoxAnswerer answerer;
    store.data_file_path.clear();
    find<QTabBar>(u"ts_setting")->setCurrentIndex(1);
    type(u"tx_ground", QStringLiteral(u"市民グラウンド"));
    click(u"cm_ground_add");
    EXPECT_EQ(answerer.seen().at(0).title, QStringLiteral(u"保存エラー"));
    EXPECT_TRUE(store.ground_list.isEmpty());
    EXPECT_EQ(find<QListWidget>(u"lst_ground")->count(), 0);
}

// Deleting a meeting saves and then loads the file again. On a full disk the save fails, and
// nothing may follow it: the file, the store and the list stay as they were.
TEST_F(MasterDataWindow, AMeetingDeletedOnAFullDiskStays) {
    const test::SmallDisk disk(QDir::currentPath(), 32 * 1024);
    if (!disk.ready()) {
        GTEST_SKIP() << disk.why_not().toStdString();
    }
    QStringList members;
    for (int i = 0; i < 700; ++i) {
        members.append(QStringLiteral(u"選手") + QString::number(i));
    }
    store.member_list = members.join(u',');
    store.meeting_lines = {QStringLiteral(u"A杯,90,なし,,,なし"), QStringLiteral(u"B杯,80,なし,,,あり")};
    ASSERT_TRUE(store.save_team_data().ok);
    const QByteArray before = test::read_bytes(QStringLiteral(u"team.kld"));
    find<QTabBar>(u"ts_setting")->setCurrentIndex(4);
    auto* list = find<QTreeWidget>(u"lstv_meeting");
    list->setCurrentItem(list->topLevelItem(0));
    disk.fill_leaving(4096);

    test::MessageBoxAnswerer answerer;
    click(u"cm_meeting_delete");
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「team.kld」　を保存できません。（ディスクの空き容量が足りません）"));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"team.kld")), before);
    EXPECT_EQ(store.meeting_lines.size(), 2);
    EXPECT_EQ(store.member_list, members.join(u','));
    EXPECT_EQ(list->topLevelItemCount(), 2);
}

}  // namespace
}  // namespace kl
