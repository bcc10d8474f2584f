#include "store/data_store.h"
#include "support/game_builder.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kl {
namespace {

class NewSeasonWindow : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::GameBuilder game;
        test::write_cp932_lines(
            QStringLiteral(u"さくらFC 2025.kld"),
            {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC 2025"), QStringLiteral(u"[メンバー]"),
             QStringLiteral(u"田中,佐藤,鈴木"), QStringLiteral(u"[試合データ]"), game.line()});
        test::write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"さくらFC 2025.kld")});
        window = std::make_unique<fm_main>(store);
        window->start();
        window->findChild<QAction*>(QStringLiteral(u"menu_new_season"))->trigger();
        dialog = test::find_window(QStringLiteral(u"fm_new_season"));
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        window.reset();
        InTemporaryFolder::TearDown();
    }
    template <typename T>
    T* child(const char16_t* name) {
        return test::find_child<T>(dialog, name);
    }

    md::DataStore store;
    std::unique_ptr<fm_main> window;
    QWidget* dialog = nullptr;
};

TEST_F(NewSeasonWindow, TheUntickedMembersStayBehindAndTheNewFileOpens) {
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(u"次年度のファイルを作成"));
    EXPECT_EQ(child<QLineEdit>(u"tx_team")->text(), QStringLiteral(u"さくらFC 2026"));
    EXPECT_EQ(child<QLineEdit>(u"tx_file")->text(), QStringLiteral(u"さくらFC 2026"));
    auto* members = child<QListWidget>(u"lst_new_season_member");
    ASSERT_EQ(members->count(), 3);
    members->findItems(QStringLiteral(u"佐藤"), Qt::MatchExactly).front()->setCheckState(Qt::Unchecked);

    child<QPushButton>(u"cm_ok")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_new_season")), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"さくらFC 2026.kld"));
    EXPECT_EQ(store.member_list, QStringLiteral(u"田中,鈴木"));
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral(u"Kickledger - さくらFC 2026")));
    // The old season is as it was.
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"さくらFC 2025.kld")).size(), 6);
}

TEST_F(NewSeasonWindow, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    test::write_cp932_lines(QStringLiteral(u"さくらFC 2026.kld"),
                            {QStringLiteral(u"[チーム名]"), QStringLiteral(u"前からあるFC")});
    test::MessageBoxAnswerer answerer(QMessageBox::No);
    child<QPushButton>(u"cm_ok")->click();
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「さくらFC 2026.kld」　は既に存在します。上書きしますか？"));
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"さくらFC 2026.kld")).value(1),
              QStringLiteral(u"前からあるFC"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"さくらFC 2025.kld"));

    child<QLineEdit>(u"tx_file")->setText(QStringLiteral(u"さくらFC 2025"));
    child<QPushButton>(u"cm_ok")->click();
    EXPECT_EQ(
        answerer.last_text(),
        QStringLiteral(u"「さくらFC 2025.kld」　は開いているファイルです。別のファイル名を入力して下さい。"));
    EXPECT_NE(test::find_window(QStringLiteral(u"fm_new_season")), nullptr);
}

}  // namespace
}  // namespace kl
