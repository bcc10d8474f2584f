#include "store/data_store.h"
#include "support/file_systems.h"
#include "support/game_builder.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace kl {
namespace {

using test::find_window;
using test::read_lines_cp932;
using test::write_cp932_lines;

class DialogWindows : public test::InTemporaryFolder {
  protected:
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        window.reset();
        InTemporaryFolder::TearDown();
    }
    void start_on(const QString& file, const QString& mode) {
        write_cp932_lines(QStringLiteral(u"setting.ini"),
                          {file, QString(), mode, QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")});
        start();
    }
    void start() {
        window = std::make_unique<fm_main>(store);
        window->start();
    }
    static void write_team(const QString& file, const QString& team, const QStringList& games = {}) {
        write_cp932_lines(
            file, QStringList{QStringLiteral(u"[チーム名]"), team, QStringLiteral(u"[試合データ]")} + games);
    }
    template <typename T>
    static T* child(QWidget* window, const char16_t* name) {
        return test::find_child<T>(window, name);
    }
    QWidget* open(const char16_t* toolbar_button, const char16_t* window_name) {
        window->findChild<QAction*>(QString::fromUtf16(toolbar_button))->trigger();
        return find_window(QString::fromUtf16(window_name));
    }
    static void choose(QListWidget* list, const QString& text) {
        list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
    }
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    md::DataStore store;
    std::unique_ptr<fm_main> window;
};

TEST_F(DialogWindows, AFirstStartShowsOnlyTheNewFileDialog) {
    start();
    QWidget* dialog = find_window(QStringLiteral(u"fm_new"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(child<QPushButton>(dialog, u"cm_cancel")->isEnabled());
    // The main window's closing already wrote setting.ini, with no file named.
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")),
              (QStringList{QString(), QStringLiteral(u"1200,900,10800,9600,0"), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")}));

    child<QLineEdit>(dialog, u"tx_team")->setText(QStringLiteral(u"さくらFC"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    EXPECT_EQ(find_window(QStringLiteral(u"fm_new")), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - さくらFC"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"さくらFC.kld")).size(), 15);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"さくらFC.kld"));
    EXPECT_TRUE(window->isEnabled());
}

// A first start ended by closing 新規作成, then a new file made from the main window: the next start
// opens that file.
TEST_F(DialogWindows, AFileMadeWhenNoneWasOpenIsTheOneTheNextStartOpens) {
    start();
    find_window(QStringLiteral(u"fm_new"))->close();
    settle();
    window.reset();
    {
        test::MessageBoxAnswerer answerer;
        start();
        EXPECT_EQ(answerer.seen().at(0).title, QStringLiteral(u"読み込みエラー"));
        // 入力 without a file says what to do instead of opening an empty wizard.
        window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();
        EXPECT_EQ(answerer.last_text(),
                  QStringLiteral(
                      u"チームデータファイルが開かれていません。　「新規作成」　か　「開く」　でファイルを"
                      u"選択して下さい。"));
        EXPECT_EQ(find_window(QStringLiteral(u"fm_game_input")), nullptr);
    }
    QWidget* dialog = open(u"tb_main_2", u"fm_new");
    child<QLineEdit>(dialog, u"tx_team")->setText(QStringLiteral(u"さくらFC"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    QWidget* settings = open(u"tb_main_18", u"fm_setting");
    EXPECT_EQ(child<QLineEdit>(settings, u"tx_input_file")->text(), QStringLiteral(u"さくらFC.kld"));
    settings->close();
    settle();
    window->close();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"さくらFC.kld"));
}

// 環境設定 shows the file the next start opens, also while another file is open.
TEST_F(DialogWindows, TheSettingsShowTheFileTheNextStartOpens) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    write_team(QStringLiteral(u"B.kld"), QStringLiteral(u"B"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 0 "));
    QWidget* dialog = open(u"tb_main_3", u"fm_open");
    choose(child<QListWidget>(dialog, u"flst"), QStringLiteral(u"B.kld"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    ASSERT_EQ(store.team_name, QStringLiteral(u"B"));
    QWidget* settings = open(u"tb_main_18", u"fm_setting");
    EXPECT_EQ(child<QLineEdit>(settings, u"tx_input_file")->text(), QStringLiteral(u"A.kld"));
    settings->close();
    settle();
    window->close();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

// Enter presses OK in 新規作成 and 開く; Esc closes 環境設定 and 入力項目設定.
TEST_F(DialogWindows, EnterPressesOkAndEscCloses) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    write_team(QStringLiteral(u"B.kld"), QStringLiteral(u"B"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    QWidget* dialog = open(u"tb_main_3", u"fm_open");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* files = child<QListWidget>(dialog, u"flst");
    choose(files, QStringLiteral(u"B.kld"));
    QTest::keyClick(files, Qt::Key_Return);
    settle();
    EXPECT_EQ(find_window(QStringLiteral(u"fm_open")), nullptr);
    EXPECT_EQ(store.team_name, QStringLiteral(u"B"));

    dialog = open(u"tb_main_2", u"fm_new");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* team = child<QLineEdit>(dialog, u"tx_team");
    QTest::keyClicks(team, QStringLiteral(u"C"));
    QTest::keyClick(team, Qt::Key_Enter);
    settle();
    EXPECT_EQ(find_window(QStringLiteral(u"fm_new")), nullptr);
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"C.kld"));

    for (const auto& [button, name] :
         {std::pair{u"tb_main_18", u"fm_setting"}, std::pair{u"tb_main_17", u"fm_setting_input"}}) {
        dialog = open(button, name);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
        settle();
        EXPECT_EQ(find_window(QString::fromUtf16(name)), nullptr) << QString::fromUtf16(name).toStdString();
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(DialogWindows, NewFilesAreNamedByTeamOrByTheTypedNameAndNeverOverwrittenUnasked) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    QWidget* dialog = open(u"tb_main_2", u"fm_new");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(window->isEnabled());
    child<QCheckBox>(dialog, u"ck_file")->setChecked(false);
    EXPECT_TRUE(child<QLineEdit>(dialog, u"tx_file")->isEnabled());
    child<QLineEdit>(dialog, u"tx_team")->setText(QStringLiteral(u"B"));

    {
        test::MessageBoxAnswerer answerer;
        child<QPushButton>(dialog, u"cm_ok")->click();
        EXPECT_EQ(answerer.last_text(), QStringLiteral(u"ファイル名を入力して下さい。"));
        // An existing file is only replaced when the user says so.
        child<QLineEdit>(dialog, u"tx_file")->setText(QStringLiteral(u"A"));
        answerer.set_answer(QMessageBox::No);
        child<QPushButton>(dialog, u"cm_ok")->click();
        EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"上書きの確認"));
        EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「A.kld」　は既に存在します。上書きしますか？"));
    }
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"A.kld")).at(1), QStringLiteral(u"A"));
    ASSERT_EQ(find_window(QStringLiteral(u"fm_new")), dialog);

    child<QLineEdit>(dialog, u"tx_file")->setText(QStringLiteral(u"B の記録"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - B  [試合データ一覧]"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"B の記録.kld")).at(1), QStringLiteral(u"B"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"B の記録.kld"));
}

TEST_F(DialogWindows, OpeningInModeZeroKeepsTheStartFileAndModeOneTakesTheNewOne) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    write_team(QStringLiteral(u"B.kld"), QStringLiteral(u"B"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 0 "));
    QWidget* dialog = open(u"tb_main_3", u"fm_open");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(u"開く"));
    auto* files = child<QListWidget>(dialog, u"flst");
    EXPECT_EQ(files->count(), 2);
    {
        test::MessageBoxAnswerer answerer;
        child<QPushButton>(dialog, u"cm_ok")->click();
        EXPECT_EQ(answerer.last_text(), QStringLiteral(u"リストからファイルを選択して下さい。"));
    }
    choose(files, QStringLiteral(u"B.kld"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - B  [試合データ詳細]"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
    window->close();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));

    store = md::DataStore();
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    dialog = open(u"tb_main_3", u"fm_open");
    choose(child<QListWidget>(dialog, u"flst"), QStringLiteral(u"B.kld"));
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"B.kld"));
    window->close();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"B.kld"));
}

TEST_F(DialogWindows, TheSettingsDialogAppliesOnlyWhatSetApplies) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    write_team(QStringLiteral(u"B.kld"), QStringLiteral(u"B"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 0 "));
    QWidget* dialog = open(u"tb_main_18", u"fm_setting");
    ASSERT_NE(dialog, nullptr);
    auto* set = child<QPushButton>(dialog, u"cm_set");
    auto* keyboard = child<QCheckBox>(dialog, u"ck_game_input");
    auto* add_names = child<QCheckBox>(dialog, u"ck_game_input_Add");
    EXPECT_TRUE(child<QRadioButton>(dialog, u"op_input_file_0")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, u"tx_input_file")->text(), QStringLiteral(u"A.kld"));
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(add_names->isEnabled());

    keyboard->click();
    EXPECT_TRUE(add_names->isEnabled());
    add_names->click();
    keyboard->click();  // unchecking clears and disables the second box
    EXPECT_FALSE(add_names->isEnabled());
    EXPECT_FALSE(add_names->isChecked());
    keyboard->setChecked(true);  // set by the program: the same rules
    EXPECT_TRUE(add_names->isEnabled());
    add_names->click();
    EXPECT_TRUE(set->isEnabled());

    // Choosing the start file only fills the box; nothing is loaded or stored.
    child<QPushButton>(dialog, u"cm_input_file")->click();
    QWidget* chooser = find_window(QStringLiteral(u"fm_open"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral(u"起動ファイル設定"));
    EXPECT_FALSE(dialog->isEnabled());
    choose(child<QListWidget>(chooser, u"flst"), QStringLiteral(u"B.kld"));
    child<QPushButton>(chooser, u"cm_ok")->click();
    settle();
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(child<QLineEdit>(dialog, u"tx_input_file")->text(), QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.team_name, QStringLiteral(u"A"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(3), QStringLiteral(u" 0 "));

    set->click();
    EXPECT_FALSE(set->isEnabled());
    const QStringList written = read_lines_cp932(QStringLiteral(u"setting.ini"));
    EXPECT_EQ(written.at(0), QStringLiteral(u"A.kld"));  // the open file, until closing writes the start file
    EXPECT_EQ(written.mid(2),
              (QStringList{QStringLiteral(u" 0 "), QStringLiteral(u" 1 "), QStringLiteral(u" 1 ")}));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"B.kld"));
    child<QPushButton>(dialog, u"cm_cancel")->click();
    settle();
    EXPECT_TRUE(window->isEnabled());
    window->close();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"B.kld"));
}

TEST_F(DialogWindows, SmallSidedGamesAreASixthSettingsLineOnlyWhileOn) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    QWidget* dialog = open(u"tb_main_18", u"fm_setting");
    ASSERT_NE(dialog, nullptr);
    auto* small_sided = child<QCheckBox>(dialog, u"ck_small_sided");
    EXPECT_EQ(small_sided->text(), QStringLiteral(u"8人制など少人数の試合を入力する。"));
    EXPECT_GT(small_sided->y(), child<QCheckBox>(dialog, u"ck_game_input_Add")->y());
    EXPECT_FALSE(small_sided->isChecked());
    small_sided->click();
    auto* set = child<QPushButton>(dialog, u"cm_set");
    EXPECT_TRUE(set->isEnabled());
    set->click();
    EXPECT_TRUE(store.small_sided_games);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).mid(2),
              (QStringList{QStringLiteral(u" 1 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 1 ")}));
    child<QPushButton>(dialog, u"cm_cancel")->click();
    settle();

    // The dialog opens on the option in force; turned off, the file has its five lines again.
    dialog = open(u"tb_main_18", u"fm_setting");
    small_sided = child<QCheckBox>(dialog, u"ck_small_sided");
    EXPECT_TRUE(small_sided->isChecked());
    small_sided->click();
    child<QPushButton>(dialog, u"cm_set")->click();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).size(), 5);
    EXPECT_FALSE(store.small_sided_games);
}

TEST_F(DialogWindows, LiveEntrysCountingAndTargetShareAreSettingsLinesSevenAndEight) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    QWidget* dialog = open(u"tb_main_18", u"fm_setting");
    ASSERT_NE(dialog, nullptr);
    auto* elapsed = child<QCheckBox>(dialog, u"ck_live_elapsed");
    EXPECT_EQ(elapsed->text(), QStringLiteral(u"ライブ入力の時間を経過分（0分から）で数える。"));
    EXPECT_FALSE(elapsed->isChecked());
    auto* share = child<QCheckBox>(dialog, u"ck_live_share");
    auto* percent = child<QSpinBox>(dialog, u"tx_live_share");
    EXPECT_FALSE(share->isChecked());
    EXPECT_FALSE(percent->isEnabled());
    elapsed->click();
    child<QPushButton>(dialog, u"cm_set")->click();
    EXPECT_TRUE(store.live_elapsed_minutes);
    // Small-sided games stay off on their line, so that elapsed minutes keep line 7.
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).mid(2),
              (QStringList{QStringLiteral(u" 1 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 1 ")}));
    share->click();
    EXPECT_TRUE(percent->isEnabled());
    EXPECT_EQ(percent->value(), 50);
    percent->setValue(60);
    elapsed->click();
    child<QPushButton>(dialog, u"cm_set")->click();
    EXPECT_EQ(store.live_target_share, 60);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).mid(5),
              (QStringList{QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 60 ")}));
    share->click();
    child<QPushButton>(dialog, u"cm_set")->click();
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).size(), 5);
}

// The names of shared outputs: a choice of four, stored as the ninth line while not full names; 読み...
// keeps each member's reading beside the team file and shows the initials it gives.
TEST_F(DialogWindows, SharedNamesAreChosenAndReadingsKeptBesideTheFile) {
    write_cp932_lines(QStringLiteral(u"A.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"A"), QStringLiteral(u"[メンバー]"),
                       QStringLiteral(u"佐藤 翔,たなか ひなた"), QStringLiteral(u"[試合データ]")});
    write_cp932_lines(QStringLiteral(u"readings.ini"), {QStringLiteral(u"他の チーム,ほかの ちーむ")});
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    QWidget* dialog = open(u"tb_main_18", u"fm_setting");
    ASSERT_NE(dialog, nullptr);
    auto* names = child<QComboBox>(dialog, u"cb_share_names");
    EXPECT_EQ(names->count(), 4);
    EXPECT_EQ(names->currentText(), QStringLiteral(u"フルネーム（佐藤 翔）"));
    names->setCurrentIndex(2);
    child<QPushButton>(dialog, u"cm_set")->click();
    EXPECT_EQ(store.shared_names, md::SharedNames::initials);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).mid(5),
              (QStringList{QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 2 ")}));

    child<QPushButton>(dialog, u"cm_name_reading")->click();
    QWidget* readings = find_window(QStringLiteral(u"fm_name_reading"));
    ASSERT_NE(readings, nullptr);
    EXPECT_FALSE(dialog->isEnabled());
    auto* table = child<QTableWidget>(readings, u"lstv_reading");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral(u"（番号で表示）"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral(u"H.T."));
    table->item(0, 1)->setText(QStringLiteral(u"さとう しょう"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral(u"S.S."));
    child<QPushButton>(readings, u"cm_set")->click();
    settle();
    EXPECT_EQ(find_window(QStringLiteral(u"fm_name_reading")), nullptr);
    EXPECT_TRUE(dialog->isEnabled());
    // The readings of other files' members stay.
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"readings.ini")),
              (QStringList{QStringLiteral(u"他の チーム,ほかの ちーむ"),
                           QStringLiteral(u"佐藤 翔,さとう しょう")}));
}

TEST_F(DialogWindows, GamesAreDeletedByTheirStoredPosition) {
    test::GameBuilder late;  // stored first, listed last
    late.recorder = QStringLiteral(u"A");
    late.date = QStringLiteral(u"2006/09/01");
    test::GameBuilder early;
    early.recorder = QStringLiteral(u"B");
    write_team(QStringLiteral(u"T.kld"), QStringLiteral(u"T"), {late.line(), early.line()});
    start_on(QStringLiteral(u"T.kld"), QStringLiteral(u" 1 "));
    window->findChild<QAction*>(QStringLiteral(u"tb_main_12"))->trigger();
    QWidget* dialog = open(u"tb_main_10", u"fm_game_delete");
    ASSERT_NE(dialog, nullptr);
    auto* games = child<QListWidget>(dialog, u"lst_game");
    ASSERT_EQ(games->count(), 2);
    EXPECT_EQ(games->item(0)->text(), QStringLiteral(u"2006/04/01 - 10:00 - 青葉FC - 市民グラウンド"));
    EXPECT_EQ(child<QListWidget>(dialog, u"lst_game_sub")->item(0)->text(),
              QStringLiteral(u"2006/09/01 - 10:00 - 青葉FC - 市民グラウンド"));

    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - T  [試合データ一覧]"));
    games->setCurrentRow(0);
    child<QPushButton>(dialog, u"cm_game_delete")->click();
    // The reload names the detail view in the caption, as every load does.
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - T  [試合データ詳細]"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"T.kld")).mid(14),
              (QStringList{QStringLiteral(u"[試合データ]"), late.line()}));
    EXPECT_EQ(find_window(QStringLiteral(u"fm_game_delete")), dialog);
    window->close();  // the main window takes no input while the dialog is open
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(games->count(), 1);
    games->setCurrentRow(0);
    child<QPushButton>(dialog, u"cm_game_delete")->click();
    EXPECT_EQ(games->count(), 0);
    EXPECT_EQ(child<QListWidget>(dialog, u"lst_game_sub")->count(), 0);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"T.kld")).size(), 15);
    child<QPushButton>(dialog, u"cm_cancel")->click();
    settle();
    EXPECT_TRUE(window->isEnabled());
}

// A whole team file in the layout the program writes, with these members.
QStringList team_lines(const QString& team, const QString& members) {
    return {QStringLiteral(u"[チーム名]"),   team,      QStringLiteral(u"[メンバー]"),         members,
            QStringLiteral(u"[グラウンド]"), QString(), QStringLiteral(u"[対戦チーム]"),       QString(),
            QStringLiteral(u"[起票者]"),     QString(), QStringLiteral(u"[フォーメーション]"), QString(),
            QStringLiteral(u"[大会]"),       QString(), QStringLiteral(u"[試合データ]")};
}

class DialogWindowsInStartMode : public DialogWindows,
                                 public ::testing::WithParamInterface<const char16_t*> {};

// Team A is open; é.kld, a name setting.ini (cp932) cannot hold, is opened and then changed. The
// change goes into é.kld and nowhere else, and setting.ini keeps naming A.
TEST_P(DialogWindowsInStartMode, AChangeToAFileSettingsCannotNameStaysInThatFile) {
    const QString accented = QStringLiteral(u"\u00e9.kld");
    write_cp932_lines(QStringLiteral(u"A.kld"), team_lines(QStringLiteral(u"A"), QStringLiteral(u"甲")));
    write_cp932_lines(accented, team_lines(QStringLiteral(u"E"), QStringLiteral(u"乙")));
    const QByteArray team_a = test::read_bytes(QStringLiteral(u"A.kld"));
    start_on(QStringLiteral(u"A.kld"), QString::fromUtf16(GetParam()));
    test::MessageBoxAnswerer answerer;

    QWidget* dialog = open(u"tb_main_3", u"fm_open");
    ASSERT_NE(dialog, nullptr);
    choose(child<QListWidget>(dialog, u"flst"), accented);
    child<QPushButton>(dialog, u"cm_ok")->click();
    settle();
    EXPECT_EQ(store.team_name, QStringLiteral(u"E"));

    QWidget* master = open(u"tb_main_17", u"fm_setting_input");
    ASSERT_NE(master, nullptr);
    child<QLineEdit>(master, u"tx_member")->setText(QStringLiteral(u"新人"));
    child<QPushButton>(master, u"cm_member_add")->click();
    master->close();
    settle();
    window->close();

    EXPECT_EQ(test::read_bytes(accented),
              test::cp932_lines(team_lines(QStringLiteral(u"E"), QStringLiteral(u"乙,新人"))));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"A.kld")), team_a);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
    if (GetParam()[1] == u'1') {
        ASSERT_EQ(answerer.seen().size(), 1U);
        EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"保存エラー"));
        EXPECT_EQ(answerer.seen()[0].text,
                  QStringLiteral(u"「\u00e9.kld」　は起動ファイルに設定できません。"));
    } else {
        EXPECT_TRUE(answerer.seen().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, DialogWindowsInStartMode, ::testing::Values(u" 0 ", u" 1 "));

TEST_F(DialogWindows, AStartFileSettingsCannotNameIsRefusedWhenChosen) {
    write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"A"));
    write_team(QStringLiteral(u"\u00e9.kld"), QStringLiteral(u"E"));
    start_on(QStringLiteral(u"A.kld"), QStringLiteral(u" 0 "));
    QWidget* dialog = open(u"tb_main_18", u"fm_setting");
    child<QPushButton>(dialog, u"cm_input_file")->click();
    QWidget* chooser = find_window(QStringLiteral(u"fm_open"));
    ASSERT_NE(chooser, nullptr);
    choose(child<QListWidget>(chooser, u"flst"), QStringLiteral(u"\u00e9.kld"));
    test::MessageBoxAnswerer answerer;
    child<QPushButton>(chooser, u"cm_ok")->click();
    settle();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「\u00e9.kld」　は起動ファイルに設定できません。"));
    EXPECT_EQ(find_window(QStringLiteral(u"fm_open")), chooser);
    EXPECT_EQ(child<QLineEdit>(dialog, u"tx_input_file")->text(), QStringLiteral(u"A.kld"));
}

// A read-only folder: the team opens, and what cannot be saved is reported and changes nothing.
TEST_F(DialogWindows, InAReadOnlyFolderTheTeamOpensAndEveryFailedSaveIsReported) {
    test::GameBuilder first;
    test::GameBuilder second;
    second.date = QStringLiteral(u"2006/05/01");
    write_team(QStringLiteral(u"T.kld"), QStringLiteral(u"T"), {first.line(), second.line()});
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"T.kld"), QString(), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                       QStringLiteral(u" 0 ")});
    const QByteArray team = test::read_bytes(QStringLiteral(u"T.kld"));
    const QByteArray settings = test::read_bytes(QStringLiteral(u"setting.ini"));
    const test::ReadOnlyFolder read_only(QDir::currentPath());
    if (!read_only.ready()) {
        GTEST_SKIP() << read_only.why_not().toStdString();
    }
    start();
    EXPECT_EQ(store.game_lines.size(), 2);
    test::MessageBoxAnswerer answerer;

    QWidget* deletion = open(u"tb_main_10", u"fm_game_delete");
    ASSERT_NE(deletion, nullptr);
    auto* games = child<QListWidget>(deletion, u"lst_game");
    games->setCurrentRow(0);
    child<QPushButton>(deletion, u"cm_game_delete")->click();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「T.kld」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_EQ(games->count(), 2);
    EXPECT_EQ(store.game_lines, (QStringList{first.line(), second.line()}));
    child<QPushButton>(deletion, u"cm_cancel")->click();
    settle();

    QWidget* settings_dialog = open(u"tb_main_18", u"fm_setting");
    ASSERT_NE(settings_dialog, nullptr);
    child<QCheckBox>(settings_dialog, u"ck_game_input")->click();
    auto* set = child<QPushButton>(settings_dialog, u"cm_set");
    set->click();
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「setting.ini」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_TRUE(set->isEnabled());
    EXPECT_FALSE(store.keyboard_entry);
    child<QPushButton>(settings_dialog, u"cm_cancel")->click();
    settle();

    answerer.clear();
    window->close();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「setting.ini」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"T.kld")), team);
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"setting.ini")), settings);
}

}  // namespace
}  // namespace kl
