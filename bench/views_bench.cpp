#include "ratio_reporter.h"
#include "store/data_store.h"
#include "team_file_generator.h"
#include "views/fm_main.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct LargeFile {
    LargeFile() {
        path = folder.filePath(QStringLiteral(u"large.kld"));
        std::printf("large team file: %d games\n", kl::bench::write_large_team_file(path));
    }
    QTemporaryDir folder;
    QString path;
};

LargeFile& large_file() {
    static LargeFile file;
    return file;
}

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(large_file().path));
    }
}

// Refreshing the main window's lists (game list, detail chooser, period, meeting and member choosers)
// from a loaded store.
void refresh_game_lists(benchmark::State& state) {
    md::DataStore store;
    store.load_team_file(large_file().path);
    kl::fm_main window(store);
    for (auto _ : state) {
        window.refresh_game_lists();
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
BENCHMARK(chart_view_update)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return kl::bench::run_with_ratios(
        argc, argv, {{"refresh_game_lists", "load_team_data"}, {"chart_view_update", "load_team_data"}});
}
