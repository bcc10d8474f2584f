// What a user feels on the largest team file, each against a baseline of the same run: 更新 of the
// chart view against computing its figures, switching back to it, the lists refreshed after a change
// once the charts were shown, バックアップから復元 on the most backups a file keeps, 試合データ修正 on a
// game, the start-up to the first window against an empty Qt window, and the peak memory of a program
// that showed every view.
#include "main_window_program.h"
#include "ratio_reporter.h"
#include "stats/season_charts.h"
#include "store/team_backups.h"
#include "widgets/fonts.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <memory>

namespace {

using kl::bench::large_file;
using kl::bench::Program;
using kl::bench::settle;

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(large_file().path));
    }
}

// The figures the chart view shows after 更新 over every game, without a chart.
void season_charts_computation(benchmark::State& state) {
    md::DataStore store;
    store.load_team_file(large_file().path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::compute_season_charts(store.game_lines, {}));
    }
}

void show_charts(Program& program) {
    program.trigger(u"tb_main_graph");
    program.find<QPushButton>(u"cm_graph")->click();
    settle();
}

// 更新 of the chart view over every game, until its charts and squad table are drawn.
void chart_view_update(benchmark::State& state) {
    Program program;
    show_charts(program);
    auto* update = program.find<QPushButton>(u"cm_graph");
    for (auto _ : state) {
        update->click();
        settle();
    }
}

// グラフ shown again after 更新 and a look at the game list.
void switch_back_to_charts(benchmark::State& state) {
    Program program;
    show_charts(program);
    for (auto _ : state) {
        state.PauseTiming();
        program.trigger(u"tb_main_12");
        state.ResumeTiming();
        program.trigger(u"tb_main_graph");
    }
}

// The lists refreshed after a change (完了, 削除, 復元 all end so), with the game list shown.
void refresh_game_lists(benchmark::State& state) {
    Program program;
    program.trigger(u"tb_main_12");
    for (auto _ : state) {
        program.window->refresh_game_lists();
        settle();
    }
}

// The same once the charts of every game were shown, and the game list is shown again.
void refresh_after_charts(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        state.PauseTiming();
        show_charts(program);
        program.trigger(u"tb_main_12");
        state.ResumeTiming();
        program.window->refresh_game_lists();
        settle();
    }
}

// 削除 of the first game in 試合データ削除: the save, the reload and the refreshed lists; with the
// charts shown before, or not. The file is put back between the runs.
void delete_first_game(benchmark::State& state, bool charts_shown) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        if (charts_shown) {
            show_charts(*program);
            program->trigger(u"tb_main_12");
        }
        program->trigger(u"tb_main_10");
        QWidget* dialog = Program::top_window(u"fm_game_delete");
        dialog->findChild<QListWidget*>(QStringLiteral(u"lst_game"))->setCurrentRow(0);
        auto* remove = dialog->findChild<QPushButton*>(QStringLiteral(u"cm_game_delete"));
        state.ResumeTiming();
        remove->click();
        settle();
        state.PauseTiming();
        dialog->close();
        settle();
        program.reset();
        state.ResumeTiming();
    }
}

void delete_game(benchmark::State& state) {
    delete_first_game(state, false);
}

void delete_game_after_charts(benchmark::State& state) {
    delete_first_game(state, true);
}

// Keeps 50 backups of team.kld, newest last: the large file with one game more each time.
void write_fifty_backups() {
    md::DataStore store;
    store.load_team_file(large_file().path);
    const QString team = QDir::current().absoluteFilePath(QStringLiteral(u"team.kld"));
    // Later than any backup a save of another case made, so that these are the ones kept.
    const QDateTime start = QDateTime::currentDateTime().addDays(1);
    for (int i = 0; i < md::kept_backups; ++i) {
        md::DataStore older = store;
        older.game_lines = store.game_lines.mid(0, store.game_lines.size() - (md::kept_backups - 1 - i));
        md::write_backup(team, older.encode_team_file().bytes, start.addSecs(i));
    }
}

// Opening a window by an action until it is on the screen; closing it is not timed.
void open_window(benchmark::State& state, Program& program, const char16_t* action, const char16_t* window) {
    for (auto _ : state) {
        program.trigger(action);
        state.PauseTiming();
        if (QWidget* opened = Program::top_window(window)) {
            opened->close();
        }
        settle();
        state.ResumeTiming();
    }
}

// バックアップから復元 on 50 backups of the large file, their summaries kept from the opening before.
void open_backup_window(benchmark::State& state) {
    Program program;
    write_fifty_backups();
    open_window(state, program, u"menu_restore", u"fm_backup");
}

// The same the first time, when the summary of every backup is made.
void open_backup_window_first_time(benchmark::State& state) {
    Program program;
    write_fifty_backups();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QStringLiteral(u"backup/team.summaries"));
        state.ResumeTiming();
        program.trigger(u"menu_restore");
        state.PauseTiming();
        Program::top_window(u"fm_backup")->close();
        settle();
        state.ResumeTiming();
    }
}

void select_game_in_list(Program& program, int row) {
    auto* list = program.find<QTreeView>(u"lstv_game");
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// 試合データ修正 from the menu, the game selected in the game list chosen in it.
void open_game_modify(benchmark::State& state) {
    Program program;
    select_game_in_list(program, 1000);
    open_window(state, program, u"menu_game_modify", u"fm_game_modify");
}

// The first row of the game list, from row on, whose game the wizard opens on: a game it could not
// have entered is refused with a message, which is closed here.
int correctable_row(Program& program, int row) {
    for (;; ++row) {
        select_game_in_list(program, row);
        QTimer::singleShot(0, [] {
            if (QWidget* message = QApplication::activeModalWidget()) {
                message->close();
            }
        });
        program.trigger(u"menu_popup_lst_modify");
        if (QWidget* wizard = Program::top_window(u"fm_game_input")) {
            wizard->close();
            settle();
            return row;
        }
    }
}

// 試合データ修正 from the game list's context menu: the wizard on the selected game.
void open_game_correction(benchmark::State& state) {
    Program program;
    select_game_in_list(program, correctable_row(program, 1000));
    open_window(state, program, u"menu_popup_lst_modify", u"fm_game_input");
}

// A probe program beside this one, run to its end; its standard output.
QByteArray run_probe(const QString& program, const QStringList& arguments) {
    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + u'/' + program, arguments);
    probe.waitForFinished(-1);
    return probe.readAllStandardOutput();
}

// A data folder holding a team file and the setting.ini that opens it.
struct DataFolder {
    explicit DataFolder(const QString& team_file) {
        QFile::copy(team_file, folder.filePath(QStringLiteral(u"team.kld")));
        QFile settings(folder.filePath(QStringLiteral(u"setting.ini")));
        settings.open(QIODevice::WriteOnly);
        settings.write("team.kld\r\n");
    }
    QTemporaryDir folder;
};

// From the start of a process to its first window on the screen: an empty Qt window, and the main
// window on the demo season.
void start_empty_window(benchmark::State& state) {
    for (auto _ : state) {
        run_probe(QStringLiteral(u"empty_window_probe"), {});
    }
}

void start_on_demo_season(benchmark::State& state) {
    const DataFolder data(QStringLiteral(KL_SAMPLES_DIR "/demo.kld"));
    for (auto _ : state) {
        run_probe(QStringLiteral(u"window_probe"), {QStringLiteral(u"first"), data.folder.path()});
    }
}

// The peak memory (MB) of an empty Qt window, and of the program once every view was shown on the
// large file, computed where it computes (every chart page shown).
void peak_memory(benchmark::State& state, const QString& program, const QStringList& arguments) {
    double megabytes = 0;
    for (auto _ : state) {
        megabytes = run_probe(program, arguments).trimmed().toDouble() / 1024;
    }
    state.counters["peak_MB"] = megabytes;
}

void peak_memory_empty_window(benchmark::State& state) {
    peak_memory(state, QStringLiteral(u"empty_window_probe"), {QStringLiteral(u"--peak")});
}

void peak_memory_every_view(benchmark::State& state) {
    const DataFolder data(large_file().path);
    peak_memory(state, QStringLiteral(u"window_probe"), {QStringLiteral(u"every-view"), data.folder.path()});
}

BENCHMARK(load_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(season_charts_computation)->Unit(benchmark::kMillisecond);
BENCHMARK(chart_view_update)->Unit(benchmark::kMillisecond);
BENCHMARK(switch_back_to_charts)->Unit(benchmark::kMillisecond);
BENCHMARK(refresh_game_lists)->Unit(benchmark::kMillisecond);
BENCHMARK(refresh_after_charts)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(delete_game)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(delete_game_after_charts)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(open_backup_window)->Unit(benchmark::kMillisecond);
BENCHMARK(open_backup_window_first_time)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(open_game_modify)->Unit(benchmark::kMillisecond);
BENCHMARK(open_game_correction)->Unit(benchmark::kMillisecond);
BENCHMARK(start_empty_window)->Unit(benchmark::kMillisecond);
BENCHMARK(start_on_demo_season)->Unit(benchmark::kMillisecond);
BENCHMARK(peak_memory_empty_window)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(peak_memory_every_view)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kl::use_program_font();
    const std::string load = "load_team_data";
    return kl::bench::run_with_ratios(argc, argv,
                                      {{"chart_view_update", "season_charts_computation"},
                                       {"switch_back_to_charts", load},
                                       {"refresh_after_charts", "refresh_game_lists"},
                                       {"delete_game_after_charts", "delete_game"},
                                       {"open_backup_window", load},
                                       {"open_backup_window_first_time", load},
                                       {"open_game_modify", load},
                                       {"open_game_correction", load},
                                       {"start_on_demo_season", "start_empty_window"}});
}
