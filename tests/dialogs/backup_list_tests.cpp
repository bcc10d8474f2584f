#include "dialogs/backup_list.h"
#include "dialogs/file_dialogs.h"
#include "store/team_backups.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QRegularExpression>

namespace kl {
namespace {

using test::read_bytes;

const QString team_file = QStringLiteral(u"team.kld");

class BackupList : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        early.date = QStringLiteral(u"2006/04/01");
        late.date = QStringLiteral(u"2006/05/01");
        test::write_cp932_lines(team_file, {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                                            QStringLiteral(u"[試合データ]"), early.line(), late.line()});
        ASSERT_TRUE(store.load_team_file(team_file).ok());
    }
    void save() { ASSERT_TRUE(store.save_team_data().ok); }
    static std::vector<QString> changes(const std::vector<BackupRow>& rows) {
        std::vector<QString> told;
        for (const BackupRow& row : rows) {
            told.push_back(row.changes);
        }
        return told;
    }

    test::GameBuilder early;
    test::GameBuilder late;
    md::DataStore store;
};

TEST_F(BackupList, RowsTellWhenWhoHowManyGamesAndWhatChangedNewestFirst) {
    store.game_lines.removeFirst();
    save();  // kept: both games
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    save();  // kept: the late game
    test::GameBuilder corrected = late;
    corrected.recorder = QStringLiteral(u"訂正者");
    store.game_lines = QStringList{corrected.line(), early.line()};
    store.formation_lines = QStringList{QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0")};
    save();  // kept: the late game, two members
    store.team_name = QStringLiteral(u"新テストFC");
    store.member_list = QStringLiteral(u"鈴木,高橋");
    save();  // kept: both games (one corrected), a formation
    save();  // kept: the new name and members
    save();  // kept: the same again

    const std::vector<BackupRow> rows = backup_rows(team_file);
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(changes(rows), (std::vector<QString>{
                                 QStringLiteral(u"変更なし"),
                                 QStringLiteral(u"メンバー +1 \u22121、チーム名"),
                                 QStringLiteral(u"試合 +1 修正1、フォーメーション +1"),
                                 QStringLiteral(u"メンバー +2"),
                                 QStringLiteral(u"試合 \u22121"),
                                 QString(),
                             }));
    EXPECT_EQ(rows[0].team_name, QStringLiteral(u"新テストFC"));
    EXPECT_EQ(rows[5].team_name, QStringLiteral(u"テストFC"));
    EXPECT_EQ(rows[4].games, 1);
    EXPECT_EQ(rows[5].games, 2);
    const QRegularExpression date_time(QStringLiteral(u"^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    EXPECT_TRUE(date_time.match(rows[0].taken).hasMatch()) << rows[0].taken.toStdString();
    EXPECT_EQ(rows[3].cells(), (QStringList{rows[3].taken, QStringLiteral(u"テストFC"), QStringLiteral(u"1"),
                                            QStringLiteral(u"メンバー +2")}));
    EXPECT_EQ(restore_question(rows[3]).title, QStringLiteral(u"復元の確認"));
    EXPECT_EQ(restore_question(rows[3]).text,
              QStringLiteral(u"「") + rows[3].taken + QStringLiteral(u"」　の状態に戻しますか？"));
    EXPECT_TRUE(
        backup_rows_text(rows).startsWith(rows[0].taken + QStringLiteral(u"\t新テストFC\t2\t変更なし\r\n")));
    EXPECT_TRUE(backup_rows_text(rows).endsWith(QStringLiteral(u"\tテストFC\t2\t\r\n")));
    // 開く offers the team files of the working directory only.
    EXPECT_EQ(team_files(), QStringList{team_file});
}

// バックアップから復元 reads each backup once: the rows come from summaries kept beside the backups,
// as they would from the backups, and a backup changed since is read again.
TEST_F(BackupList, SummariesKeptBesideTheBackupsGiveTheSameRows) {
    store.game_lines.removeFirst();
    save();
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    save();
    save();
    const std::vector<BackupRow> read_in_full = backup_rows(team_file);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(u"backup/team.summaries")));  // reports keep nothing
    std::vector<QByteArray> backups;
    for (const BackupRow& row : read_in_full) {
        backups.push_back(read_bytes(row.file));
    }

    const auto listed = [] {
        BackupSummaryCache cache(team_file);
        return backup_rows(team_file, cache);
    };
    for (int opening = 0; opening < 2; ++opening) {
        const std::vector<BackupRow> rows = listed();
        ASSERT_EQ(rows.size(), read_in_full.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].cells(), read_in_full[i].cells());
        }
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(u"backup/team.summaries")));
    }
    for (size_t i = 0; i < backups.size(); ++i) {
        EXPECT_EQ(read_bytes(read_in_full[i].file), backups[i]);
    }

    test::write_bytes(read_in_full[1].file, QByteArray("\x82"));
    const BackupRow unreadable = listed()[1];
    EXPECT_FALSE(unreadable.readable());
    // Told again from its summary, as read.
    EXPECT_EQ(listed()[1].cells(), unreadable.cells());
    EXPECT_EQ(listed()[1].refusal().text, backup_rows(team_file)[1].refusal().text);
    // A damaged store of summaries is made anew.
    test::write_bytes(QStringLiteral(u"backup/team.summaries"), QByteArray("KLBS\0\0\0\1\xff\xff\xff\xff"));
    EXPECT_EQ(backup_rows_text(listed()), backup_rows_text(backup_rows(team_file)));
}

TEST_F(BackupList, ADeletedGameComesBackAndTheRestoreCanItselfBeUndone) {
    const QByteArray both_games = read_bytes(team_file);
    ASSERT_TRUE(delete_game(store, 0, md::OnDiskChange::refuse).ok);
    const QByteArray one_game = read_bytes(team_file);

    std::vector<BackupRow> rows = backup_rows(team_file);
    ASSERT_EQ(rows.size(), 1U);
    ASSERT_TRUE(restore_backup(store, rows[0].file, md::OnDiskChange::refuse).ok);
    EXPECT_EQ(read_bytes(team_file), both_games);
    ASSERT_TRUE(store.reload_team_data().ok());
    EXPECT_EQ(store.game_lines, (QStringList{early.line(), late.line()}));

    rows = backup_rows(team_file);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].games, 1);
    EXPECT_EQ(rows[0].changes, QStringLiteral(u"試合 \u22121"));
    ASSERT_TRUE(restore_backup(store, rows[0].file, md::OnDiskChange::refuse).ok);
    EXPECT_EQ(read_bytes(team_file), one_game);
}

TEST_F(BackupList, ACorruptBackupIsListedAsUnreadableAndCannotBeRestored) {
    save();
    save();
    save();
    std::vector<BackupRow> rows = backup_rows(team_file);
    ASSERT_EQ(rows.size(), 3U);
    test::write_bytes(rows[1].file, QByteArray("team\r\n\x82\r\n"));
    const QByteArray team = read_bytes(team_file);

    rows = backup_rows(team_file);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_FALSE(rows[1].readable());
    EXPECT_EQ(
        rows[1].cells(),
        (QStringList{rows[1].taken, QStringLiteral(u"読み込めません（2行目：文字コードが正しくありません）"),
                     QString(), QString()}));
    EXPECT_EQ(rows[1].refusal().title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(rows[1].refusal().text,
              QStringLiteral(u"「backup/") + rows[1].file.section(u'/', -1) +
                  QStringLiteral(u"」　を読み込めません。（2行目：文字コードが正しくありません）"));
    // Next to it nothing can be compared.
    EXPECT_EQ(changes(rows), (std::vector<QString>{QString(), QString(), QString()}));

    const md::SaveResult refused = restore_backup(store, rows[1].file, md::OnDiskChange::refuse);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message().text,
              QStringLiteral(u"「team.kld」　を保存できません。（バックアップを読み込めません）"));
    EXPECT_EQ(read_bytes(team_file), team);
    EXPECT_EQ(md::list_backups(team_file).size(), 3U);
}

}  // namespace
}  // namespace kl
