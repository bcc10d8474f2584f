#include "store/cp932_codec.h"
#include "store/team_backups.h"
#include "support/game_builder.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

namespace kl {
namespace {

using test::find_child;
using test::find_window;
using test::read_bytes;

const QString team_file = QStringLiteral(u"team.kld");

class BackupWindow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        early.date = QStringLiteral(u"2006/04/01");
        late.date = QStringLiteral(u"2006/05/01");
        start_on(team_lines(QStringLiteral(u"佐藤"), {early.line(), late.line()}));
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        MainWindowOnTeam::TearDown();
    }
    static QStringList team_lines(const QString& members, const QStringList& games) {
        return QStringList{QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                           QStringLiteral(u"[メンバー]"), members, QStringLiteral(u"[試合データ]")} +
               games;
    }
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QWidget* open(const char16_t* action, const char16_t* window_name) {
        find<QAction>(action)->trigger();
        return find_window(QString::fromUtf16(window_name));
    }
    int listed_games() { return find<QTreeView>(u"lstv_game")->model()->rowCount(); }
    void delete_first_game() {
        QWidget* deletion = open(u"tb_main_10", u"fm_game_delete");
        ASSERT_NE(deletion, nullptr);
        find_child<QListWidget>(deletion, u"lst_game")->setCurrentRow(0);
        find_child<QPushButton>(deletion, u"cm_game_delete")->click();
        find_child<QPushButton>(deletion, u"cm_cancel")->click();
        settle();
    }
    // 復元 of the newest backup in バックアップから復元; returns the time its row showed.
    QString restore_newest() {
        QWidget* restore = open(u"menu_restore", u"fm_backup");
        if (restore == nullptr) {
            ADD_FAILURE() << "no fm_backup";
            return {};
        }
        auto* list = find_child<QTreeWidget>(restore, u"lst_backup");
        list->setCurrentItem(list->topLevelItem(0));
        const QString taken = list->topLevelItem(0)->text(0);
        find_child<QPushButton>(restore, u"cm_restore")->click();
        settle();
        return taken;
    }

    test::GameBuilder early;
    test::GameBuilder late;
};

TEST_F(BackupWindow, IsOfferedInTheFileMenuAfterOpen) {
    QStringList names;
    for (QAction* action : find<QMenu>(u"menu_file")->actions()) {
        names.append(action->objectName());
    }
    EXPECT_EQ(names.mid(0, 5),
              (QStringList{QStringLiteral(u"menu_new"), QStringLiteral(u"menu_open"),
                           QStringLiteral(u"menu_restore"), QStringLiteral(u"menu_new_season"),
                           QStringLiteral(u"menu_partition1")}));
    EXPECT_EQ(find<QAction>(u"menu_restore")->text(), QStringLiteral(u"バックアップから復元(&B)..."));
}

TEST_F(BackupWindow, ADeletedGameComesBackThroughRestoreAndTheRestoreCanBeUndone) {
    const QByteArray both_games = read_bytes(team_file);
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    delete_first_game();
    const QByteArray one_game = read_bytes(team_file);
    ASSERT_EQ(listed_games(), 1);

    QWidget* restore = open(u"menu_restore", u"fm_backup");
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->windowTitle(), QStringLiteral(u"バックアップから復元"));
    EXPECT_FALSE(window->isEnabled());
    auto* list = find_child<QTreeWidget>(restore, u"lst_backup");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral(u"テストFC"));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral(u"2"));
    // Nothing chosen: nothing is restored.
    find_child<QPushButton>(restore, u"cm_restore")->click();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"リストからバックアップを選択して下さい。"));
    find_child<QPushButton>(restore, u"cm_cancel")->click();
    settle();
    EXPECT_TRUE(window->isEnabled());

    answerer.clear();
    const QString taken = restore_newest();
    ASSERT_EQ(answerer.seen().size(), 2U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"復元の確認"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「") + taken + QStringLiteral(u"」　の状態に戻しますか？"));
    // A short confirmation of what came back.
    EXPECT_EQ(answerer.seen()[1].text,
              QStringLiteral(u"「") + taken + QStringLiteral(u"」　の状態に戻しました。（テストFC、2試合）"));
    EXPECT_EQ(find_window(QStringLiteral(u"fm_backup")), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(read_bytes(team_file), both_games);
    EXPECT_EQ(listed_games(), 2);
    EXPECT_EQ(store.game_lines, (QStringList{early.line(), late.line()}));

    // The file as it was before the restore is the newest backup now.
    restore_newest();
    EXPECT_EQ(read_bytes(team_file), one_game);
    EXPECT_EQ(listed_games(), 1);
}

TEST_F(BackupWindow, WithoutBackupsThereIsNothingToRestore) {
    QWidget* restore = open(u"menu_restore", u"fm_backup");
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(find_child<QTreeWidget>(restore, u"lst_backup")->topLevelItemCount(), 0);
    EXPECT_FALSE(find_child<QPushButton>(restore, u"cm_restore")->isEnabled());
}

TEST_F(BackupWindow, NoMeansNoRestore) {
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    delete_first_game();
    const QByteArray one_game = read_bytes(team_file);
    answerer.set_answer(QMessageBox::No);
    restore_newest();
    EXPECT_EQ(read_bytes(team_file), one_game);
    EXPECT_NE(find_window(QStringLiteral(u"fm_backup")), nullptr);
}

TEST_F(BackupWindow, AnUnreadableBackupIsListedAndRefused) {
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    delete_first_game();
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    ASSERT_EQ(backups.size(), 1U);
    test::write_bytes(backups[0].path, QByteArray("\x82"));
    const QByteArray team = read_bytes(team_file);
    answerer.clear();
    QWidget* restore = open(u"menu_restore", u"fm_backup");
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(find_child<QTreeWidget>(restore, u"lst_backup")->topLevelItem(0)->text(1),
              QStringLiteral(u"読み込めません（1行目：文字コードが正しくありません）"));
    restore_newest();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(read_bytes(team_file), team);
}

// Another program changes the file while the master data window is open; the next save asks.
TEST_F(BackupWindow, AFileChangedBehindTheProgramIsNeverOverwrittenUnasked) {
    test::write_cp932_lines(team_file, team_lines(QStringLiteral(u"佐藤,伊藤"), {late.line()}));
    const QByteArray theirs = read_bytes(team_file);
    QWidget* master = open(u"tb_main_17", u"fm_setting_input");
    ASSERT_NE(master, nullptr);
    auto* entry = find_child<QLineEdit>(master, u"tx_member");
    auto* names = find_child<QListWidget>(master, u"lst_member");

    test::MessageBoxAnswerer answerer(QMessageBox::No);
    entry->setText(QStringLiteral(u"鈴木"));
    find_child<QPushButton>(master, u"cm_member_add")->click();
    ASSERT_EQ(answerer.seen().size(), 2U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"変更の確認"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「team.kld」　は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(read_bytes(team_file), theirs);
    // The window and the main window show the version kept; the program's is the newest backup.
    EXPECT_EQ(names->count(), 2);
    EXPECT_EQ(listed_games(), 1);
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_EQ(answerer.seen()[1].text,
              QStringLiteral(u"「team.kld」　を読み込み直しました。保存しなかった変更は　「backup/") +
                  backups[0].path.section(u'/', -1) +
                  QStringLiteral(u"」　に残してあります。「バックアップから復元」　で戻せます。"));
    EXPECT_TRUE(read_bytes(backups[0].path).contains(test::cp932_lines({QStringLiteral(u"佐藤,鈴木")})));

    // Yes: the other version is kept as a backup, then the program's is saved.
    test::write_cp932_lines(team_file, team_lines(QStringLiteral(u"佐藤,伊藤,加藤"), {}));
    const QByteArray again = read_bytes(team_file);
    answerer.set_answer(QMessageBox::Yes);
    answerer.clear();
    entry->setText(QStringLiteral(u"鈴木"));
    find_child<QPushButton>(master, u"cm_member_add")->click();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(read_bytes(md::list_backups(team_file).front().path), again);
    EXPECT_EQ(store.member_list, QStringLiteral(u"佐藤,伊藤,鈴木"));
    EXPECT_EQ(test::read_lines_cp932(team_file).at(3), QStringLiteral(u"佐藤,伊藤,鈴木"));
}

// The deletion window shows the version kept, as the main window does; the deletion is the backup.
TEST_F(BackupWindow, ADeletionOverAFileChangedBehindTheProgramCanKeepTheOtherVersion) {
    test::GameBuilder added;
    added.date = QStringLiteral(u"2006/06/01");
    test::write_cp932_lines(team_file,
                            team_lines(QStringLiteral(u"佐藤"), {early.line(), late.line(), added.line()}));
    const QByteArray theirs = read_bytes(team_file);
    QWidget* deletion = open(u"tb_main_10", u"fm_game_delete");
    ASSERT_NE(deletion, nullptr);
    auto* games = find_child<QListWidget>(deletion, u"lst_game");
    ASSERT_EQ(games->count(), 2);

    test::MessageBoxAnswerer answerer(QMessageBox::No);
    games->setCurrentRow(0);
    find_child<QPushButton>(deletion, u"cm_game_delete")->click();
    ASSERT_EQ(answerer.seen().size(), 2U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"変更の確認"));
    EXPECT_EQ(read_bytes(team_file), theirs);
    EXPECT_EQ(games->count(), 3);
    EXPECT_EQ(find_child<QListWidget>(deletion, u"lst_game_sub")->count(), 3);
    EXPECT_EQ(listed_games(), 3);
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_FALSE(read_bytes(backups[0].path).contains(md::encode_cp932(early.line()).value_or("?")));
    EXPECT_TRUE(read_bytes(backups[0].path).contains(md::encode_cp932(late.line()).value_or("?")));
}

}  // namespace
}  // namespace kl
