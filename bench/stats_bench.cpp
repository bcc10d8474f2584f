// The statistics and the score sheet against loading the same large file.
#include "ratio_reporter.h"
#include "reports/game_sheet.h"
#include "stats/head_to_head.h"
#include "stats/player_stats.h"
#include "stats/season_charts.h"
#include "stats/team_stats.h"
#include "store/data_store.h"
#include "team_file_generator.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

struct LoadedFile {
    LoadedFile() {
        store.load_team_file(kl::bench::large_file().path);
        // The member in the most games, and the game with the most events.
        const kl::TeamStats stats = kl::compute_team_stats(store.game_lines, {});
        int most = -1;
        for (const kl::PlayerLine& line : stats.players) {
            if (line.minutes > most) {
                most = line.minutes;
                busiest_member = line.name;
            }
        }
        for (const QString& line : store.game_lines) {
            if (line.size() > busiest_game.size()) {
                busiest_game = line;
            }
        }
        std::printf("busiest member %s\n", qPrintable(busiest_member));
    }
    md::DataStore store;
    QString busiest_member;
    QString busiest_game;
};

LoadedFile& loaded_file() {
    static LoadedFile file;
    return file;
}

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(kl::bench::large_file().path));
    }
}

// 更新 of the team view over every game.
void team_statistics(benchmark::State& state) {
    const QStringList& games = loaded_file().store.game_lines;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::compute_team_stats(games, {}));
    }
}

// 更新 of the personal view for the member who played most.
void personal_statistics(benchmark::State& state) {
    const QStringList& games = loaded_file().store.game_lines;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::compute_personal_stats(games, {}, loaded_file().busiest_member));
    }
}

// 更新 of the chart view over every game.
void season_charts(benchmark::State& state) {
    const QStringList& games = loaded_file().store.game_lines;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::compute_season_charts(games, {}));
    }
}

// Choosing the game with the most events in the detail view.
void game_sheet(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<md::GameRecord> game = md::GameRecord::parse(loaded_file().busiest_game);
        benchmark::DoNotOptimize(kl::compose_game_sheet(*game, loaded_file().store.team_name));
    }
}

// The record against the opponent that the detail sheet shows, for the latest game.
void record_before_a_game(benchmark::State& state) {
    const md::DataStore& store = loaded_file().store;
    QString latest_key;
    std::optional<md::GameRecord> latest;
    for (const QString& line : store.game_lines) {
        std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        if (game && md::game_key(game->date(), game->start_time()) > latest_key) {
            latest_key = md::game_key(game->date(), game->start_time());
            latest = std::move(game);
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kl::record_before(store.game_lines, latest->opponent(), latest->date(), latest->start_time()));
    }
}

BENCHMARK(load_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(team_statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(personal_statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(season_charts)->Unit(benchmark::kMillisecond);
BENCHMARK(game_sheet)->Unit(benchmark::kMillisecond);
BENCHMARK(record_before_a_game)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::run_with_ratios(argc, argv,
                                      {{"team_statistics", "load_team_data"},
                                       {"personal_statistics", "load_team_data"},
                                       {"season_charts", "load_team_data"},
                                       {"game_sheet", "load_team_data"},
                                       {"record_before_a_game", "load_team_data"}});
}
