#include "exercise.h"
#include "store/data_store.h"
#include "store/game_record.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>

namespace kl {
namespace {

// Every file of tests/data/malformed is named for what the program does with it: "loads_" files
// load, and every view and report works on them; "refused_" files are refused whole.
QStringList malformed_files(const QString& decision) {
    return QDir(test::data_file(QStringLiteral(u"malformed")))
        .entryList({decision + QStringLiteral(u"_*.kld")}, QDir::Files, QDir::Name);
}

std::string test_name(const ::testing::TestParamInfo<QString>& info) {
    return info.param.chopped(4).toStdString();
}

class MalformedFileThatLoads : public ::testing::TestWithParam<QString> {};

TEST_P(MalformedFileThatLoads, SupportsEveryViewAndSavesToTheSameTables) {
    const QString path = test::data_file(QStringLiteral(u"malformed/") + GetParam());
    md::DataStore store;
    const md::LoadResult loaded = store.load_team_file(path);
    ASSERT_TRUE(loaded.ok()) << loaded.refusal_text().toStdString();
    fuzz::exercise_everything(store);
    const md::EncodedLines saved = store.encode_team_file();
    ASSERT_TRUE(saved.ok()) << saved.refusal.toStdString();
    // Whatever its line ends were, a saved file ends every line with CR LF.
    EXPECT_EQ(saved.bytes.count("\r\n"), saved.bytes.count('\n'));
    EXPECT_EQ(saved.bytes.count("\r\n"), saved.bytes.count('\r'));
    md::DataStore again;
    ASSERT_TRUE(again.load_team_bytes(saved.bytes, QStringLiteral(u"saved.kld")).ok());
    EXPECT_TRUE(fuzz::same_tables(store, again));
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFileThatLoads,
                         ::testing::ValuesIn(malformed_files(QStringLiteral(u"loads"))), test_name);

class MalformedFileThatIsRefused : public ::testing::TestWithParam<QString> {};

TEST_P(MalformedFileThatIsRefused, LeavesTheStoreAndTheFileAlone) {
    const QString path = test::data_file(QStringLiteral(u"malformed/") + GetParam());
    const QByteArray before = test::read_bytes(path);
    md::DataStore store;
    store.team_name = QStringLiteral(u"開いていたチーム");
    store.game_lines = {QStringLiteral(u"#,既存")};
    store.data_file_path = QStringLiteral(u"open.kld");
    const md::LoadResult loaded = store.load_team_file(path);
    EXPECT_EQ(loaded.status, md::LoadResult::Status::unreadable);
    EXPECT_EQ(loaded.message().title, QStringLiteral(u"読み込みエラー"));
    EXPECT_TRUE(loaded.message().text.startsWith(QStringLiteral(u"「") + path +
                                                 QStringLiteral(u"」　を読み込めません。（")));
    EXPECT_EQ(store.team_name, QStringLiteral(u"開いていたチーム"));
    EXPECT_EQ(store.game_lines, QStringList{QStringLiteral(u"#,既存")});
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_FALSE(store.save_team_data().ok);
    EXPECT_EQ(test::read_bytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFileThatIsRefused,
                         ::testing::ValuesIn(malformed_files(QStringLiteral(u"refused"))), test_name);

TEST(MalformedCorpus, HoldsEnoughCases) {
    EXPECT_GE(
        malformed_files(QStringLiteral(u"loads")).size() + malformed_files(QStringLiteral(u"refused")).size(),
        30);
}

// Numbers that are not numbers read as 0, and the views follow the rules with them.
TEST(MalformedNumbers, ReadAsZero) {
    md::DataStore store;
    ASSERT_TRUE(
        store.load_team_file(test::data_file(QStringLiteral(u"malformed/loads_non_numeric_minutes.kld")))
            .ok());
    const std::optional<md::GameRecord> game = md::GameRecord::parse(store.game_lines.at(0));
    ASSERT_TRUE(game);
    EXPECT_EQ(game->events.at(0).minute(), 0);
    EXPECT_EQ(game->events.at(1).minute(), 0);
}

}  // namespace
}  // namespace kl
