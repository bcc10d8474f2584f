#include "dialogs/file_dialogs.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
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
    const md::LoadResult opened = open_team_file(store, QStringLiteral(u"B.kld"));
    EXPECT_TRUE(opened.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"B"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

TEST_F(OpeningFiles, ModeOneNamesTheFileOpenedLast) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    EXPECT_TRUE(open_team_file(store, QStringLiteral(u"B.kld")).ok());
    EXPECT_EQ(store.start_file_path, QStringLiteral(u"B.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"B.kld"));
    EXPECT_EQ(store.start_mode, 1);
}

TEST_F(OpeningFiles, AFileThatCannotBeReadLeavesNoFileOpen) {
    write_cp932_lines(QStringLiteral(u"setting.ini"),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 0 ")});
    ASSERT_TRUE(store.load_team_data().ok());
    test::write_bytes(QStringLiteral(u"bad.kld"), QByteArray("\x82"));
    const md::LoadResult opened = open_team_file(store, QStringLiteral(u"bad.kld"));
    EXPECT_EQ(opened.status, md::LoadResult::Status::unreadable);
    EXPECT_TRUE(store.data_file_path.isEmpty());
    EXPECT_TRUE(store.team_name.isEmpty());
    EXPECT_FALSE(store.save_team_data().ok);
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), QStringLiteral(u"A.kld"));
}

TEST_F(OpeningFiles, DeletingAGameRemovesItsLineAndReloads) {
    test::GameBuilder first;
    test::GameBuilder second;
    second.date = QStringLiteral(u"2006/05/01");
    write_cp932_lines(QStringLiteral(u"C.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"C"), QStringLiteral(u"[試合データ]"),
                       first.line(), second.line()});
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"C.kld")).ok());
    EXPECT_EQ(deletion_entries(store).at(1), QStringLiteral(u"2006/05/01 - 10:00 - 青葉FC - 市民グラウンド"));
    EXPECT_FALSE(delete_game(store, 0));
    EXPECT_EQ(store.game_lines, QStringList{second.line()});
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"C.kld"));
    EXPECT_EQ(read_lines_cp932(QStringLiteral(u"C.kld")).back(), second.line());
}

}  // namespace
}  // namespace kl
