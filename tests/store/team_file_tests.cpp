#include "store/data_store.h"
#include "store/game_record.h"
#include "store/master_lists.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QFile>

namespace md {
namespace {

using kl::test::cp932_lines;
using kl::test::data_file;
using kl::test::read_bytes;
using kl::test::write_bytes;
using kl::test::write_cp932_lines;

class TeamFile : public kl::test::InTemporaryFolder {
  protected:
    // Copies a file of tests/data into the working folder and loads it.
    LoadResult load_copy(const QString& name) {
        QFile::copy(data_file(name), name);
        QFile(name).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return store.load_team_file(name);
    }
    // Loads, saves and returns whether the bytes stayed the same.
    void expect_round_trip(const QString& name) {
        const QByteArray before = read_bytes(data_file(name));
        ASSERT_TRUE(load_copy(name).ok());
        ASSERT_TRUE(store.save_team_data().ok);
        const QByteArray after = read_bytes(name);
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after, before);
    }
    DataStore store;
};

const QStringList new_file_lines = {QStringLiteral(u"[チーム名]"),
                                    QStringLiteral(u"テストFC"),
                                    QStringLiteral(u"[メンバー]"),
                                    QString(),
                                    QStringLiteral(u"[グラウンド]"),
                                    QString(),
                                    QStringLiteral(u"[対戦チーム]"),
                                    QString(),
                                    QStringLiteral(u"[起票者]"),
                                    QString(),
                                    QStringLiteral(u"[フォーメーション]"),
                                    QString(),
                                    QStringLiteral(u"[大会]"),
                                    QString(),
                                    QStringLiteral(u"[試合データ]")};

TEST_F(TeamFile, NewFileIsExactlyFifteenLines) {
    store.team_name = QStringLiteral(u"テストFC");
    store.data_file_path = QStringLiteral(u"new.kld");
    ASSERT_TRUE(store.save_team_data().ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"new.kld")), cp932_lines(new_file_lines));
    EXPECT_EQ(read_bytes(QStringLiteral(u"new.kld")), read_bytes(data_file(QStringLiteral(u"new_team.kld"))));
}

TEST_F(TeamFile, FilesSavedUnchangedStayByteForByte) {
    expect_round_trip(QStringLiteral(u"new_team.kld"));
    store.clear_data_store();
    expect_round_trip(QStringLiteral(u"rich_team.kld"));
}

TEST_F(TeamFile, LoadsEveryTable) {
    ASSERT_TRUE(load_copy(QStringLiteral(u"rich_team.kld")).ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"テストFC"));
    EXPECT_EQ(split_list(store.member_list).size(), 15);
    EXPECT_EQ(store.ground_list, QStringLiteral(u"市民グラウンド,中央公園,河川敷"));
    EXPECT_EQ(store.recorder_list, QStringLiteral(u"山田監督,鈴木コーチ"));
    EXPECT_EQ(store.formation_lines.size(), 2);
    EXPECT_EQ(store.meeting_lines.size(), 4);
    EXPECT_EQ(store.game_lines.size(), 5);
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"rich_team.kld"));
    const std::vector<Meeting> meetings = store.meetings();
    ASSERT_EQ(meetings.size(), 4u);
    EXPECT_EQ(meetings[1].extra_mode, QStringLiteral(u"ゴールデンゴール方式"));
    EXPECT_EQ(meetings[0].extra_length, QString());
}

TEST_F(TeamFile, SectionsMayComeInAnyOrderAndTheLastBlockRunsToTheEnd) {
    const LoadResult result = load_copy(QStringLiteral(u"sections_in_any_order.kld"));
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.team_name_read);
    EXPECT_EQ(store.team_name, QStringLiteral(u"順不同FC"));
    EXPECT_EQ(store.game_lines.size(), 1);
    EXPECT_EQ(store.meeting_lines.size(), 1);
    EXPECT_TRUE(store.formation_lines.isEmpty());
    // The member list is the file's last line, without a line end after it.
    EXPECT_EQ(split_list(store.member_list).size(), 15);
}

TEST_F(TeamFile, AnEmptyLineEndsTheGameBlock) {
    ASSERT_TRUE(load_copy(QStringLiteral(u"empty_line_in_game_block.kld")).ok());
    EXPECT_EQ(store.game_lines.size(), 1);
}

TEST_F(TeamFile, TheValueLineOfAOneLineSectionIsAlsoReadAsAHeader) {
    write_cp932_lines(QStringLiteral(u"a.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"[メンバー]"), QStringLiteral(u"A,B")});
    const LoadResult result = store.load_team_file(QStringLiteral(u"a.kld"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"[メンバー]"));
    EXPECT_EQ(store.member_list, QStringLiteral(u"A,B"));
}

TEST_F(TeamFile, AMissingSectionLeavesItsTableAsItWas) {
    store.member_list = QStringLiteral(u"残る");
    write_cp932_lines(QStringLiteral(u"a.kld"), {QStringLiteral(u"[チーム名]"), QStringLiteral(u"A")});
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"a.kld")).ok());
    EXPECT_EQ(store.member_list, QStringLiteral(u"残る"));
}

TEST_F(TeamFile, LineFeedOnlyFilesLoadAndAreSavedWithCrLf) {
    write_bytes(QStringLiteral(u"lf.kld"), cp932_lines(new_file_lines).replace("\r\n", "\n"));
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"lf.kld")).ok());
    ASSERT_TRUE(store.save_team_data().ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"lf.kld")), cp932_lines(new_file_lines));
}

TEST_F(TeamFile, CharactersWithTwoCodesKeepTheBytesTheyWereLoadedWith) {
    // 0xED40 is the NEC-selected code of 纊, whose canonical code is 0xFA5C.
    QByteArray bytes = cp932_lines(new_file_lines);
    bytes.replace(QByteArray("\x83\x65\x83\x58\x83\x67"), QByteArray("\xED\x40"));  // テスト -> 纊
    write_bytes(QStringLiteral(u"two_codes.kld"), bytes);
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"two_codes.kld")).ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"纊FC"));
    ASSERT_TRUE(store.save_team_data().ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"two_codes.kld")), bytes);
}

TEST_F(TeamFile, AMissingFileGivesTheNoFileMessageAndClearsThePath) {
    store.member_list = QStringLiteral(u"A");
    const LoadResult result = store.load_team_file(QStringLiteral(u"gone.kld"));
    EXPECT_EQ(result.status, LoadResult::Status::no_file);
    EXPECT_EQ(result.message().title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(
        result.message().text,
        QStringLiteral(
            u"前回開いたファイルがありません。　「新規作成」　か　「開く」　でファイルを選択して下さい。"));
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_EQ(store.member_list, QStringLiteral(u"A"));
}

// A file the program cannot hold in full is refused whole: no table changes and the file is not
// written afterwards, since no file is open.
struct UnreadableCase {
    const char* name;
    QStringList lines;
    QString reason;
};

QString game_line(const QString& events) {
    QString line = QStringLiteral(u"#,記録,2006/04/01,10:00,G,O,M,90,なし,,,なし,F");
    for (int i = 0; i < 11; ++i) {
        line += QStringLiteral(u",GK,m") + QString::number(i);
    }
    line += QStringLiteral(u",,,,,,,,,");
    return line + events + QStringLiteral(u",##");
}

QStringList with_games(const QStringList& games) {
    return QStringList{QStringLiteral(u"[チーム名]"), QStringLiteral(u"T"), QStringLiteral(u"[試合データ]")} +
           games;
}

void PrintTo(const UnreadableCase& unreadable, std::ostream* out) {
    *out << unreadable.name;
}

class UnreadableFile : public TeamFile, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFile, IsRefusedWholeWithItsReason) {
    store.team_name = QStringLiteral(u"前のチーム");
    store.data_file_path = QStringLiteral(u"before.kld");
    const QByteArray bytes = cp932_lines(GetParam().lines);
    write_bytes(QStringLiteral(u"bad.kld"), bytes);
    const LoadResult result = store.load_team_file(QStringLiteral(u"bad.kld"));
    EXPECT_EQ(result.status, LoadResult::Status::unreadable);
    EXPECT_EQ(result.message().title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(result.message().text, QStringLiteral(u"「bad.kld」　を読み込めません。") + GetParam().reason);
    EXPECT_EQ(store.team_name, QStringLiteral(u"前のチーム"));
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_FALSE(store.save_team_data().ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"bad.kld")), bytes);
}

const QString game_form = QStringLiteral(u"（4行目：試合データの形式が正しくありません）");

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFile,
    ::testing::Values(
        UnreadableCase{"GameLineWithoutStartMarker", with_games({game_line({}).mid(1)}), game_form},
        UnreadableCase{"GameLineWithoutEndMarker", with_games({game_line({}).chopped(3)}), game_form},
        UnreadableCase{"GameLineWithTooFewFixedFields", with_games({QStringLiteral(u"#,a,b,c,##")}),
                       game_form},
        UnreadableCase{"UnknownEventKind", with_games({game_line(QStringLiteral(u",10,ゴール"))}), game_form},
        UnreadableCase{"EventCutShortByEndMarker",
                       with_games({game_line(QStringLiteral(u",10,警告・退場,警告"))}), game_form},
        UnreadableCase{"ShootOutWithoutOrder", with_games({game_line(QStringLiteral(u",-,PK戦,1,A"))}),
                       game_form},
        UnreadableCase{"ShootOutKickNeitherScoredNorMissed",
                       with_games({game_line(QStringLiteral(u",-,PK戦,先攻,2,A"))}), game_form},
        UnreadableCase{"ShootOutOwnKickWithoutKicker",
                       with_games({game_line(QStringLiteral(u",-,PK戦,後攻,1,1"))}), game_form},
        UnreadableCase{"FormationLineWithNineFields",
                       {QStringLiteral(u"[フォーメーション]"), QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2")},
                       QStringLiteral(u"（2行目：フォーメーションの形式が正しくありません）")},
        UnreadableCase{"MeetingLineWithFiveFields",
                       {QStringLiteral(u"x"), QStringLiteral(u"[大会]"), QStringLiteral(u"杯,90,なし,,")},
                       QStringLiteral(u"（3行目：大会の形式が正しくありません）")},
        UnreadableCase{
            "MoreThan166Meetings",
            QStringList{QStringLiteral(u"[大会]")} + QStringList(167, QStringLiteral(u"杯,90,なし,,,なし")),
            QStringLiteral(u"（大会が166件を超えています）")},
        UnreadableCase{"MoreThan1000Formations",
                       QStringList{QStringLiteral(u"[フォーメーション]")} +
                           QStringList(1001, QStringLiteral(u"F,2,0,0,2,2,0,2,2,0")),
                       QStringLiteral(u"（フォーメーションが1000件を超えています）")},
        UnreadableCase{"MoreThan10001Lines", QStringList(10002, QStringLiteral(u"x")),
                       QStringLiteral(u"（行数が10001行を超えています）")},
        UnreadableCase{"MoreThan100001GameFields", with_games(QStringList(2300, game_line({}))),
                       QStringLiteral(u"（試合データの項目が100001個を超えています）")}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.name); });

TEST_F(TeamFile, BytesThatAreNotCp932MakeTheFileUnreadable) {
    write_bytes(QStringLiteral(u"bad.kld"), QByteArray("[\x83\x60\x81\x5B]\r\nA\x82\r\n"));
    const LoadResult result = store.load_team_file(QStringLiteral(u"bad.kld"));
    EXPECT_EQ(result.status, LoadResult::Status::unreadable);
    EXPECT_EQ(result.reason, QStringLiteral(u"（2行目：文字コードが正しくありません）"));
}

TEST_F(TeamFile, AFailedSaveLeavesTheOldFileWhole) {
    ASSERT_TRUE(load_copy(QStringLiteral(u"rich_team.kld")).ok());
    const QByteArray before = read_bytes(QStringLiteral(u"rich_team.kld"));
    store.member_list += QStringLiteral(u",絵文字😀");
    const SaveResult result = store.save_team_data();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message().title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(result.message().text,
              QStringLiteral(u"「rich_team.kld」　を保存できません。（「😀」　は保存できない文字です）"));
    EXPECT_EQ(read_bytes(QStringLiteral(u"rich_team.kld")), before);

    store.data_file_path = QStringLiteral(u"no/such/folder/x.kld");
    store.member_list.clear();
    EXPECT_FALSE(store.save_team_data().ok);
}

// A store beyond a table's capacity is never written: the file could not be read again.
TEST_F(TeamFile, ATableBeyondItsCapacityIsNotSaved) {
    ASSERT_TRUE(load_copy(QStringLiteral(u"rich_team.kld")).ok());
    const QByteArray before = read_bytes(QStringLiteral(u"rich_team.kld"));
    while (store.formation_lines.size() <= 1000) {
        store.formation_lines.append(QStringLiteral(u"F") + QString::number(store.formation_lines.size()) +
                                     QStringLiteral(u",2,0,0,2,2,0,2,2,0"));
    }
    const SaveResult result = store.save_team_data();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, QStringLiteral(u"（フォーメーションが1000件を超えています）"));
    EXPECT_EQ(read_bytes(QStringLiteral(u"rich_team.kld")), before);
    store.formation_lines.removeLast();
    EXPECT_TRUE(store.save_team_data().ok);
}

TEST_F(TeamFile, NothingIsWrittenWhileNoFileIsOpen) {
    store.team_name = QStringLiteral(u"A");
    const SaveResult result = store.save_team_data();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, QStringLiteral(u"（ファイルが開かれていません）"));
}

TEST_F(TeamFile, ClearingEmptiesEveryTableThePathAndTheMode) {
    ASSERT_TRUE(load_copy(QStringLiteral(u"rich_team.kld")).ok());
    ASSERT_FALSE(store.formations().empty());
    const std::optional<GameRecord> stored = GameRecord::parse(store.game_lines.front());
    ASSERT_TRUE(stored);
    const GameIdentity game{stored->date(), stored->start_time(), stored->ground(), stored->opponent()};
    ASSERT_EQ(store.find_game(game), 0);
    store.start_mode = StartMode::last_file;
    store.clear_data_store();
    EXPECT_TRUE(store.team_name.isEmpty());
    EXPECT_TRUE(store.member_list.isEmpty());
    EXPECT_TRUE(store.formations().empty());
    EXPECT_TRUE(store.meetings().empty());
    EXPECT_TRUE(store.game_lines.isEmpty());
    EXPECT_EQ(store.find_game(game), std::nullopt);
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_EQ(store.start_mode, StartMode::fixed_file);
}

TEST(SplitList, EmptyListsGiveNoItemsAndDoubleCommasAnEmptyOne) {
    EXPECT_EQ(split_list(QString()), QStringList());
    EXPECT_EQ(split_list(QStringLiteral(u"A,B")), (QStringList{QStringLiteral(u"A"), QStringLiteral(u"B")}));
    EXPECT_EQ(split_list(QStringLiteral(u"A,,B")),
              (QStringList{QStringLiteral(u"A"), QString(), QStringLiteral(u"B")}));
}

TEST(MasterLists, LinesGiveTheirFirstPiecesAndEndAtAnEmptyName) {
    const std::vector<Meeting> meetings =
        meetings_of({QStringLiteral(u"杯,90,なし,,,なし,余分"), QStringLiteral(u",60,なし,,,なし"),
                     QStringLiteral(u"後,1,2,3,4,5")});
    ASSERT_EQ(meetings.size(), 1u);
    EXPECT_EQ(meetings[0].shoot_out, QStringLiteral(u"なし"));
    EXPECT_EQ(parse_meeting_line(QStringLiteral(u"短")).shoot_out, QString());
    const Formation formation = parse_formation_line(QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0,余分"));
    EXPECT_EQ(formation.name, QStringLiteral(u"4-4-2"));
    EXPECT_EQ(formation.counts.back(), QStringLiteral(u"0"));
    EXPECT_EQ(formations_of({QStringLiteral(u"F,1"), QString(), QStringLiteral(u"G,2")}).size(), 1u);
}

}  // namespace
}  // namespace md
