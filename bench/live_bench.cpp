// ライブ入力 on the largest team file: an event's tap until its row is in the live window's list,
// against loading that file. The live game is as long as a game can be (its event fields near the
// working table's limit), so the list, the game's copy for the journal-first apply and the journal's
// sync to the disk are at their worst; a tap should still take less than a frame (16 ms).
#include "entry/fm_live.h"
#include "ratio_reporter.h"
#include "store/data_store.h"
#include "team_file_generator.h"
#include "views/fm_main.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

namespace {

using kl::bench::large_file;

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(large_file().path));
    }
}

// The main window on the large file and the live window on its first game's line-up, the game
// filled with position changes until a game can hold no more than a few events.
struct LiveProgram {
    LiveProgram() {
        QDir::setCurrent(large_file().folder.path());
        store.load_team_file(large_file().path);
        main = std::make_unique<kl::fm_main>(store);
        main->refresh_game_lists();
        main->show();
        const md::GameRecord first = *md::GameRecord::parse(store.game_lines.front());
        const kl::LiveGameSetup setup{QStringLiteral(u"large.kld"),
                                      first.fields.mid(1, md::fixed_field_count), false,
                                      kl::MinuteCounting::football};
        kl::LiveGame game(setup, store.formations());
        game.apply({now, kl::LiveAction(kl::LiveVerb::kick_off)});
        QDir(QStringLiteral(u"live")).removeRecursively();
        auto journal =
            kl::LiveJournal::begin(kl::journal_path(setup.team_file, QDateTime::currentDateTime()), setup);
        kl::LiveAction swap(kl::LiveVerb::position_change);
        swap.minute = 1;
        swap.members = {first.starting_member(1), first.starting_member(2)};
        while (game.page().state().event_field_count <
               md::event_fields_capacity - md::fixed_field_count - 60) {
            game.apply({now, swap});
        }
        std::printf("live game: %zu events\n", game.page().state().lines.size());
        live = std::make_unique<kl::fm_live>(
            std::move(game), std::get<kl::LiveJournal>(journal), [this] { return now; }, 50, main.get());
        live->show();
        QApplication::processEvents();
        scorer = first.starting_member(9);
    }
    // A tap on a button with a pitch row selected; the row is in the list when it returns.
    void tap(QPushButton* button, const QString& member) {
        live->lstv_live_pitch->findItems(member, Qt::MatchExactly, 1).value(0)->setSelected(true);
        button->click();
    }

    qint64 now = 1'800'000'000'000;
    md::DataStore store;
    std::unique_ptr<kl::fm_main> main;
    std::unique_ptr<kl::fm_live> live;
    QString scorer;
};

// 得点 with the scorer's row selected, its details left for later; 1つ戻す between the runs.
void live_goal_tap(benchmark::State& state) {
    LiveProgram program;
    const int rows = program.live->lstv_live_event->topLevelItemCount();
    for (auto _ : state) {
        program.tap(program.live->cm_live_goal, program.scorer);
        if (program.live->lstv_live_event->topLevelItemCount() != rows + 1) {
            state.SkipWithError("the goal's row is not in the list");
            break;
        }
        state.PauseTiming();
        program.live->cm_live_undo->click();
        state.ResumeTiming();
    }
}

// One tap of a detail of the latest goal: its line is written anew.
void live_detail_tap(benchmark::State& state) {
    LiveProgram program;
    program.tap(program.live->cm_live_goal, program.scorer);
    int option = 0;
    for (auto _ : state) {
        program.live->cm_live_detail_option[0][static_cast<size_t>(option)]->click();
        option = (option + 1) % 4;
    }
}

BENCHMARK(load_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(live_goal_tap)->Unit(benchmark::kMillisecond);
BENCHMARK(live_detail_tap)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string load = "load_team_data";
    return kl::bench::run_with_ratios(argc, argv, {{"live_goal_tap", load}, {"live_detail_tap", load}});
}
