// Every list and table of the program shows every cell of the demo season whole: each column is at
// least as wide as its widest cell (the delegate's size hint) and its header, and the last column
// reaches the list's edge, so no header row stops short.
#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "master/fm_name_import.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

namespace kl {
namespace {

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

// Checks every cell of every row of list, and its header.
void expect_cells_fit(const QTreeView* list) {
    ASSERT_NE(list, nullptr);
    const std::string name = list->objectName().toStdString();
    const QAbstractItemModel* model = list->model();
    ASSERT_GT(model->rowCount(), 0) << name;
    const QHeaderView* header = list->header();
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.font = list->font();
    option.fontMetrics = list->fontMetrics();
    int last = -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (header->isSectionHidden(column)) {
            continue;
        }
        last = column;
        const int width = list->columnWidth(column);
        if (!header->isHidden()) {
            EXPECT_LE(header->sectionSizeHint(column), width) << name << " header " << column;
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            EXPECT_LE(list->itemDelegateForIndex(index)->sizeHint(option, index).width(), width)
                << name << " row " << row << " column " << column << ": "
                << index.data().toString().toStdString();
        }
    }
    ASSERT_GE(last, 0) << name;
    EXPECT_GE(header->sectionViewportPosition(last) + header->sectionSize(last), list->viewport()->width())
        << name << ": the last column stops short";
}

// The main window on the demo season, at the size it opens with, in the program's 9-point font.
class ListCells : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        QFont font = previous_font_;
        font.setPointSize(9);
        QApplication::setFont(font);
        start_on_copy_of(QStringLiteral(KL_DEMO_FILE));
        settle();
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        MainWindowOnTeam::TearDown();
        QApplication::setFont(previous_font_);
    }
    QWidget* open(const char16_t* action, const char16_t* name) {
        find<QAction>(action)->trigger();
        settle();
        QWidget* opened = test::find_window(QString::fromUtf16(name));
        EXPECT_NE(opened, nullptr) << QString::fromUtf16(name).toStdString();
        return opened;
    }
    static QTreeView* list_in(const QWidget* window, const char16_t* name) {
        return test::find_child<QTreeView>(window, name);
    }

    test::MessageBoxAnswerer answerer{QMessageBox::Yes};

  private:
    const QFont previous_font_ = QApplication::font();
};

TEST_F(ListCells, TheViewsShowEveryCellWhole) {
    expect_cells_fit(find<QTreeView>(u"lstv_game"));
    find<QAction>(u"tb_main_14")->trigger();
    find<QPushButton>(u"cm_setting")->click();
    settle();
    expect_cells_fit(find<QTreeView>(u"lstv_team"));
    find<QAction>(u"tb_main_15")->trigger();
    auto* members = find<QComboBox>(u"cb_player");
    for (int member = 0; member < members->count(); ++member) {
        members->setCurrentIndex(member);
        find<QPushButton>(u"cm_renew")->click();
        settle();
        expect_cells_fit(find<QTreeView>(u"lstv_player"));
    }
    find<QAction>(u"tb_main_graph")->trigger();
    find<QPushButton>(u"cm_graph")->click();
    settle();
    expect_cells_fit(find<QTreeView>(u"lstv_squad"));
}

TEST_F(ListCells, TheWindowsShowEveryCellWhole) {
    QWidget* master = open(u"tb_main_17", u"fm_setting_input");
    auto* tabs = test::find_child<QTabBar>(master, u"ts_setting");
    tabs->setCurrentIndex(3);
    settle();
    expect_cells_fit(list_in(master, u"lstv_formation"));
    tabs->setCurrentIndex(4);
    settle();
    expect_cells_fit(list_in(master, u"lstv_meeting"));
    // A meeting's fields are read without scrolling sideways: the window made room for them.
    EXPECT_EQ(list_in(master, u"lstv_meeting")->horizontalScrollBar()->maximum(), 0);
    test::find_child<QPushButton>(master, u"cm_cancel")->click();
    settle();

    QWidget* career = open(u"menu_career", u"fm_career");
    auto* members = test::find_child<QComboBox>(career, u"cb_career_member");
    members->setCurrentIndex(members->findText(QStringLiteral(u"加藤 颯太")));
    settle();
    for (const char16_t* list :
         {u"lstv_career", u"lstv_career_position", u"lstv_career_milestone", u"lstv_h2h"}) {
        expect_cells_fit(list_in(career, list));
    }
    career->close();
    settle();

    // A deletion keeps the file as it was in a backup: the restore window lists it.
    QWidget* deletion = open(u"tb_main_10", u"fm_game_delete");
    test::find_child<QListWidget>(deletion, u"lst_game")->setCurrentRow(0);
    test::find_child<QPushButton>(deletion, u"cm_game_delete")->click();
    deletion->close();
    settle();
    QWidget* backups = open(u"menu_restore", u"fm_backup");
    expect_cells_fit(list_in(backups, u"lst_backup"));
    backups->close();
    settle();
}

TEST_F(ListCells, TheWizardShowsEveryCellWhole) {
    // The cup game of the demo season, corrected: extra time, a shoot-out and eleven events.
    find<QAction>(u"tb_main_13")->trigger();
    find<QComboBox>(u"cb_game_data")->setCurrentIndex(4);
    QWidget* chooser = open(u"menu_game_modify", u"fm_game_modify");
    test::find_child<QPushButton>(chooser, u"cm_game_modify")->click();
    settle();
    auto* wizard = qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    ASSERT_NE(wizard, nullptr);
    wizard->cm_next[0]->click();
    wizard->cm_next[1]->click();
    settle();
    expect_cells_fit(wizard->events->lstv_sm);
    expect_cells_fit(wizard->events->lstv_event);
    expect_cells_fit(wizard->events->lstv_pk);
}

TEST_F(ListCells, TheRosterReadShowsEveryCellWhole) {
    test::write_cp932_lines(QStringLiteral(u"名簿.csv"),
                            {QStringLiteral(u"番号,氏名"), QStringLiteral(u"1,木村 大翔"),
                             QStringLiteral(u"2,加藤 颯太"), QStringLiteral(u"3,長谷川 龍之介")});
    QWidget* master = open(u"tb_main_17", u"fm_setting_input");
    test::find_child<QPushButton>(master, u"cm_member_import")->click();
    settle();
    auto* import = qobject_cast<fm_name_import*>(test::find_window(QStringLiteral(u"fm_name_import")));
    ASSERT_NE(import, nullptr);
    import->load_file(QStringLiteral(u"名簿.csv"));
    settle();
    expect_cells_fit(import->lstv_import);
    import->close();
}

}  // namespace
}  // namespace kl
