#include "dialogs/backup_list.h"
#include "ratio_reporter.h"
#include "store/cp932_codec.h"
#include "store/data_store.h"
#include "store/team_backups.h"
#include "team_file_generator.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

using kl::bench::large_file;

// Baseline of loading: read the file and convert it from cp932.
void baseline_read_and_convert(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(large_file().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(md::decode_cp932(file.readAll()));
    }
}

void load_team_data(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(large_file().path));
    }
}

md::DataStore loaded_store() {
    md::DataStore store;
    store.load_team_file(large_file().path);
    return store;
}

// Baseline of saving: convert the file's text to cp932 and write it the way every file is written
// (replaced atomically).
void baseline_convert_and_write(benchmark::State& state) {
    const md::DataStore store = loaded_store();
    const QString text = store.team_file_lines().join(QStringLiteral(u"\r\n")) + QStringLiteral(u"\r\n");
    const QString path = large_file().folder.filePath(QStringLiteral(u"baseline.kld"));
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(md::encode_cp932(text).value_or(QByteArray()));
        file.commit();
    }
}

void save_team_data(benchmark::State& state) {
    md::DataStore store = loaded_store();
    store.data_file_path = large_file().folder.filePath(QStringLiteral(u"saved.kld"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.save_team_data());
    }
}

// バックアップから復元 opening on the most backups a file keeps, each of the large file: every one is
// read in full and compared with the one before.
void backup_rows(benchmark::State& state) {
    const QString team = large_file().folder.filePath(QStringLiteral(u"backed_up.kld"));
    const std::optional<QByteArray> bytes = md::read_whole_file(large_file().path);
    const QDateTime start(QDate(2024, 4, 6), QTime(10, 0));
    for (int i = 0; i < md::kept_backups; ++i) {
        md::write_backup(team, bytes.value_or(QByteArray()), start.addSecs(i));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::backup_rows(team));
    }
}

// The wizard's check for a stored game (次へ of page 1) against every game: the last one's identity.
void find_game(benchmark::State& state) {
    const md::DataStore store = loaded_store();
    const std::optional<md::GameRecord> last = md::GameRecord::parse(store.game_lines.back());
    const md::GameIdentity identity{last->date(), last->start_time(), last->ground(), last->opponent()};
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.find_game(identity));
    }
}

BENCHMARK(baseline_read_and_convert)->Unit(benchmark::kMillisecond);
BENCHMARK(load_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(baseline_convert_and_write)->Unit(benchmark::kMillisecond);
BENCHMARK(save_team_data)->Unit(benchmark::kMillisecond);
BENCHMARK(find_game)->Unit(benchmark::kMillisecond);
BENCHMARK(backup_rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::run_with_ratios(argc, argv,
                                      {{"load_team_data", "baseline_read_and_convert"},
                                       {"save_team_data", "baseline_convert_and_write"},
                                       {"find_game", "baseline_read_and_convert"},
                                       {"backup_rows", "baseline_read_and_convert"}});
}
