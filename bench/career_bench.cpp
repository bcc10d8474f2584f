// A member's career and the head-to-head records over ten team files of the largest size, against
// loading the ten files.
#include "ratio_reporter.h"
#include "stats/career.h"
#include "stats/head_to_head.h"
#include "stats/season_record.h"
#include "store/data_store.h"
#include "team_file_generator.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int season_count = 10;

struct TenSeasons {
    TenSeasons() {
        int games = 0;
        for (int season = 0; season < season_count; ++season) {
            const QString path = folder.filePath(QStringLiteral(u"season%1.kld").arg(season));
            games += kl::bench::write_large_team_file(path, 2006 + static_cast<unsigned>(season));
            files.append(path);
        }
        // Every generated team has the same members: the first of them is in all ten files.
        md::DataStore store;
        store.load_team_file(files.front());
        member = kl::read_season(files.front(), store).squad.front().name;
        std::printf("%d team files, %d games; member %s\n", season_count, games, qPrintable(member));
    }
    QTemporaryDir folder;
    QStringList files;
    QString member;
};

TenSeasons& ten_seasons() {
    static TenSeasons seasons;
    return seasons;
}

// The baseline: reading the ten files into stores, as the career window and the report do first.
void load_ten_files(benchmark::State& state) {
    for (auto _ : state) {
        for (const QString& file : ten_seasons().files) {
            md::DataStore store;
            benchmark::DoNotOptimize(store.load_team_file(file));
        }
    }
}

// What opening 通算成績 and choosing a member costs: the ten files loaded and read as seasons,
// the member's career and the head-to-head table.
void career_ten_files(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<kl::SeasonSource> sources;
        std::vector<const kl::SeasonRecord*> seasons;
        for (const QString& file : ten_seasons().files) {
            sources.push_back(kl::load_season(file));
        }
        for (const kl::SeasonSource& source : sources) {
            seasons.push_back(&*source.record);
        }
        benchmark::DoNotOptimize(kl::compute_career(seasons, ten_seasons().member));
        benchmark::DoNotOptimize(kl::head_to_head(seasons));
    }
}

// Choosing another member once the seasons are read.
void career_of_a_member(benchmark::State& state) {
    std::vector<kl::SeasonSource> sources;
    std::vector<const kl::SeasonRecord*> seasons;
    for (const QString& file : ten_seasons().files) {
        sources.push_back(kl::load_season(file));
    }
    for (const kl::SeasonSource& source : sources) {
        seasons.push_back(&*source.record);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::compute_career(seasons, ten_seasons().member));
    }
}

BENCHMARK(load_ten_files)->Unit(benchmark::kMillisecond);
BENCHMARK(career_ten_files)->Unit(benchmark::kMillisecond);
BENCHMARK(career_of_a_member)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::run_with_ratios(
        argc, argv, {{"career_ten_files", "load_ten_files"}, {"career_of_a_member", "load_ten_files"}});
}
