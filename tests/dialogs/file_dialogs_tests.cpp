#include "dialogs/file_dialogs.h"
#include "support/file_systems.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace kl {
namespace {

using test::read_lines_cp932;
using test::write_cp932_lines;

TEST(NewFileChecks, ComeInOrder) {
    auto text = [](const QString& team, bool by_team, const QString& file) {
        const std::optional<md::UserMessage> refusal = check_new_file(team, by_team, file);
        return refusal ? refusal->text : QString();
    };
    EXPECT_EQ(text({}, false, {}), QStringLiteral(u"チーム名を入力して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A"), false, {}), QStringLiteral(u"ファイル名を入力して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A,B"), true, {}),
              QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A/B"), true, {}),
              QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A"), false, QStringLiteral(u"  ")),
              QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A\nB"), true, {}),
              QStringLiteral(u"名前に　「制御文字」　は使えません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A"), false, QStringLiteral(u"A\r\nB")),
              QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A"), false, QString(90, u'山')),
              QStringLiteral(u"「ファイル名」　が正しくありません。変更して下さい。"));
    EXPECT_EQ(text(QStringLiteral(u"A"), true, QString()), QString());
    EXPECT_EQ(new_file_name(QStringLiteral(u"A"), true, QStringLiteral(u"X")), QStringLiteral(u"A.kld"));
    EXPECT_EQ(new_file_name(QStringLiteral(u"A"), false, QStringLiteral(u"X")), QStringLiteral(u"X.kld"));
    EXPECT_EQ(overwrite_question(QStringLiteral(u"A.kld")).text,
              QStringLiteral(u"「A.kld」　は既に存在します。上書きしますか？"));
}

class OpeningFiles : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        for (const QString& team : {QStringLiteral(u"A"), QStringLiteral(u"B")}) {
            write_cp932_lines(team + QStringLiteral(u".kld"), {QStringLiteral(u"[チーム名]"), team});
        }
    }
    md::DataStore store;
};

TEST_F(OpeningFiles, ModeZeroKeepsTheFixedFileInTheSettings) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    const OpenedFile opened = open_team_file(store, QStringLiteral(u"B.kld"));
    EXPECT_TRUE(opened.loaded.ok());
    EXPECT_TRUE(opened.notices.empty());
    EXPECT_EQ(store.team_name, QStringLiteral(u"B"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

TEST_F(OpeningFiles, ModeOneNamesTheFileOpenedLast) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    EXPECT_TRUE(open_team_file(store, QStringLiteral(u"B.kld")).loaded.ok());
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"B.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.start_mode, md::StartMode::last_file);
}

class OpeningAFileSettingsCannotName : public OpeningFiles, public ::testing::WithParamInterface<int> {};

// setting.ini is cp932: it cannot name é.kld. The file opens all the same, by its own name, and
// only in mode 1 (where it would become the start file) the user is told.
TEST_P(OpeningAFileSettingsCannotName, LoadsItsOwnTeamAndKeepsTheStartFile) {
    const QString accented = QStringLiteral(u"\u00e9.kld");
    write_cp932_lines(accented, {QStringLiteral(u"[チーム名]"), QStringLiteral(u"E")});
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QString::number(GetParam())});
    ASSERT_TRUE(store.load_team_data().ok());
    const OpenedFile opened = open_team_file(store, accented);
    ASSERT_TRUE(opened.loaded.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"E"));
    EXPECT_EQ(store.data_file_path, accented);
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(store.start_mode, static_cast<md::StartMode>(GetParam()));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
    if (GetParam() == 1) {
        ASSERT_EQ(opened.notices.size(), 1U);
        EXPECT_EQ(opened.notices[0].title, QStringLiteral(u"保存エラー"));
        EXPECT_EQ(opened.notices[0].text,
                  QStringLiteral(u"「\u00e9.kld」　は起動ファイルに設定できません。"));
    } else {
        EXPECT_TRUE(opened.notices.empty());
    }
    // Nor can 環境設定 make it the start file.
    const std::optional<md::UserMessage> refusal =
        apply_environment_settings(store, {true, accented, false, false});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, QStringLiteral(u"「\u00e9.kld」　は起動ファイルに設定できません。"));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(store.start_mode, static_cast<md::StartMode>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(StartModes, OpeningAFileSettingsCannotName, ::testing::Values(0, 1));

TEST_F(OpeningFiles, AReadOnlyFolderOpensTheFileAndSaysSettingsWereNotSaved) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 ")});
    const QByteArray settings = test::read_bytes(QStringLiteral(u"setting.ini"));
    ASSERT_TRUE(store.load_team_data().ok());
    const test::ReadOnlyFolder read_only(QDir::currentPath());
    if (!read_only.ready()) {
        GTEST_SKIP() << read_only.why_not().toStdString();
    }
    const OpenedFile opened = open_team_file(store, QStringLiteral(u"B.kld"));
    EXPECT_TRUE(opened.loaded.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"B"));
    ASSERT_EQ(opened.notices.size(), 1U);
    EXPECT_EQ(opened.notices[0].text,
              QStringLiteral(u"「setting.ini」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"setting.ini")), settings);

    // 環境設定 applies nothing it cannot save.
    const std::optional<md::UserMessage> applied =
        apply_environment_settings(store, {true, QStringLiteral(u"A.kld"), true, true});
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->text,
              QStringLiteral(u"「setting.ini」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_EQ(store.start_mode, md::StartMode::last_file);
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"B.kld"));
    EXPECT_FALSE(store.keyboard_entry);
    EXPECT_FALSE(store.add_typed_names);
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"setting.ini")), settings);

    // And a new file that cannot be written says why.
    const std::optional<md::UserMessage> refusal =
        write_new_team_file(QStringLiteral(u"C"), QStringLiteral(u"C.kld"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text,
              QStringLiteral(u"「C.kld」　を保存できません。（書き込みが許可されていません）"));
}

TEST_F(OpeningFiles, AFileThatCannotBeReadLeavesNoFileOpen) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    test::write_bytes(QStringLiteral(u"bad.kld"), QByteArray("\x82"));
    const OpenedFile opened = open_team_file(store, QStringLiteral(u"bad.kld"));
    EXPECT_EQ(opened.loaded.status, md::LoadResult::Status::unreadable);
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_TRUE(store.team_name.isEmpty());
    EXPECT_FALSE(store.save_team_data().ok);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

// A FIFO held 開く in open() for ever.
TEST_F(OpeningFiles, AFileThatIsNoRegularFileIsRefusedWithoutBeingOpened) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    const test::Fifo fifo(QStringLiteral(u"fifo.kld"));
    const OpenedFile opened = open_team_file(store, QStringLiteral(u"fifo.kld"));
    EXPECT_EQ(opened.loaded.message().text,
              QStringLiteral(u"「fifo.kld」　を読み込めません。（通常のファイルではありません）"));
    EXPECT_FALSE(fifo.opened());
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

TEST_F(OpeningFiles, DeletingAGameRemovesItsLineAndSaves) {
    test::GameBuilder first;
    test::GameBuilder second;
    second.date = QStringLiteral(u"2006/05/01");
    write_cp932_lines(QStringLiteral(u"C.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"C"), QStringLiteral(u"[試合データ]"),
                       first.line(), second.line()});
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"C.kld")).ok());
    EXPECT_EQ(deletion_entries(store).at(1), QStringLiteral(u"2006/05/01 - 10:00 - 青葉FC - 市民グラウンド"));
    EXPECT_TRUE(delete_game(store, 0, md::OnDiskChange::refuse).ok);
    EXPECT_EQ(store.game_lines, QStringList{second.line()});
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"C.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"C.kld")).back(), second.line());
}

TEST_F(OpeningFiles, AGameWhoseDeletionCannotBeSavedIsPutBack) {
    test::GameBuilder first;
    test::GameBuilder second;
    second.date = QStringLiteral(u"2006/05/01");
    write_cp932_lines(QStringLiteral(u"C.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"C"), QStringLiteral(u"[試合データ]"),
                       first.line(), second.line()});
    const QByteArray before = test::read_bytes(QStringLiteral(u"C.kld"));
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"C.kld")).ok());
    const test::ReadOnlyFolder read_only(QDir::currentPath());
    if (!read_only.ready()) {
        GTEST_SKIP() << read_only.why_not().toStdString();
    }
    const md::SaveResult failure = delete_game(store, 0, md::OnDiskChange::refuse);
    ASSERT_FALSE(failure.ok);
    EXPECT_EQ(failure.message().title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(failure.message().text,
              QStringLiteral(u"「C.kld」　を保存できません。（書き込みが許可されていません）"));
    EXPECT_EQ(store.game_lines, (QStringList{first.line(), second.line()}));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"C.kld"));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"C.kld")), before);
}

}  // namespace
}  // namespace kl
