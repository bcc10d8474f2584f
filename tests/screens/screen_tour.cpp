// Takes pictures of the real windows in the states a scorer meets them, for a look at the layout
// and for the user manual:  screen_tour OUTDIR [SCENE...]  (every scene when none is named; "help"
// names the scenes whose pictures the manual in docs/help shows). Each file written is printed.
#include "entry/event_panels.h"
#include "entry/fm_game_input.h"
#include "entry/fm_live.h"
#include "master/fm_name_import.h"
#include "print/share_pictures.h"
#include "reports/game_lists.h"
#include "reports/share_contents.h"
#include "store/data_store.h"
#include "store/team_backups.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "support/wizard_clicks.h"
#include "views/fm_help.h"
#include "views/fm_main.h"
#include "views/graph_data_view.h"
#include "widgets/child_window.h"
#include "widgets/fonts.h"
#include "widgets/japanese_ui.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
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

// The main window on a sample team in a folder of its own: the demo season, or the eight-a-side
// youth team with small-sided games on.
class Tour {
  public:
    explicit Tour(bool small_sided = false) {
        QDir::setCurrent(folder_.path());
        const QString file = small_sided ? QStringLiteral(u"small_sided.kld") : QStringLiteral(u"demo.kld");
        QFile::copy(small_sided ? QStringLiteral(KL_SMALL_SIDED_FILE) : QStringLiteral(KL_DEMO_FILE), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QStringList settings = {file};
        if (small_sided) {
            settings += {QString(), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                         QStringLiteral(u" 1 ")};
        }
        test::write_cp932_lines(QStringLiteral(u"setting.ini"), settings);
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
    test::fill_game_information(wizard,
                                {QStringLiteral(u"2024/07/06"), 10, 0, 1, QStringLiteral(u"佐藤監督")});
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

using test::click_details;
using test::click_pitch_row;

fm_game_input* wizard_on_page3(Tour& tour) {
    fm_game_input* wizard = tour.open_wizard();
    fill_page1(wizard);
    wizard->cm_next[0]->click();
    fill_page2(wizard);
    wizard->cm_next[1]->click();
    return wizard;
}

// The game list, the detail sheet and the two statistics views, each computed, then グラフ: the
// demo cup game on the sheet, the member of the personal view chosen by their place in the list.
void show_views(Tour& tour, int member) {
    take(tour.window.get(), QStringLiteral(u"main_game_list"));
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    take(tour.window.get(), QStringLiteral(u"main_game_detail"));
    tour.trigger(u"tb_main_14");
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_setting"))->click();
    take(tour.window.get(), QStringLiteral(u"main_team_data"));
    tour.trigger(u"tb_main_15");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_player"))->setCurrentIndex(member);
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_renew"))->click();
    take(tour.window.get(), QStringLiteral(u"main_personal_data"));
    tour.trigger(u"tb_main_graph");
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_graph"))->click();
    take(tour.window.get(), QStringLiteral(u"main_graph"));
}

void views(Tour& tour) {
    show_views(tour, 0);
    // The narrowest window the user can make.
    tour.window->resize(
        tour.window->minimumSizeHint().boundedTo(tour.window->minimumSize().expandedTo({1, 1})));
    tour.window->resize(1, 1);
    tour.trigger(u"tb_main_15");
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
    click_pitch_row(events, 10);
    events->cm_point->click();
    take(wizard, QStringLiteral(u"wizard_goal_panel_open"));
    events->detail_panels[0].ok->click();
    click_details(events, 0, 1, 0, 1);
    click_pitch_row(events, 9);
    click_details(events, 1, 0, 2, 3);
    events->cm_time_up[1]->click();
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_after_goal"));
    events->op_input[4]->click();
    events->cm_l_point->click();
    take(wizard, QStringLiteral(u"wizard_conceded_panel_open"));
    events->detail_panels[3].ok->click();
    click_details(events, 3, 0, 0, 1);
    click_details(events, 4, 1, 2, 4);
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

// バックアップから復元 after a week of changes: backups of earlier days, then a game deleted now.
QWidget* open_restore_window(Tour& tour) {
    md::DataStore& store = tour.store;
    const QStringList games = store.game_lines;
    const QString members = store.member_list;
    const QDateTime now = QDateTime::currentDateTime();
    const auto keep = [&](int days_ago, int hour) {
        md::write_backup(store.data_file_path, store.encode_team_file().bytes,
                         QDateTime(now.date().addDays(-days_ago), QTime(hour, 12, 5)));
    };
    store.game_lines = games.mid(0, games.size() - 2);
    store.member_list = members.section(u',', 0, -2);
    keep(7, 20);
    store.member_list = members;
    keep(6, 21);
    store.game_lines = games.mid(0, games.size() - 1);
    keep(1, 19);
    store.game_lines = games;
    tour.trigger(u"tb_main_10");
    QWidget* deletion = Tour::find_top(QStringLiteral(u"fm_game_delete"));
    auto* list = deletion->findChild<QListWidget*>(QStringLiteral(u"lst_game"));
    list->setCurrentRow(list->count() - 1);
    deletion->findChild<QPushButton*>(QStringLiteral(u"cm_game_delete"))->click();
    deletion->close();
    settle();
    tour.trigger(u"menu_restore");
    QWidget* restore = Tour::find_top(QStringLiteral(u"fm_backup"));
    auto* rows = restore->findChild<QTreeWidget*>(QStringLiteral(u"lst_backup"));
    rows->setCurrentItem(rows->topLevelItem(0));
    return restore;
}

void backups(Tour& tour) {
    take(open_restore_window(tour), QStringLiteral(u"backup_window"));
}

// 試合データ修正 of the demo season's cup game with extra time and a shoot-out: the game chosen,
// then the wizard's three pages as it opens on the stored game.
void correct_cup_game(Tour& tour, const QString& chooser_picture, const QStringList& page_pictures) {
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    tour.trigger(u"menu_game_modify");
    QWidget* chooser = Tour::find_top(QStringLiteral(u"fm_game_modify"));
    take(chooser, chooser_picture);
    chooser->findChild<QPushButton*>(QStringLiteral(u"cm_game_modify"))->click();
    settle();
    auto* wizard = qobject_cast<fm_game_input*>(Tour::find_top(QStringLiteral(u"fm_game_input")));
    for (int page = 0; page < page_pictures.size(); ++page) {
        if (page > 0) {
            wizard->cm_next[static_cast<size_t>(page - 1)]->click();
        }
        if (!page_pictures[page].isEmpty()) {
            take(wizard, page_pictures[page]);
        }
    }
}

void correction(Tour& tour) {
    correct_cup_game(tour, QStringLiteral(u"correction_choose_game"),
                     {QStringLiteral(u"correction_page1"), QStringLiteral(u"correction_page2"),
                      QStringLiteral(u"correction_page3")});
}

// Eight a side: page 2 with the 2-3-2 formation, page 3 after a member came back on, the sheet and
// the personal data of a game with re-entries, and 環境設定 with the option on.
void enter_small_sided_game(Tour& tour, const QString& page2_picture, const QString& page3_picture) {
    fm_game_input* wizard = tour.open_wizard();
    fill_page1(wizard);
    wizard->cb_meeting->setCurrentIndex(0);
    wizard->cm_next[0]->click();
    wizard->cb_formation->setCurrentIndex(0);
    for (const int row : {0, 4, 5, 6, 7, 8, 9, 10}) {
        wizard->cm_poji[static_cast<size_t>(row)]->click();
    }
    for (int i = 0; i < 4; ++i) {
        wizard->cm_r_add->click();
    }
    take(wizard, page2_picture);
    wizard->cm_next[1]->click();
    EventPageView* events = wizard->events;
    for (const auto& [row, reserve] : {std::pair{10, 0}, std::pair{9, 3}}) {
        click_pitch_row(events, row);
        emit events->lst_rm->itemClicked(events->lst_rm->item(reserve));
        events->cm_time_up[1]->click();
        events->cm_event_add->click();
    }
    click_pitch_row(events, 7);
    take(wizard, page3_picture);
    wizard->close();
    settle();
}

void small_sided(Tour& tour) {
    enter_small_sided_game(tour, QStringLiteral(u"small_sided_page2"), QStringLiteral(u"small_sided_page3"));
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(1);
    take(tour.window.get(), QStringLiteral(u"small_sided_game_detail"));
    tour.trigger(u"tb_main_15");
    auto* player = tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_player"));
    player->setCurrentIndex(player->findText(QStringLiteral(u"中村 悠人")));
    tour.window->findChild<QPushButton*>(QStringLiteral(u"cm_renew"))->click();
    take(tour.window.get(), QStringLiteral(u"small_sided_personal_data"));
    tour.trigger(u"tb_main_18");
    take(Tour::find_top(QStringLiteral(u"fm_setting")), QStringLiteral(u"small_sided_settings"));
}

// The chart view on the demo season: each chart page, the design size, enlarged, and each chart
// as the PNG its context menu saves.
void graph(Tour& tour) {
    tour.trigger(u"tb_main_graph");
    auto* view = tour.window->findChild<GraphDataView*>(QStringLiteral(u"fr_data_4"));
    view->cm_graph->click();
    for (int page = 0; page < view->ts_graph->count(); ++page) {
        view->ts_graph->setCurrentIndex(page);
        take(tour.window.get(), QStringLiteral(u"graph_") + QString::number(page));
        view->save_chart_image(page,
                               {QDir(output_folder).filePath(QStringLiteral(u"graph_saved_%1.png").arg(page)),
                                ImageFormat::png});
    }
    view->ts_graph->setCurrentIndex(0);
    tour.window->resize(720, 640);
    take(tour.window.get(), QStringLiteral(u"graph_design_size"));
    tour.window->resize(1400, 1000);
    take(tour.window.get(), QStringLiteral(u"graph_enlarged"));
    tour.trigger(u"tb_main_5");
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
        preview->resize(760, 900);
        take(preview, QStringLiteral(u"graph_print_preview"));
        preview->close();
    }
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
    show_views(tour, 3);
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
    click_pitch_row(events, 10);
    events->cm_point->click();
    DetailPanelControls& finish = events->detail_panels[0];
    finish.groups[0]->button(1)->click();
    finish.groups[2]->button(1)->click();
    finish.groups[1]->button(0)->click();
    take(wizard, QStringLiteral(u"wizard_goal_details"));
    finish.ok->click();
    click_pitch_row(events, 9);
    click_details(events, 1, 0, 2, 3);
    for (int i = 0; i < 12; ++i) {
        events->cm_time_up[0]->click();
    }
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_after_goal"));

    events->op_input[2]->click();  // 警告・退場
    events->cm_time_up[1]->click();
    click_pitch_row(events, 4);
    take(wizard, QStringLiteral(u"wizard_card"));
    events->cm_event_add->click();

    events->op_input[0]->click();  // 交代
    events->cm_time_up[1]->click();
    click_pitch_row(events, 8);
    events->lst_rm->setCurrentRow(0);
    take(wizard, QStringLiteral(u"wizard_substitution"));
    events->cm_event_add->click();

    events->op_input[4]->click();  // 失点
    events->cm_time_up[1]->click();
    click_details(events, 3, 0, 0, 1);
    click_details(events, 4, 1, 2, 4);
    events->cm_event_add->click();
    take(wizard, QStringLiteral(u"wizard_conceded"));

    events->cm_ex->click();  // level at 1-1: extra time
    take(wizard, QStringLiteral(u"wizard_extra_time"));
    events->cm_pk->click();
    events->op_pk[0]->click();
    for (int round = 0; round < 3; ++round) {
        click_pitch_row(events, 10 - round);
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

void manual_correction(Tour& tour) {
    correct_cup_game(tour, QStringLiteral(u"fm_game_modify"), {{}, {}, QStringLiteral(u"correction_wizard")});
}

void manual_backups(Tour& tour) {
    take(open_restore_window(tour), QStringLiteral(u"fm_backup"));
}

// The demo team's earlier seasons beside it in the data folder: its games a year and two years
// before, in files named by team and season, as clubs keep them.
void write_earlier_seasons() {
    const QStringList demo = test::read_lines_cp932(QStringLiteral(u"demo.kld"));
    for (const int year : {2022, 2023}) {
        QStringList lines = demo;
        lines[1] = QStringLiteral(u"さくらFC %1").arg(year);
        for (QString& line : lines) {
            line.replace(QStringLiteral(u",2024/"), QStringLiteral(u",%1/").arg(year));
        }
        test::write_cp932_lines(QStringLiteral(u"さくらFC %1.kld").arg(year), lines);
    }
}

// 通算成績 over three seasons for one member, its 対戦成績 tab; 次年度のファイルを作成; a roster read
// into 入力項目設定.
void manual_seasons(Tour& tour) {
    write_earlier_seasons();
    tour.trigger(u"menu_career");
    QWidget* career = Tour::find_top(QStringLiteral(u"fm_career"));
    auto* members = career->findChild<QComboBox*>(QStringLiteral(u"cb_career_member"));
    members->setCurrentIndex(members->findText(QStringLiteral(u"加藤 颯太")));
    take(career, QStringLiteral(u"fm_career"));
    career->findChild<QTabWidget*>(QStringLiteral(u"ts_career"))->setCurrentIndex(1);
    take(career, QStringLiteral(u"fm_career_h2h"));
    career->close();
    settle();

    tour.trigger(u"menu_new_season");
    QWidget* new_season = Tour::find_top(QStringLiteral(u"fm_new_season"));
    auto* kept = new_season->findChild<QListWidget*>(QStringLiteral(u"lst_new_season_member"));
    kept->findItems(QStringLiteral(u"佐藤 翔"), Qt::MatchExactly).value(0)->setCheckState(Qt::Unchecked);
    take(new_season, QStringLiteral(u"fm_new_season"));
    new_season->close();
    settle();

    test::write_cp932_lines(
        QStringLiteral(u"名簿.csv"),
        {QStringLiteral(u"番号,氏名,学年"), QStringLiteral(u"1,木村 大翔,4"),
         QStringLiteral(u"2,加藤 颯太,6"), QStringLiteral(u"3,\"林, 蒼空\",4"),
         QStringLiteral(u"4,清水 結翔,4"), QStringLiteral(u"5,,3"), QStringLiteral(u"6,木村 大翔,4")});
    tour.trigger(u"tb_main_17");
    QWidget* master = Tour::find_top(QStringLiteral(u"fm_setting_input"));
    master->findChild<QPushButton*>(QStringLiteral(u"cm_member_import"))->click();
    settle();
    if (auto* import = qobject_cast<fm_name_import*>(Tour::find_top(QStringLiteral(u"fm_name_import")))) {
        import->load_file(QStringLiteral(u"名簿.csv"));
        take(import, QStringLiteral(u"fm_name_import"));
        import->close();
    }
}

void manual_small_sided(Tour& tour) {
    enter_small_sided_game(tour, QStringLiteral(u"small_sided_page2"), QStringLiteral(u"small_sided_page3"));
}

// A live button pressed with the pitch rows (by name) selected first.
void press_on(fm_live* live, QPushButton* button, const QStringList& members, const QString& bench = {}) {
    live->lstv_live_pitch->clearSelection();
    for (const QString& member : members) {
        live->lstv_live_pitch->findItems(member, Qt::MatchExactly, 1).value(0)->setSelected(true);
    }
    if (!bench.isEmpty()) {
        live->lstv_live_bench->findItems(bench, Qt::MatchExactly, 0).value(0)->setSelected(true);
    }
    button->click();
}

// ライブ入力 of a 県大会 game: pages 1 and 2 of the wizard, then the live window at 1366x768 (as F11
// shows it on a laptop) on a clock of the tour's own: the first half under way with a goal whose
// details are being tapped, the bench coloured by the target share, the shoot-out, and page 3 with a
// goal whose details were left for later.
void manual_live(Tour& tour) {
    tour.trigger(u"tb_main_live");
    auto* wizard = qobject_cast<fm_game_input*>(Tour::find_top(QStringLiteral(u"fm_game_input")));
    test::fill_game_information(wizard,
                                {QStringLiteral(u"2024/07/20"), 9, 6, 2, QStringLiteral(u"佐藤監督")});
    take(wizard, QStringLiteral(u"live_page1"));
    wizard->cm_next[0]->click();
    fill_page2(wizard);
    std::optional<LiveGameSetup> setup;
    QObject::connect(wizard, &fm_game_input::live_game_ready,
                     [&setup](const LiveGameSetup& ready) { setup = ready; });
    wizard->cm_next[1]->click();
    settle();
    // The live window the program opened, on the wall clock, gives way to one on the tour's clock.
    if (QWidget* opened = Tour::find_top(QStringLiteral(u"fm_live"))) {
        opened->close();
        settle();
    }
    if (!setup) {
        return;
    }
    qint64 now = 1'800'000'000'000;
    const auto minutes = [&now](int m, int s = 0) { now += (m * 60 + s) * 1000LL; };
    auto journal =
        LiveJournal::begin(journal_path(QStringLiteral(u"tour.kld"), QDateTime::currentDateTime()), *setup);
    auto* live = new fm_live(
        LiveGame(*setup, tour.store.formations()), std::get<LiveJournal>(journal), [&now] { return now; }, 50,
        tour.window.get());
    live->setAttribute(Qt::WA_DeleteOnClose);
    live->resize(1366, 768);
    live->show();
    live->cm_live_start->click();
    minutes(8, 12);
    press_on(live, live->cm_live_card, {QStringLiteral(u"田中 陽向")});
    minutes(4, 22);
    press_on(live, live->cm_live_goal, {QStringLiteral(u"加藤 颯太")});
    press_on(live, live->cm_live_assist, {QStringLiteral(u"小林 蒼")});
    live->cm_live_detail_option[0][1]->click();
    live->cm_live_detail_option[1][0]->click();
    minutes(6, 40);
    press_on(live, live->cm_live_sub, {QStringLiteral(u"吉田 樹")}, QStringLiteral(u"山田 奏太"));
    minutes(2, 5);
    live->cm_live_conceded->click();
    minutes(3, 16);
    live->lstv_live_pitch->findItems(QStringLiteral(u"中村 陸"), Qt::MatchExactly, 1)
        .value(0)
        ->setSelected(true);
    take(live, QStringLiteral(u"fm_live"));

    live->cm_live_period_end->click();
    live->cm_live_start->click();
    minutes(45);
    live->cm_live_period_end->click();
    live->cm_live_ex->click();
    live->cm_live_start->click();
    minutes(10, 30);
    live->cm_live_period_end->click();
    live->cm_live_start->click();
    minutes(11);
    live->cm_live_period_end->click();
    live->cm_live_pk->click();
    live->cm_live_pk_order[0]->click();
    press_on(live, live->cm_live_pk_point[0], {QStringLiteral(u"加藤 颯太")});
    live->cm_live_pk_point[3]->click();
    press_on(live, live->cm_live_pk_point[0], {QStringLiteral(u"小林 蒼")});
    live->cm_live_pk_point[2]->click();
    take(live, QStringLiteral(u"fm_live_shoot_out"));

    press_on(live, live->cm_live_pk_point[1], {QStringLiteral(u"中村 陸")});
    live->cm_live_pk_point[3]->click();
    const QString path = live->journal_path();
    QObject::connect(live, &fm_live::game_finished, [&tour, live, path] {
        auto* page3 = new fm_game_input(tour.store, tour.window.get(), LiveFinish{live->game(), path});
        page3->setAttribute(Qt::WA_DeleteOnClose);
        page3->show();
    });
    live->cm_live_finish->click();
    settle();
    if (auto* page3 = qobject_cast<fm_game_input*>(Tour::find_top(QStringLiteral(u"fm_game_input")))) {
        page3->cm_next[2]->click();  // 完了 refuses the conceded goal and opens it
        take(page3, QStringLiteral(u"live_page3"));
    }
}

// Sharing: 読みの設定 beside 環境設定's names, and the result picture and the card as the program
// makes them (the cup game decided on penalties; the top scorer's season).
void manual_sharing(Tour& tour) {
    test::write_cp932_lines(QStringLiteral(u"readings.ini"), {QStringLiteral(u"佐藤 翔,さとう しょう"),
                                                              QStringLiteral(u"加藤 颯太,かとう そうた")});
    tour.trigger(u"tb_main_18");
    if (QWidget* setting = opened_top(u"fm_setting")) {
        setting->findChild<QComboBox*>(QStringLiteral(u"cb_share_names"))->setCurrentIndex(2);
        setting->findChild<QPushButton*>(QStringLiteral(u"cm_name_reading"))->click();
        settle();
        if (QWidget* readings = Tour::find_top(QStringLiteral(u"fm_name_reading"))) {
            take(readings, QStringLiteral(u"fm_name_reading"));
            readings->close();
        }
        settle();
        setting->close();
    }
    settle();
    tour.trigger(u"tb_main_13");
    tour.window->findChild<QComboBox*>(QStringLiteral(u"cb_game_data"))->setCurrentIndex(4);
    tour.trigger(u"menu_copy_image");
    const QString result = QDir(output_folder).filePath(QStringLiteral(u"share_result.png"));
    if (QApplication::clipboard()->image().save(result)) {
        std::printf("%s\n", qPrintable(result));
    }
    const QString member = QStringLiteral(u"加藤 颯太");
    const QString card = QDir(output_folder).filePath(QStringLiteral(u"share_card.png"));
    const GameLists lists = build_game_lists(tour.store);
    const FilterTexts texts =
        filter_texts({}, lists.period_keys, lists.meetings, static_cast<int>(tour.store.game_lines.size()))
            .value_or(FilterTexts{});
    if (member_card_image(season_card(tour.store.team_name, tour.store.game_lines, {}, texts, member))
            .save(card)) {
        std::printf("%s\n", qPrintable(card));
    }
}

// The scenes whose pictures the manual shows.
const QStringList manual_scenes = {QStringLiteral(u"manual_views"),       QStringLiteral(u"manual_windows"),
                                   QStringLiteral(u"manual_wizard"),      QStringLiteral(u"manual_paper"),
                                   QStringLiteral(u"manual_correction"),  QStringLiteral(u"manual_backups"),
                                   QStringLiteral(u"manual_small_sided"), QStringLiteral(u"manual_seasons"),
                                   QStringLiteral(u"manual_live"),        QStringLiteral(u"manual_sharing")};

struct Scene {
    std::function<void(Tour&)> play;
    bool small_sided = false;
};

const std::map<QString, Scene>& scenes() {
    static const std::map<QString, Scene> all = {
        {QStringLiteral(u"backups"), {backups}},
        {QStringLiteral(u"correction"), {correction}},
        {QStringLiteral(u"views"), {views}},
        {QStringLiteral(u"graph"), {graph}},
        {QStringLiteral(u"wizard_pages"), {wizard_pages}},
        {QStringLiteral(u"wizard_goals"), {wizard_goals}},
        {QStringLiteral(u"small_sided"), {small_sided, true}},
        {QStringLiteral(u"manual_views"), {manual_views}},
        {QStringLiteral(u"manual_windows"), {manual_windows}},
        {QStringLiteral(u"manual_wizard"), {manual_wizard}},
        {QStringLiteral(u"manual_paper"), {manual_paper}},
        {QStringLiteral(u"manual_correction"), {manual_correction}},
        {QStringLiteral(u"manual_backups"), {manual_backups}},
        {QStringLiteral(u"manual_small_sided"), {manual_small_sided, true}},
        {QStringLiteral(u"manual_seasons"), {manual_seasons}},
        {QStringLiteral(u"manual_live"), {manual_live}},
        {QStringLiteral(u"manual_sharing"), {manual_sharing}},
    };
    return all;
}

}  // namespace
}  // namespace kl

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The pictures show the program as it runs: Qt's own texts in Japanese too, and its 9-point font.
    kl::use_japanese_ui();
    kl::keep_windows_on_screen();
    kl::use_program_font();
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
            kl::Tour tour(scene.small_sided);
            scene.play(tour);
        }
    }
    return 0;
}
