#include "entry/game_correction.h"
#include "page_support.h"
#include "store/data_store.h"
#include "support/test_files.h"
#include "team_file_generator.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdio>
#include <map>

namespace kl {
namespace {

using test::GameBuilder;

std::vector<md::Formation> formations_of(const md::DataStore& store) {
    return md::formations_from_fields(
        md::split_lines_into_fields(store.formation_lines, md::formation_field_count));
}

// 次へ on pages 1 and 2 and the replay onto page 3, with nothing changed.
EventPage reopened_page(const GameCorrection& correction, const md::DataStore& store) {
    EventPage page(game_info_fields(correction.info, correction.rules) + lineup_fields(correction.lineup),
                   replay_formations(formations_of(store), correction.game));
    EXPECT_FALSE(replay_events(page, events_for_lineup(correction, correction.lineup), ReplayMatch::exact));
    return page;
}

// Every team file the repository holds, with the names they are reported by.
std::vector<std::pair<QString, QByteArray>> repository_team_files() {
    std::vector<std::pair<QString, QByteArray>> files;
    const QString root = QStringLiteral(KL_TEST_DATA_DIR);
    for (const QString& folder :
         {root, root + QStringLiteral(u"/malformed"), root + QStringLiteral(u"/fuzz_corpus/team_file"),
          root + QStringLiteral(u"/fuzz_findings/team_file"), QStringLiteral(KL_SAMPLES_DIR)}) {
        QDirIterator entries(folder, QDir::Files);
        while (entries.hasNext()) {
            const QString path = entries.next();
            if (!path.contains(QStringLiteral(u"/refused_"))) {
                files.emplace_back(path, test::read_bytes(path));
            }
        }
    }
    md::DataStore generated;
    bench::generate_large_team(generated);
    generated.data_file_path = QStringLiteral(u"generated.kld");
    files.emplace_back(QStringLiteral(u"the benchmark's large team"), generated.encode_team_file().bytes);
    return files;
}

// Opening any stored game for correction and pressing 完了 without a change writes the file as it
// was, byte for byte; a game the wizard could not have entered is refused, never changed.
TEST(GameCorrection, EveryStoredGameComesBackByteForByteWhenNothingChanges) {
    int games = 0;
    std::map<QString, int> refusals;
    for (const auto& [name, bytes] : repository_team_files()) {
        md::DataStore loaded;
        if (!loaded.load_team_bytes(bytes, QStringLiteral(u"team.kld")).ok()) {
            continue;
        }
        loaded.build_game_index();
        // What a save writes of the file unchanged: the file itself, unless it is one of the odd
        // forms the loader reads (sections twice, lone line feeds, games out of order), which a
        // save writes plainly and 完了 in the stored order.
        md::DataStore sorted = loaded;
        md::sort_game_lines(sorted.game_lines);
        const QByteArray unchanged = sorted.encode_team_file().bytes;
        for (int position = 0; position < loaded.game_lines.size(); ++position) {
            ++games;
            md::DataStore store = loaded;
            const auto opened = open_correction(store, position, formations_of(store));
            if (const auto* refusal = std::get_if<md::UserMessage>(&opened)) {
                ++refusals[refusal->text];
                continue;
            }
            const auto& correction = std::get<GameCorrection>(opened);
            const EventPage page = reopened_page(correction, store);
            ASSERT_FALSE(replace_game(store, position, page.state().event_fields,
                                      page.state().event_field_count, std::nullopt))
                << name.toStdString();
            ASSERT_EQ(store.encode_team_file().bytes, unchanged)
                << name.toStdString() << " game " << position;
        }
    }
    int refused = 0;
    for (const auto& [reason, count] : refusals) {
        refused += count;
    }
    std::printf("games: %d, corrected unchanged: %d, refused: %d\n", games, games - refused, refused);
    for (const auto& [reason, count] : refusals) {
        std::printf("  refused %d: %s\n", count, qPrintable(reason));
    }
    EXPECT_GT(games, 1000);
}

}  // namespace
}  // namespace kl
