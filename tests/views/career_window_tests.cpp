#include "store/data_store.h"
#include "support/game_builder.h"
#include "support/main_window_fixture.h"
#include "support/message_boxes.h"
#include "support/season_files.h"
#include "support/test_files.h"
#include "views/fm_career.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

namespace kl {
namespace {

// The main window on the club's last season, in a data folder with the other seasons, another
// team's season and a file that cannot be read.
class CareerWindow : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::write_season_files();
        test::write_cp932_lines(QStringLiteral(u"setting.ini"), {test::season_2025});
        window = std::make_unique<fm_main>(store);
        window->start();
        window->findChild<QAction*>(QStringLiteral(u"menu_career"))->trigger();
        career = test::find_window(QStringLiteral(u"fm_career"));
        ASSERT_NE(career, nullptr);
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset();
        InTemporaryFolder::TearDown();
    }
    template <typename T>
    T* child(const char16_t* name) {
        return test::find_child<T>(career, name);
    }
    QListWidgetItem* file_entry(const QString& file) {
        auto* files = child<QListWidget>(u"lst_career_file");
        for (int row = 0; row < files->count(); ++row) {
            if (files->item(row)->text().startsWith(file)) {
                return files->item(row);
            }
        }
        ADD_FAILURE() << "no entry for " << file.toStdString();
        return nullptr;
    }
    static QStringList row_texts(QTreeWidget* list, int row) {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column) {
            texts.append(list->topLevelItem(row)->text(column));
        }
        return texts;
    }
    void choose_member(const QString& name) {
        auto* members = child<QComboBox>(u"cb_career_member");
        members->setCurrentIndex(members->findText(name));
    }

    md::DataStore store;
    std::unique_ptr<fm_main> window;
    QWidget* career = nullptr;
};

TEST_F(CareerWindow, OpensOverTheDisabledMainWindowWithEveryFileOfTheDataFolder) {
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(career->windowTitle(), QStringLiteral(u"通算成績"));
    auto* files = child<QListWidget>(u"lst_career_file");
    ASSERT_EQ(files->count(), 5);
    EXPECT_EQ(files->item(0)->text(),
              QStringLiteral(u"さくらFC 2023.kld　さくらFC 2023　2023/05/03～2023/06/10"));
    EXPECT_EQ(files->item(0)->checkState(), Qt::Checked);
    // The unreadable file is listed last, cannot be ticked, and says why it is left out.
    EXPECT_EQ(files->item(4)->text(), QStringLiteral(u"壊れたファイル.kld　（読み込めません）"));
    EXPECT_FALSE(files->item(4)->flags() & Qt::ItemIsUserCheckable);
    auto* message = child<QLabel>(u"lb_career_message");
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->text(),
              QStringLiteral(
                  u"「壊れたファイル.kld」　を読み込めません。（4行目：試合データの形式が正しくありません）\n"
                  u"読み込めないファイルは集計に含めません。"));

    child<QPushButton>(u"cm_cancel")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_career")), nullptr);
}

TEST_F(CareerWindow, AMembersLinesFollowTheTickedFiles) {
    choose_member(QStringLiteral(u"S10"));
    auto* table = child<QTreeWidget>(u"lstv_career");
    ASSERT_EQ(table->topLevelItemCount(), 5);  // the three seasons, the other team's, 通算
    EXPECT_EQ(row_texts(table, 4),
              (QStringList{QStringLiteral(u"通算"), QString(), QStringLiteral(u"7"), QStringLiteral(u"6"),
                           QStringLiteral(u"485"), QStringLiteral(u"85%"), QStringLiteral(u"5"),
                           QStringLiteral(u"1"), QStringLiteral(u"1"), QStringLiteral(u"1")}));

    file_entry(test::other_team)->setCheckState(Qt::Unchecked);
    ASSERT_EQ(table->topLevelItemCount(), 4);
    EXPECT_EQ(row_texts(table, 3),
              (QStringList{QStringLiteral(u"通算"), QString(), QStringLiteral(u"6"), QStringLiteral(u"5"),
                           QStringLiteral(u"395"), QStringLiteral(u"82%"), QStringLiteral(u"3"),
                           QStringLiteral(u"1"), QStringLiteral(u"1"), QStringLiteral(u"1")}));
    auto* positions = child<QTreeWidget>(u"lstv_career_position");
    ASSERT_EQ(positions->topLevelItemCount(), 2);
    EXPECT_EQ(row_texts(positions, 0), (QStringList{QStringLiteral(u"CF"), QStringLiteral(u"350")}));
    auto* milestones = child<QTreeWidget>(u"lstv_career_milestone");
    ASSERT_EQ(milestones->topLevelItemCount(), 3);
    EXPECT_EQ(row_texts(milestones, 2),
              (QStringList{QStringLiteral(u"2024/06/01"), QStringLiteral(u"初アシスト"),
                           QStringLiteral(u"白山FC")}));

    // Without a file that lists him the member leaves the chooser and the table.
    for (const QString& file : {test::season_2023, test::season_2024, test::season_2025}) {
        file_entry(file)->setCheckState(Qt::Unchecked);
    }
    EXPECT_EQ(child<QComboBox>(u"cb_career_member")->count(), 0);
    EXPECT_EQ(table->topLevelItemCount(), 0);
}

TEST_F(CareerWindow, HeadToHeadListsEachOpponentOfTheTickedFiles) {
    file_entry(test::other_team)->setCheckState(Qt::Unchecked);
    auto* h2h = child<QTreeWidget>(u"lstv_h2h");
    ASSERT_EQ(h2h->topLevelItemCount(), 3);
    EXPECT_EQ(row_texts(h2h, 2),
              (QStringList{QStringLiteral(u"青葉FC"), QStringLiteral(u"3"), QStringLiteral(u"3"),
                           QStringLiteral(u"0"), QStringLiteral(u"0"), QStringLiteral(u"4"),
                           QStringLiteral(u"2"), QStringLiteral(u"2025/05/05 1-1 (PK 4-3)")}));
}

TEST_F(CareerWindow, AnAddedFileIsCountedAndOneThatCannotBeReadIsToldAndLeftOut) {
    auto* window_class = static_cast<fm_career*>(career);
    QDir().mkdir(QStringLiteral(u"old"));
    test::GameBuilder game;
    game.date = QStringLiteral(u"2022/05/01");
    game.goal(10, QStringLiteral(u"S10"));
    test::write_cp932_lines(QStringLiteral(u"old/さくらFC 2022.kld"),
                            {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC 2022"),
                             QStringLiteral(u"[試合データ]"), game.line()});
    window_class->add_file(QDir::current().filePath(QStringLiteral(u"old/さくらFC 2022.kld")));
    choose_member(QStringLiteral(u"S10"));
    auto* table = child<QTreeWidget>(u"lstv_career");
    EXPECT_EQ(table->topLevelItem(0)->text(0), QStringLiteral(u"さくらFC 2022.kld"));  // first by date

    test::write_bytes(QStringLiteral(u"old/bad.kld"), QByteArray("\x82", 1));
    test::MessageBoxAnswerer answerer;
    window_class->add_file(QStringLiteral(u"old/bad.kld"));
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「old/bad.kld」　を読み込めません。（1行目：文字コードが正しくありません）\n"
                             u"読み込めないファイルは集計に含めません。"));
    EXPECT_EQ(table->topLevelItemCount(), 6);
}

TEST_F(CareerWindow, TheBookAsksForAMemberUnlessEveryMemberIsWanted) {
    test::MessageBoxAnswerer answerer;
    child<QPushButton>(u"cm_career_book")->click();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「メンバー」　を選択して下さい。"));
    EXPECT_EQ(child<QPushButton>(u"cm_career_book")->text(), QStringLiteral(u"記録帳をPDFに保存..."));
}

class DetailRecord : public test::MainWindowOnTeam {};

TEST_F(DetailRecord, TheSheetShowsTheRecordAgainstTheOpponentBeforeTheGame) {
    test::GameBuilder won;
    won.date = QStringLiteral(u"2006/04/01");
    won.goal(10, QStringLiteral(u"S10"));
    test::GameBuilder drawn;
    drawn.date = QStringLiteral(u"2006/05/01");
    test::GameBuilder shown;
    shown.date = QStringLiteral(u"2006/06/01");
    shown.conceded(5);
    start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]"),
              won.line(), drawn.line(), shown.line()});
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(2);
    const QStringList header = find<QTextEdit>(u"tx_game_data_0")->toPlainText().split(u'\n');
    ASSERT_EQ(header.size(), 2);
    EXPECT_TRUE(header[0].startsWith(QStringLiteral(u"◇ 2006/06/01")));
    EXPECT_EQ(header[1], QStringLiteral(u"対戦成績: 1勝 1分 0敗"));
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(0);
    EXPECT_TRUE(
        find<QTextEdit>(u"tx_game_data_0")->toPlainText().endsWith(QStringLiteral(u"対戦成績: 0勝 0分 0敗")));
}

}  // namespace
}  // namespace kl
