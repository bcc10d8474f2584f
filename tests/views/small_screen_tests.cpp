// The program on the screen of most club laptops, 1366 x 768 pixels: every window it opens, at
// every size it takes, lies inside the screen, and a window opened from the main window comes up
// above it, active.
#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "support/main_window_fixture.h"
#include "widgets/child_window.h"
#include "widgets/fonts.h"
#include "widgets/japanese_ui.h"
#include "widgets/message_box.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

namespace kl {
namespace {

QRect free_area() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Where a control is drawn on the screen.
QRect on_screen(const QWidget* control) {
    return {control->mapToGlobal(QPoint(0, 0)), control->size()};
}

class SmallScreen : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        start_on_copy_of(QStringLiteral(KL_DEMO_FILE));
        settle();
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        MainWindowOnTeam::TearDown();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }
    void trigger(const char16_t* action) {
        find<QAction>(action)->trigger();
        settle();
    }
    // 試合データ修正 of the demo season's cup game: extra time, a shoot-out and eleven events.
    fm_game_input* correct_cup_game() {
        trigger(u"tb_main_13");
        find<QComboBox>(u"cb_game_data")->setCurrentIndex(4);
        trigger(u"menu_game_modify");
        QWidget* chooser = test::find_window(QStringLiteral(u"fm_game_modify"));
        test::find_child<QPushButton>(chooser, u"cm_game_modify")->click();
        settle();
        return qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    }
    static void expect_inside_screen(const QWidget* window, const char* what) {
        EXPECT_TRUE(free_area().contains(window->frameGeometry()))
            << what << ": " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    }

    test::MessageBoxAnswerer answerer{QMessageBox::Yes};
};

TEST_F(SmallScreen, TheScreenIsALaptops) {
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1366, 768));
}

TEST_F(SmallScreen, TheWizardStaysOnTheScreenOnEveryPage) {
    // The main window low on the screen, as a user may leave it: the wizard opens centred on it.
    window->move(300, 300);
    settle();
    fm_game_input* wizard = correct_cup_game();
    ASSERT_NE(wizard, nullptr);
    expect_inside_screen(wizard, "page 1");
    wizard->cm_next[0]->click();
    settle();
    expect_inside_screen(wizard, "page 2");
    wizard->cm_next[1]->click();
    settle();
    ASSERT_EQ(wizard->page(), 2);
    expect_inside_screen(wizard, "page 3");
    EventPageView* events = wizard->events;
    // The page fits a laptop's screen under a panel and a title bar (768 - 32 - 40 pixels).
    EXPECT_LE(wizard->minimumSizeHint().height(), 696);
    // Made as low as it goes, the page gives the height up from its event list: everything a
    // scorer needs at the end of a game keeps its size, and the list still shows a few lines.
    wizard->resize(wizard->width(), 1);
    settle();
    expect_inside_screen(wizard, "page 3 at its least height");
    for (QWidget* control : std::initializer_list<QWidget*>{
             wizard->cm_back[2], wizard->cm_next[2], wizard->cm_cancel[2], events->cm_harf, events->cm_ex,
             events->cm_pk, events->tx_score1, events->tx_score2, events->cm_event_add}) {
        EXPECT_TRUE(free_area().contains(on_screen(control))) << control->objectName().toStdString();
        EXPECT_GE(control->height(), control->sizeHint().height()) << control->objectName().toStdString();
    }
    EXPECT_GE(events->lstv_event->viewport()->height(), 3 * events->lstv_event->fontMetrics().height());
}

TEST_F(SmallScreen, AWindowLargerThanTheScreenIsMadeToFit) {
    window->setGeometry(900, 500, 1600, 1000);
    settle();
    expect_inside_screen(window.get(), "main window");
    trigger(u"menu_help_help");
    QWidget* help = test::find_window(QStringLiteral(u"fm_help"));
    ASSERT_NE(help, nullptr);
    expect_inside_screen(help, "help");
    help->resize(2000, 2000);
    settle();
    expect_inside_screen(help, "help made larger");
    help->close();
}

TEST_F(SmallScreen, AWindowOpenedFromTheMainWindowComesUpActiveAboveIt) {
    trigger(u"menu_restore");
    QWidget* backups = test::find_window(QStringLiteral(u"fm_backup"));
    ASSERT_NE(backups, nullptr);
    backups->close();
    settle();
    // As after a deletion: the main window, given back its focus, then a window opened at once.
    window->activateWindow();
    trigger(u"menu_career");
    QWidget* career = test::find_window(QStringLiteral(u"fm_career"));
    ASSERT_NE(career, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), career);
    ASSERT_NE(career->windowHandle(), nullptr);
    // The window system keeps a window above the window it is transient for.
    EXPECT_EQ(career->windowHandle()->transientParent(), window->windowHandle());
    EXPECT_FALSE(window->isEnabled());
}

// Japanese text wraps between any two characters: a box narrower than its text breaks a word.
TEST(MessageBoxes, AreWideEnoughForTheirText) {
    const QString text = QStringLiteral(
        u"前回開いたファイルがありません。　「新規作成」　か　「開く」　でファイルを選択して下さい。");
    int lines = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral(u"qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        lines = label->height() / label->fontMetrics().lineSpacing();
        EXPECT_TRUE(free_area().contains(box->frameGeometry()));
        box->button(QMessageBox::Ok)->click();
    });
    show_message({QStringLiteral(u"読み込みエラー"), text});
    EXPECT_EQ(lines, 1);
}

}  // namespace
}  // namespace kl

// The tests run on a screen of 1366 x 768 pixels of the offscreen platform, with every window kept
// on the screen as the program keeps it.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString screens = folder.filePath(QStringLiteral(u"screens.json"));
    QFile file(screens);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    kl::use_japanese_ui();
    kl::keep_windows_on_screen();
    kl::use_program_font();
    return RUN_ALL_TESTS();
}
