#include "master/fm_name_import.h"
#include "master/fm_setting_input.h"
#include "master/name_page.h"
#include "store/cp932_codec.h"
#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

namespace kl {
namespace {

// The member page of the master data window, on a team file that lists 鈴木.
class NameImportWindow : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        store.team_name = QStringLiteral(u"テストFC");
        store.member_list = QStringLiteral(u"鈴木");
        store.data_file_path = QStringLiteral(u"team.kld");
        ASSERT_TRUE(store.save_team_data().ok);
        window = std::make_unique<fm_setting_input>(store, &owner);
        window->show();
    }
    void TearDown() override {
        if (QWidget* dialog = test::find_window(QStringLiteral(u"fm_name_import"))) {
            dialog->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset();
        InTemporaryFolder::TearDown();
    }
    QWidget* open_import(const char16_t* button) {
        test::find_child<QPushButton>(window.get(), button)->click();
        return test::find_window(QStringLiteral(u"fm_name_import"));
    }
    QStringList saved_members() {
        const QStringList lines = test::read_lines_cp932(QStringLiteral(u"team.kld"));
        return lines.value(lines.indexOf(QStringLiteral(u"[メンバー]")) + 1).split(u',');
    }
    QWidget owner;
    md::DataStore store;
    std::unique_ptr<fm_setting_input> window;
};

TEST_F(NameImportWindow, AFileIsShownRowByRowAndItsNamesAreAddedAtOneSave) {
    test::write_bytes(
        QStringLiteral(u"名簿.csv"),
        *md::encode_cp932(QStringLiteral(u"氏名,学年\r\n田中,6\r\n鈴木,5\r\n\"佐藤, 翔\",5\r\n山本,4\r\n")));
    auto* dialog = qobject_cast<QDialog*>(open_import(u"cm_member_import"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(u"メンバーの読み込み"));
    auto* add = test::find_child<QPushButton>(dialog, u"cm_import_add");
    EXPECT_FALSE(add->isEnabled());

    static_cast<fm_name_import*>(dialog)->load_file(QStringLiteral(u"名簿.csv"));
    auto* rows = test::find_child<QTreeWidget>(dialog, u"lstv_import");
    ASSERT_EQ(rows->topLevelItemCount(), 4);
    EXPECT_EQ(rows->topLevelItem(0)->text(2), QStringLiteral(u"追加"));
    EXPECT_EQ(rows->topLevelItem(1)->text(2),
              QStringLiteral(u"既に使われている　「メンバー名」　です。変更して下さい。"));
    EXPECT_EQ(rows->topLevelItem(2)->text(0), QStringLiteral(u"4"));
    EXPECT_EQ(test::find_child<QLabel>(dialog, u"lb_import_source")->text(),
              QStringLiteral(u"読み込み元：名簿.csv（Shift_JIS）　「氏名」の列"));
    EXPECT_EQ(test::find_child<QLabel>(dialog, u"lb_import_count")->text(),
              QStringLiteral(u"追加する名前：2件　追加しない行：2件"));

    add->click();
    EXPECT_EQ(saved_members(),
              (QStringList{QStringLiteral(u"鈴木"), QStringLiteral(u"田中"), QStringLiteral(u"山本")}));
    auto* list = test::find_child<QListWidget>(window.get(), u"lst_member");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral(u"山本"));  // the list stays in text order
}

TEST_F(NameImportWindow, TheClipboardIsReadAndCancelAddsNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral(u"高橋\t6\n伊藤\t5\n"));
    QWidget* dialog = open_import(u"cm_member_import");
    ASSERT_NE(dialog, nullptr);
    test::find_child<QPushButton>(dialog, u"cm_import_clipboard")->click();
    EXPECT_EQ(test::find_child<QTreeWidget>(dialog, u"lstv_import")->topLevelItemCount(), 2);
    test::find_child<QPushButton>(dialog, u"cm_cancel")->click();
    EXPECT_EQ(saved_members(), QStringList{QStringLiteral(u"鈴木")});
}

TEST_F(NameImportWindow, AFileOfNoKnownEncodingIsToldAndNothingIsShown) {
    test::write_bytes(QStringLiteral(u"壊れた.csv"), QByteArray("\x82\xA0\xFD\xFE", 4));
    auto* dialog = static_cast<fm_name_import*>(open_import(u"cm_member_import"));
    test::MessageBoxAnswerer answerer;
    dialog->load_file(QStringLiteral(u"壊れた.csv"));
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(
                  u"「壊れた.csv」　の文字コードを判別できません。UTF-8 か Shift_JIS で保存して下さい。"));
    EXPECT_EQ(test::find_child<QTreeWidget>(dialog, u"lstv_import")->topLevelItemCount(), 0);
}

TEST_F(NameImportWindow, EachNameListIsWrittenOutAsCsvForASpreadsheet) {
    test::find_child<NamePage>(window.get(), u"fr_input_setting_0")
        ->export_to(QStringLiteral(u"members.csv"));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"members.csv")),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral(u"名前\r\n鈴木\r\n").toUtf8());
    EXPECT_NE(window->findChild<QPushButton*>(QStringLiteral(u"cm_ground_export")), nullptr);
    EXPECT_NE(window->findChild<QPushButton*>(QStringLiteral(u"cm_team_import")), nullptr);
}

}  // namespace
}  // namespace kl
