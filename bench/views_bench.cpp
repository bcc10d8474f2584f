// The main window's interactions on the largest team file, each against loading that file: every
// interaction that only computes or shows should take less than a frame (16 ms), storing or deleting
// a game less than 35 ms.
#include "ratio_reporter.h"
#include "store/data_store.h"
#include "team_file_generator.h"
#include "views/fm_main.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

struct LargeFile {
    LargeFile() {
        path = folder.filePath(QStringLiteral(u"large.kld"));
        std::printf("large team file: %d games\n", kl::bench::write_large_team_file(path));
        QFile::copy(path, folder.filePath(QStringLiteral(u"team.kld")));
    }
    QTemporaryDir folder;
    QString path;
};

LargeFile& large_file() {
    static LargeFile file;
    return file;
}

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window shown on a copy of the large file, as the program runs it.
struct Program {
    Program() {
        QDir::setCurrent(large_file().folder.path());
        QFile::remove(QStringLiteral(u"team.kld"));
        QFile::copy(large_file().path, QStringLiteral(u"team.kld"));
        QFile settings(QStringLiteral(u"setting.ini"));
        settings.open(QIODevice::WriteOnly);
        settings.write("team.kld\r\n");
        settings.close();
        window = std::make_unique<kl::fm_main>(store);
        window->start();
        settle();
    }
    void trigger(const char16_t* action) {
        window->findChild<QAction*>(QString::fromUtf16(action))->trigger();
        settle();
    }
    template <typename T>
    T* find(const char16_t* name) {
        return window->findChild<T*>(QString::fromUtf16(name));
    }
    static QWidget* top_window(const char16_t* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QString::fromUtf16(name) && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }
    md::DataStore store;
    std::unique_ptr<kl::fm_main> window;
};

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(large_file().path));
    }
}

// Refreshing the main window's lists (game list, detail chooser, period, meeting and member choosers).
void refresh_game_lists(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        program.window->refresh_game_lists();
    }
}

// The first switch to the detail view after a start, and switching between views already seen.
void first_switch_to_detail_view(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        program->trigger(u"tb_main_13");
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}

void switch_views(benchmark::State& state) {
    Program program;
    const char16_t* views[] = {u"tb_main_12", u"tb_main_13", u"tb_main_14", u"tb_main_15"};
    for (const char16_t* view : views) {
        program.trigger(view);
    }
    int next = 0;
    for (auto _ : state) {
        program.trigger(views[next++ % 4]);
    }
}

void choose_game(benchmark::State& state) {
    Program program;
    program.trigger(u"tb_main_13");
    auto* chooser = program.find<QComboBox>(u"cb_game_data");
    int game = 0;
    for (auto _ : state) {
        chooser->setCurrentIndex(game++ % chooser->count());
        settle();
    }
}

void update_team_view(benchmark::State& state) {
    Program program;
    program.trigger(u"tb_main_14");
    auto* update = program.find<QPushButton>(u"cm_setting");
    for (auto _ : state) {
        update->click();
        settle();
    }
}

void update_personal_view(benchmark::State& state) {
    Program program;
    program.trigger(u"tb_main_15");
    program.find<QComboBox>(u"cb_player")->setCurrentIndex(0);
    auto* update = program.find<QPushButton>(u"cm_renew");
    for (auto _ : state) {
        update->click();
        settle();
    }
}

// Opening a window from the toolbar until it is on the screen; closing it is not timed.
void open_window(benchmark::State& state, const char16_t* button, const char16_t* window) {
    Program program;
    for (auto _ : state) {
        program.trigger(button);
        state.PauseTiming();
        if (QWidget* opened = Program::top_window(window)) {
            opened->close();
        }
        settle();
        state.ResumeTiming();
    }
}

void open_game_input(benchmark::State& state) {
    open_window(state, u"tb_main_9", u"fm_game_input");
}

void open_game_delete(benchmark::State& state) {
    open_window(state, u"tb_main_10", u"fm_game_delete");
}

// 削除 of the first game in 試合データ削除: the save, the reload and the refreshed lists. The file is
// put back between the runs.
void delete_game(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->trigger(u"tb_main_10");
        QWidget* dialog = Program::top_window(u"fm_game_delete");
        auto* games = dialog->findChild<QListWidget*>(QStringLiteral(u"lst_game"));
        games->setCurrentRow(0);
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

// 更新 of the chart view over every game, its charts and squad table drawn.
void chart_view_update(benchmark::State& state) {
    md::DataStore store;
    store.load_team_file(large_file().path);
    kl::fm_main window(store);
    window.refresh_game_lists();
    window.show();
    window.show_view(kl::View::graph, kl::ViewSwitch::toolbar);
    auto* update = window.findChild<QPushButton*>(QStringLiteral(u"cm_graph"));
    for (auto _ : state) {
        update->click();
        QApplication::processEvents();
    }
}

BENCHMARK(load_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(refresh_game_lists)->Unit(benchmark::kMillisecond);
BENCHMARK(first_switch_to_detail_view)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(switch_views)->Unit(benchmark::kMillisecond);
BENCHMARK(choose_game)->Unit(benchmark::kMillisecond);
BENCHMARK(update_team_view)->Unit(benchmark::kMillisecond);
BENCHMARK(update_personal_view)->Unit(benchmark::kMillisecond);
BENCHMARK(open_game_input)->Unit(benchmark::kMillisecond);
BENCHMARK(open_game_delete)->Unit(benchmark::kMillisecond);
BENCHMARK(delete_game)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(chart_view_update)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string load = "load_team_data";
    return kl::bench::run_with_ratios(argc, argv,
                                      {{"refresh_game_lists", load},
                                       {"first_switch_to_detail_view", load},
                                       {"switch_views", load},
                                       {"choose_game", load},
                                       {"update_team_view", load},
                                       {"update_personal_view", load},
                                       {"open_game_input", load},
                                       {"open_game_delete", load},
                                       {"delete_game", load},
                                       {"chart_view_update", load}});
}
