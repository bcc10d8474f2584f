// Takes pictures of the real windows in the states a scorer meets them, for a look at the layout
// and for the user manual:  screen_tour OUTDIR [SCENE...]  (every scene when none is named; "help"
// names the scenes whose pictures the manual in docs/help shows). Each file written is printed.
#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_help.h"
#include "views/fm_main.h"
#include "widgets/japanese_ui.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace kl {
namespace {

QString output_folder;

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void take(QWidget* window, const QString& name) {
    settle();
    const QString file = QDir(output_folder).filePath(name + QStringLiteral(u".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return;
    }
    std::printf("%s\n", qPrintable(file));
}

// The main window on the demo season, in a folder of its own.
class Tour {
  public:
    Tour() {
        QDir::setCurrent(folder_.path());
        QFile::copy(QStringLiteral(KL_DEMO_FILE), QStringLiteral(u"demo.kld"));
        QFile::setPermissions(QStringLiteral(u"demo.kld"), QFile::ReadOwner | QFile::WriteOwner);
        test::write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"demo.kld")});
        window = std::make_unique<fm_main>(store);
        window->start();
        window->resize(900, 640);
    }
    ~Tour() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != window.get() && top->isVisible()) {
                top->close();
            }
        }
        settle();
        window.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    void trigger(const char16_t* action) {
        window->findChild<QAction*>(QString::fromUtf16(action))->trigger();
        settle();
    }
    fm_game_input* open_wizard() {
        trigger(u"tb_main_9");
        return window->findChild<fm_game_input*>() != nullptr
                   ? window->findChild<fm_game_input*>()
                   : qobject_cast<fm_game_input*>(find_top(QStringLiteral(u"fm_game_input")));
    }
    static QWidget* find_top(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }

    md::DataStore store;
    std::unique_ptr<fm_main> window;

  private:
    QTemporaryDir folder_;
};

// Page 1 filled for a cup game (golden goal) against 青葉FC.
void fill_page1(fm_game_input* wizard) {
    wizard->tx_date->setText(QStringLiteral(u"2024/07/06"));
    wizard->cb_time_h->setCurrentIndex(10);
    wizard->cb_time_m->setCurrentIndex(0);
    wizard->cb_ground[0]->setCurrentIndex(0);
    wizard->cb_team[0]->setCurrentIndex(0);
    wizard->cb_meeting->setCurrentIndex(1);
    wizard->cb_writer[0]->setEditText(QStringLiteral(u"佐藤監督"));
}

void fill_page2(fm_game_input* wizard) {
    wizard->cb_formation->setCurrentIndex(0);
    for (QPushButton* row : wizard->cm_poji) {
        row->click();
    }
    for (int i = 0; i < 4; ++i) {
        wizard->cm_r_add->click();
    }
}

void choose_details(EventPageView* events, int panel, int body, int area, int action) {
    const std::array<QPushButton*, 5> openers = {events->cm_point, events->cm_assist, events->cm_own,
                                                 events->cm_l_point, events->cm_l_assist};
    openers[static_cast<size_t>(panel)]->click();
    DetailPanelControls& controls = events->detail_panels[static_cast<size_t>(panel)];
    controls.groups[0]->button(body)->click();
    controls.groups[2]->button(action)->click();
    controls.groups[1]->button(area)->click();
    controls.ok->click();
}

void click_pitch(EventPageView* events, int row) {
    emit events->lstv_sm->itemClicked(events->lstv_sm->topLevelItem(row), 0);
}

fm_game_input* wizard_on_page3(Tour& tour) {
    fm_game_input* wizard = tour.open_wizard();
    fill_page1(wizard);
    wizard->cm_next[0]->click();
    fill_page2(wizard);
    wizard->cm_next[1]->click();
    return wizard;
}

void views(Tour& tour) {
    take(tour.window.get(), QStringLiteral(u"main_game_list"));
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    take(tour.window.get(), QStringLiteral(u"main_game_detail"));
    tour.trigger(u"tb_main_14");
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_setting"))->click();
    take(tour.window.get(), QStringLiteral(u"main_team_data"));
    tour.trigger(u"tb_main_15");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_player"))->setCurrentIndex(0);
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_renew"))->click();
    take(tour.window.get(), QStringLiteral(u"main_personal_data"));
    // The narrowest window the user can make.
    tour.window->resize(
        tour.window->minimumSizeHint().boundedTo(tour.window->minimumSize().expandedTo({1, 1})));
    tour.window->resize(1, 1);
    take(tour.window.get(), QStringLiteral(u"main_personal_data_narrow"));
    tour.trigger(u"tb_main_14");
    take(tour.window.get(), QStringLiteral(u"main_team_data_narrow"));
}

void wizard_pages(Tour& tour) {
    fm_game_input* wizard = tour.open_wizard();
    fill_page1(wizard);
    take(wizard, QStringLiteral(u"wizard_page1"));
    wizard->cm_next[0]->click();
    fill_page2(wizard);
    wizard->cm_poji[4]->click();  // a row emptied by its toggle
    take(wizard, QStringLiteral(u"wizard_page2_row_toggled"));
    wizard->cm_poji[4]->click();
    wizard->cm_next[1]->click();
    take(wizard, QStringLiteral(u"wizard_page3"));
}

void wizard_goals(Tour& tour) {
    fm_game_input* wizard = wizard_on_page3(tour);
    EventPageView* events = wizard->events;
    events->op_input[3]->click();
    click_pitch(events, 10);
    events->cm_point->click();
    take(wizard, QStringLiteral(u"wizard_goal_panel_open"));
    events->detail_panels[0].ok->click();
    choose_details(events, 0, 1, 0, 1);
    click_pitch(events, 9);
    choose_details(events, 1, 0, 2, 3);
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_after_goal"));
    events->op_input[4]->click();
    events->cm_l_point->click();
    take(wizard, QStringLiteral(u"wizard_conceded_panel_open"));
    events->detail_panels[3].ok->click();
    choose_details(events, 3, 0, 0, 1);
    choose_details(events, 4, 1, 2, 4);
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_after_conceded"));
    events->op_input[5]->click();
    events->cb_formation_change->setCurrentIndex(2);
    events->cm_event_add->click();
    events->cm_ex->click();
    take(wizard, QStringLiteral(u"wizard_extra_time"));
    events->cm_harf->click();
    take(wizard, QStringLiteral(u"wizard_after_half_button"));
}

// --- The pictures of the user manual (docs/help/images) ---

QWidget* opened_top(const char16_t* name) {
    QWidget* top = Tour::find_top(QString::fromUtf16(name));
    if (top == nullptr) {
        std::fprintf(stderr, "no window %s\n", qPrintable(QString::fromUtf16(name)));
    }
    return top;
}

// A window opened from the main window, its picture taken, then closed.
void take_opened(Tour& tour, const char16_t* action, const char16_t* window, const QString& name) {
    tour.trigger(action);
    if (QWidget* top = opened_top(window)) {
        take(top, name);
        top->close();
    }
    settle();
}

void manual_views(Tour& tour) {
    tour.window->resize(760, 560);
    take(tour.window.get(), QStringLiteral(u"main_game_list"));
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    take(tour.window.get(), QStringLiteral(u"main_game_detail"));
    tour.trigger(u"tb_main_14");
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_setting"))->click();
    take(tour.window.get(), QStringLiteral(u"main_team_data"));
    tour.trigger(u"tb_main_15");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_player"))->setCurrentIndex(3);
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_renew"))->click();
    take(tour.window.get(), QStringLiteral(u"main_personal_data"));
}

void manual_windows(Tour& tour) {
    take_opened(tour, u"tb_main_2", u"fm_new", QStringLiteral(u"fm_new"));
    take_opened(tour, u"tb_main_3", u"fm_open", QStringLiteral(u"fm_open"));
    take_opened(tour, u"tb_main_18", u"fm_setting", QStringLiteral(u"fm_setting"));
    take_opened(tour, u"tb_main_10", u"fm_game_delete", QStringLiteral(u"fm_game_delete"));
    tour.trigger(u"tb_main_17");
    if (QWidget* master = opened_top(u"fm_setting_input")) {
        auto* tabs = master->findChild<QTabBar*>(QStringLiteral(u"ts_setting"));
        const std::pair<int, const char16_t*> pages[] = {
            {0, u"master_members"}, {3, u"master_formations"}, {4, u"master_meetings"}};
        for (const auto& [tab, name] : pages) {
            tabs->setCurrentIndex(tab);
            take(master, QString::fromUtf16(name));
        }
        master->close();
    }
}

// Page 3 of a cup game (golden goal, shoot-out), through each kind of event.
void manual_wizard(Tour& tour) {
    fm_game_input* wizard = tour.open_wizard();
    fill_page1(wizard);
    take(wizard, QStringLiteral(u"wizard_page1"));
    wizard->cm_next[0]->click();
    fill_page2(wizard);
    take(wizard, QStringLiteral(u"wizard_page2"));
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    take(wizard, QStringLiteral(u"wizard_page3"));

    events->op_input[3]->click();  // 得点・アシスト
    click_pitch(events, 10);
    events->cm_point->click();
    DetailPanelControls& finish = events->detail_panels[0];
    finish.groups[0]->button(1)->click();
    finish.groups[2]->button(1)->click();
    finish.groups[1]->button(0)->click();
    take(wizard, QStringLiteral(u"wizard_goal_details"));
    finish.ok->click();
    click_pitch(events, 9);
    choose_details(events, 1, 0, 2, 3);
    for (int i = 0; i < 12; ++i) {
        events->cm_time_up[0]->click();
    }
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_after_goal"));

    events->op_input[2]->click();  // 警告・退場
    events->cm_time_up[1]->click();
    click_pitch(events, 4);
    take(wizard, QStringLiteral(u"wizard_card"));
    events->cm_event_add->click();

    events->op_input[0]->click();  // 交代
    events->cm_time_up[1]->click();
    click_pitch(events, 8);
    events->lst_rm->setCurrentRow(0);
    take(wizard, QStringLiteral(u"wizard_substitution"));
    events->cm_event_add->click();

    events->op_input[4]->click();  // 失点
    events->cm_time_up[1]->click();
    choose_details(events, 3, 0, 0, 1);
    choose_details(events, 4, 1, 2, 4);
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_conceded"));

    events->cm_ex->click();  // level at 1-1: extra time
    take(wizard, QStringLiteral(u"wizard_extra_time"));
    events->cm_pk->click();
    events->op_pk[0]->click();
    for (int round = 0; round < 3; ++round) {
        click_pitch(events, 10 - round);
        events->cm_pk_point[round == 1 ? 1 : 0]->click();
        events->cm_pk_point[round == 2 ? 3 : 2]->click();
    }
    take(wizard, QStringLiteral(u"wizard_shoot_out"));
}

void manual_paper(Tour& tour) {
    tour.window->resize(760, 560);
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    const std::pair<const char16_t*, const char16_t*> previews[] = {
        {u"tb_main_5", u"print_preview"}, {u"menu_sheet_sample", u"score_sheet_sample"}};
    for (const auto& [action, name] : previews) {
        tour.trigger(action);
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            preview->resize(760, 620);
            take(preview, QString::fromUtf16(name));
            preview->close();
        }
        settle();
    }
    tour.trigger(u"menu_help_help");
    if (auto* help = qobject_cast<fm_help*>(opened_top(u"fm_help"))) {
        help->show_page(QStringLiteral(u"views.html"));
        take(help, QStringLiteral(u"help_window"));
        help->close();
    }
}

// The scenes whose pictures the manual shows.
const QStringList manual_scenes = {QStringLiteral(u"manual_views"), QStringLiteral(u"manual_windows"),
                                   QStringLiteral(u"manual_wizard"), QStringLiteral(u"manual_paper")};

const std::map<QString, std::function<void(Tour&)>>& scenes() {
    static const std::map<QString, std::function<void(Tour&)>> all = {
        {QStringLiteral(u"views"), views},
        {QStringLiteral(u"wizard_pages"), wizard_pages},
        {QStringLiteral(u"wizard_goals"), wizard_goals},
        {QStringLiteral(u"manual_views"), manual_views},
        {QStringLiteral(u"manual_windows"), manual_windows},
        {QStringLiteral(u"manual_wizard"), manual_wizard},
        {QStringLiteral(u"manual_paper"), manual_paper},
    };
    return all;
}

}  // namespace
}  // namespace kl

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The pictures show the program as it runs: Qt's own texts in Japanese too, and its 9-point font.
    kl::use_japanese_ui();
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_tour OUTDIR [SCENE...]\n");
        return 64;
    }
    kl::output_folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(kl::output_folder);
    QStringList chosen;
    for (int i = 2; i < argc; ++i) {
        const QString scene = QString::fromLocal8Bit(argv[i]);
        chosen.append(scene == QStringLiteral(u"help") ? kl::manual_scenes : QStringList{scene});
    }
    // Every question (人数の確認 and the like) is answered Yes.
    kl::test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    for (const auto& [name, scene] : kl::scenes()) {
        if (chosen.isEmpty() || chosen.contains(name)) {
            kl::Tour tour;
            scene(tour);
        }
    }
    return 0;
}
