// The main window's interactions on the largest team file, each against loading that file: every
// interaction that only computes or shows should take less than a frame (16 ms), storing or deleting
// a game less than 35 ms.
#include "main_window_program.h"
#include "ratio_reporter.h"
#include "widgets/fonts.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kl::use_program_font();
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
                                       {"delete_game", load}});
}
