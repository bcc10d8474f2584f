// The outputs made for sharing on the largest team file, against loading that file: the season's web
// pages (the core's texts alone, and the whole folder with its SVG charts written), one result
// picture and a member's season card.
#include "print/season_site_files.h"
#include "print/share_pictures.h"
#include "ratio_reporter.h"
#include "reports/season_site.h"
#include "reports/share_contents.h"
#include "reports/shared_names_rule.h"
#include "store/data_store.h"
#include "team_file_generator.h"

#include <benchmark/benchmark.h>
#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The large file loaded, and the member whose card the cases draw.
struct LargestFile {
    LargestFile() {
        store.load_team_file(path);
        member = kl::SharedNameRule::for_team(store, md::SharedNames::full, {}).members().front();
        std::printf("%lld lines of games; member %s\n", static_cast<long long>(store.game_lines.size()),
                    qPrintable(member));
    }
    QString path = kl::bench::large_file().path;
    md::DataStore store;
    QString member;
};

LargestFile& largest() {
    static LargestFile file;
    return file;
}

void load_team_file(benchmark::State& state) {
    for (auto _ : state) {
        md::DataStore store;
        benchmark::DoNotOptimize(store.load_team_file(largest().path));
    }
}

// The pages' texts with the members as initials: the rule, the renamed games, every page.
void site_pages(benchmark::State& state) {
    const md::DataStore& store = largest().store;
    for (auto _ : state) {
        const kl::SharedNameRule rule = kl::SharedNameRule::for_team(store, md::SharedNames::initials, {});
        benchmark::DoNotOptimize(kl::season_site_pages(
            store.team_name, kl::shared_game_lines(store.game_lines, rule), rule, QDate(2026, 12, 1)));
    }
}

// Webページとして書き出し as a whole: the pages and the charts written into a folder.
void site_written(benchmark::State& state) {
    const md::DataStore& store = largest().store;
    QTemporaryDir site;
    for (auto _ : state) {
        const kl::SharedNameRule rule = kl::SharedNameRule::for_team(store, md::SharedNames::initials, {});
        benchmark::DoNotOptimize(
            kl::write_season_site(site.path(), store.team_name, store.game_lines, rule, QDate(2026, 12, 1)));
    }
}

// 結果画像を保存 of the last game: its contents, painted and compressed as PNG.
void result_picture(benchmark::State& state) {
    const md::DataStore& store = largest().store;
    const md::GameRecord game = *md::GameRecord::parse(store.game_lines.back());
    for (auto _ : state) {
        const kl::SharedNameRule rule = kl::SharedNameRule::for_team(store, md::SharedNames::full, {});
        benchmark::DoNotOptimize(kl::png_bytes(
            kl::result_picture_image(kl::result_picture(kl::shared_game(game, rule), store.team_name))));
    }
}

// 個人カードを保存 of a member over every game.
void season_card(benchmark::State& state) {
    const md::DataStore& store = largest().store;
    for (auto _ : state) {
        const kl::SharedNameRule rule = kl::SharedNameRule::for_team(store, md::SharedNames::full, {});
        const kl::MemberCard card =
            kl::season_card(store.team_name, kl::shared_game_lines(store.game_lines, rule), {}, {},
                            rule.shown(largest().member));
        benchmark::DoNotOptimize(kl::png_bytes(kl::member_card_image(card)));
    }
}

BENCHMARK(load_team_file)->Unit(benchmark::kMillisecond);
BENCHMARK(site_pages)->Unit(benchmark::kMillisecond);
BENCHMARK(site_written)->Unit(benchmark::kMillisecond);
BENCHMARK(result_picture)->Unit(benchmark::kMillisecond);
BENCHMARK(season_card)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Pictures and charts are painted with fonts, so a QGuiApplication, on no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::string load = "load_team_file";
    return kl::bench::run_with_ratios(
        argc, argv,
        {{"site_pages", load}, {"site_written", load}, {"result_picture", load}, {"season_card", load}});
}
