#include "store/data_store.h"
#include "store/startup_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace md {
namespace {

using kl::test::cp932_lines;
using kl::test::read_bytes;
using kl::test::read_lines_cp932;
using kl::test::write_cp932_lines;

class Settings : public kl::test::InTemporaryFolder {
  protected:
    DataStore store;
};

TEST_F(Settings, WritesFiveLinesWithIntegersInPrintForm) {
    store.data_file_path = QStringLiteral(u"チーム.kld");
    store.window_placement = QStringLiteral(u"1200,900,10800,9600,2");
    store.start_mode = StartMode::last_file;
    store.keyboard_entry = true;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"チーム.kld"), QStringLiteral(u"1200,900,10800,9600,2"),
                           QStringLiteral(u" 1 "), QStringLiteral(u" 1 "), QStringLiteral(u" 0 ")}));
    EXPECT_EQ(print_form(-3), QStringLiteral(u"-3 "));
}

// A file that cp932 cannot name is open for this run only: the start file stays on the first line.
TEST_F(Settings, AnOpenFileTheFileCannotNameLeavesTheStartFile) {
    store.start_file_path = QStringLiteral(u"A.kld");
    store.data_file_path = QStringLiteral(u"\u00e9.kld");
    store.start_mode = StartMode::last_file;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")}));
}

// A program that never turns small-sided games on keeps writing the five lines of old.
TEST_F(Settings, SmallSidedGamesAreASixthLineWrittenOnlyWhileOn) {
    store.data_file_path = QStringLiteral(u"A.kld");
    store.small_sided_games = true;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 1 ")}));
    DataStore reader;
    reader.read_settings();
    EXPECT_TRUE(reader.small_sided_games);

    store.small_sided_games = false;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")}));
    reader.read_settings();
    EXPECT_FALSE(reader.small_sided_games);
}

// Each later option keeps its line number: a line stands while it or a later one is on.
TEST_F(Settings, LiveEntryOptionsAreLinesSevenAndEightWrittenOnlyUpToTheLastOptionOn) {
    store.data_file_path = QStringLiteral(u"A.kld");
    store.live_elapsed_minutes = true;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(
        read_bytes(QStringLiteral(u"setting.ini")),
        cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                     QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 1 ")}));
    DataStore reader;
    reader.read_settings();
    EXPECT_FALSE(reader.small_sided_games);
    EXPECT_TRUE(reader.live_elapsed_minutes);
    EXPECT_EQ(reader.live_target_share, 0);

    store.live_elapsed_minutes = false;
    store.live_target_share = 50;
    store.small_sided_games = true;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 1 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 50 ")}));
    reader.read_settings();
    EXPECT_TRUE(reader.small_sided_games);
    EXPECT_FALSE(reader.live_elapsed_minutes);
    EXPECT_EQ(reader.live_target_share, 50);

    // A share beyond the whole game is no share; the options end off when their lines go.
    write_cp932_lines(
        QStringLiteral(u"setting.ini"),
        {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
         QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 1 "), QStringLiteral(u" 150 ")});
    reader.read_settings();
    EXPECT_TRUE(reader.live_elapsed_minutes);
    EXPECT_EQ(reader.live_target_share, 0);
    write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"A.kld")});
    reader.read_settings();
    EXPECT_FALSE(reader.live_elapsed_minutes);
}

// The names of shared outputs are the ninth line, written only when not the default; the lines before
// it are then written too, at their own defaults, so every line keeps its place.
TEST_F(Settings, SharedNamesAreTheNinthLine) {
    store.data_file_path = QStringLiteral(u"A.kld");
    store.shared_names = SharedNames::initials;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 2 ")}));
    DataStore reader;
    reader.read_settings();
    EXPECT_EQ(reader.shared_names, SharedNames::initials);
    EXPECT_FALSE(reader.small_sided_games);

    store.small_sided_games = true;
    store.shared_names = SharedNames::none;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    reader.read_settings();
    EXPECT_TRUE(reader.small_sided_games);
    EXPECT_EQ(reader.shared_names, SharedNames::none);

    store.shared_names = SharedNames::full;
    ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).size(), 6);  // up to small-sided games
    reader.read_settings();
    EXPECT_EQ(reader.shared_names, SharedNames::full);
}

// A ninth line that names none of the four choices leaves the names full.
TEST_F(Settings, AnUnknownSharedNamesLineMeansFullNames) {
    for (const QString& line : {QStringLiteral(u" 4 "), QStringLiteral(u"initials"), QStringLiteral(u"-1")}) {
        write_cp932_lines(QStringLiteral(u"setting.ini"),
                          {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                           QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), line});
        DataStore reader;
        reader.shared_names = SharedNames::none;
        reader.read_settings();
        EXPECT_EQ(reader.shared_names, SharedNames::full) << line.toStdString();
    }
}

// Readings are kept beside the team files, one "name,reading" line each; lines of another shape are
// passed over and a member without a reading is not written.
TEST_F(Settings, ReadingsAreKeptBesideTheTeamFile) {
    EXPECT_EQ(readings_path_for(QStringLiteral(u"/club/さくらFC.kld")),
              QStringLiteral(u"/club/readings.ini"));
    EXPECT_TRUE(read_name_readings(QStringLiteral(u"readings.ini")).empty());
    ASSERT_TRUE(write_name_readings(QStringLiteral(u"readings.ini"),
                                    {{QStringLiteral(u"佐藤 翔"), QStringLiteral(u"さとう しょう")},
                                     {QStringLiteral(u"林 駿"), QStringLiteral(u"  ")}})
                    .ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"readings.ini")),
              cp932_lines({QStringLiteral(u"佐藤 翔,さとう しょう")}));
    write_cp932_lines(QStringLiteral(u"readings.ini"), {QStringLiteral(u"佐藤 翔,Sato Sho"),
                                                        QStringLiteral(u"no comma"), QStringLiteral(u",x")});
    const NameReadings readings = read_name_readings(QStringLiteral(u"readings.ini"));
    ASSERT_EQ(readings.size(), 1U);
    EXPECT_EQ(readings.at(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"Sato Sho"));
}

TEST_F(Settings, ReadingTheFirstLineSetsBothPathsUnlessAReloadNamesTheFile) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 "), QStringLiteral(u" 1 "),
                       QStringLiteral(u" 1 ")});
    store.read_settings();
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(store.start_mode, StartMode::last_file);
    EXPECT_TRUE(store.add_typed_names);

    store.read_settings(QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
}

TEST_F(Settings, AReloadFindsItsFileEvenWithoutSettingsFile) {
    store.read_settings(QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"B.kld"));
}

TEST_F(Settings, AOneLineFileLeavesThePreferencesAtZero) {
    write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"A.kld")});
    store.read_settings();
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"A.kld"));
    EXPECT_TRUE(store.window_placement.isEmpty());
    EXPECT_EQ(store.start_mode, StartMode::fixed_file);
    EXPECT_FALSE(store.keyboard_entry);
}

TEST_F(Settings, BadValuesAreIgnoredAndTheDefaultsKept) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QStringLiteral(u"1,2,3,4"), QStringLiteral(u"one"),
                       QStringLiteral(u" 99999 "), QStringLiteral(u"1.5")});
    store.window_placement = QStringLiteral(u"0,0,100,100,0");
    store.read_settings();
    EXPECT_EQ(store.window_placement, QStringLiteral(u"0,0,100,100,0"));
    EXPECT_EQ(store.start_mode, StartMode::fixed_file);
    EXPECT_FALSE(store.keyboard_entry);
    EXPECT_FALSE(store.add_typed_names);

    // A switch is 0 or 1.
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 2 "), QStringLiteral(u" -1 "),
                       QStringLiteral(u" 1 ")});
    store.read_settings();
    EXPECT_EQ(store.start_mode, StartMode::fixed_file);
    EXPECT_FALSE(store.keyboard_entry);
    EXPECT_TRUE(store.add_typed_names);
}

TEST(WindowPlacementLine, NeedsFiveNumbers) {
    const std::optional<WindowPlacement> placement =
        parse_window_placement(QStringLiteral(u"-120, 60,9000,7000,2"));
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, -120);
    EXPECT_EQ(placement->state, 2);
    EXPECT_EQ(compose_window_placement(*placement), QStringLiteral(u"-120,60,9000,7000,2"));
    EXPECT_FALSE(parse_window_placement(QStringLiteral(u"1,2,3,4,x")));
    EXPECT_FALSE(parse_window_placement(QString()));
}

TEST(SettingsLines, LinesThatAreNotCp932AreIgnored) {
    const StartupSettings settings = parse_settings({QByteArray("\x82"), QByteArray(" 1 ")});
    EXPECT_FALSE(settings.file_path);
    EXPECT_FALSE(settings.window_placement);
}

TEST_F(Settings, LoadingReadsTheSettingsThenTheFileTheyName) {
    write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"T.kld")});
    write_cp932_lines(QStringLiteral(u"T.kld"), {QStringLiteral(u"[チーム名]"), QStringLiteral(u"T")});
    const LoadResult result = store.load_team_data();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"T"));

    write_cp932_lines(QStringLiteral(u"setting.ini"), {QString()});
    store.clear_data_store();
    EXPECT_EQ(store.load_team_data().status, LoadResult::Status::no_file);
}

}  // namespace
}  // namespace md
