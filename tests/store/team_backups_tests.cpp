#include "store/data_store.h"
#include "store/save_lock.h"
#include "store/team_backups.h"
#include "support/file_systems.h"
#include "support/test_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace md {
namespace {

using kl::test::cp932_lines;
using kl::test::read_bytes;
using kl::test::write_bytes;

const QString team_file = QStringLiteral(u"team.kld");

QStringList team_lines(const QString& members) {
    return {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[メンバー]"),
            members};
}

class Backups : public kl::test::InTemporaryFolder {
  protected:
    // team.kld with these members, loaded.
    void load_team(const QString& members) {
        kl::test::write_cp932_lines(team_file, team_lines(members));
        ASSERT_TRUE(store.load_team_file(team_file).ok());
    }
    // Another program writes team.kld.
    static QByteArray change_behind(const QString& members) {
        const QByteArray bytes = cp932_lines(team_lines(members));
        write_bytes(team_file, bytes);
        return bytes;
    }
    // The bytes of the newest backup of team.kld.
    static QByteArray newest_backup() {
        const std::vector<BackupFile> backups = list_backups(team_file);
        return backups.empty() ? QByteArray() : read_bytes(backups.front().path);
    }
    // Makes backups impossible: a file takes the backup folder's name.
    static void block_backups() { write_bytes(QStringLiteral(u"backup"), "not a folder"); }

    DataStore store;
};

TEST_F(Backups, EverySaveFirstKeepsTheFileAsItWasBesideItNewestFirst) {
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray first = read_bytes(team_file);
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    ASSERT_TRUE(store.save_team_data().ok);
    const QByteArray second = read_bytes(team_file);
    store.member_list = QStringLiteral(u"佐藤,鈴木,高橋");
    ASSERT_TRUE(store.save_team_data().ok);

    const std::vector<BackupFile> backups = list_backups(team_file);
    ASSERT_EQ(backups.size(), 2U);
    EXPECT_EQ(read_bytes(backups[0].path), second);
    EXPECT_EQ(read_bytes(backups[1].path), first);
    const QFileInfo newest(backups[0].path);
    EXPECT_EQ(newest.absolutePath(), QDir::current().absoluteFilePath(QStringLiteral(u"backup")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(u"^team_\\d{8}-\\d{6}-\\d{3}\\.kld$"))
                    .match(newest.fileName())
                    .hasMatch())
        << newest.fileName().toStdString();
    EXPECT_EQ(newest.fileName(), QStringLiteral(u"team_") +
                                     backups[0].taken.toString(QStringLiteral(u"yyyyMMdd-HHmmss-zzz")) +
                                     QStringLiteral(u".kld"));
}

TEST_F(Backups, TheNewestFiftyAreKeptAndNoOtherFileIsTouched) {
    QDir().mkpath(QStringLiteral(u"backup"));
    const QStringList others = {QStringLiteral(u"backup/team_x_20000101-000000-000.kld"),
                                QStringLiteral(u"backup/team_20000101-000000-000.kld.txt"),
                                QStringLiteral(u"backup/notes.txt")};
    for (const QString& other : others) {
        write_bytes(other, "other");
    }
    const QDateTime start(QDate(2024, 4, 6), QTime(10, 0));
    for (int i = 0; i < 55; ++i) {
        ASSERT_TRUE(write_backup(team_file, QByteArray::number(i), start.addSecs(i)).ok);
    }
    // Two in the same millisecond are both kept.
    const BackupWritten same_time = write_backup(team_file, "55", start.addSecs(54));
    ASSERT_TRUE(same_time.ok);
    EXPECT_TRUE(same_time.path.endsWith(QStringLiteral(u"team_20240406-100054-001.kld")));

    const std::vector<BackupFile> backups = list_backups(team_file);
    ASSERT_EQ(backups.size(), 50U);
    EXPECT_EQ(read_bytes(backups.front().path), QByteArray("55"));
    EXPECT_EQ(read_bytes(backups[1].path), QByteArray("54"));
    EXPECT_EQ(read_bytes(backups.back().path), QByteArray("6"));
    EXPECT_EQ(QDir(QStringLiteral(u"backup")).entryList(QDir::Files).size(), 50 + others.size());
    for (const QString& other : others) {
        EXPECT_EQ(read_bytes(other), QByteArray("other"));
    }
}

TEST_F(Backups, AFailedBackupIsToldOnceAndTheSaveGoesOn) {
    load_team(QStringLiteral(u"佐藤"));
    block_backups();
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    const SaveResult first = store.save_team_data();
    ASSERT_TRUE(first.ok);
    ASSERT_TRUE(first.backup_notice);
    EXPECT_EQ(first.backup_notice->title, QStringLiteral(u"バックアップエラー"));
    EXPECT_EQ(first.backup_notice->text,
              QStringLiteral(u"バックアップを作成できません。（フォルダ　「backup」　を作成できません）"));
    EXPECT_EQ(read_bytes(team_file), store.encode_team_file().bytes);

    store.member_list = QStringLiteral(u"佐藤,鈴木,高橋");
    const SaveResult second = store.save_team_data();
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.backup_notice);
    EXPECT_EQ(store.load_team_file(team_file).ok(), true);
    EXPECT_EQ(store.member_list, QStringLiteral(u"佐藤,鈴木,高橋"));
}

// Another program writes the file, to the same size, right after it was loaded: the stamp alone
// could miss it, the bytes do not.
TEST_F(Backups, AFileChangedOnDiskIsOverwrittenOnlyWhenAskedAndThenKeptAsABackup) {
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray theirs = change_behind(QStringLiteral(u"伊藤"));
    store.member_list = QStringLiteral(u"佐藤,鈴木");

    const SaveResult refused = store.save_team_data();
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.changed_on_disk);
    EXPECT_EQ(refused.changed_question().title, QStringLiteral(u"変更の確認"));
    EXPECT_EQ(refused.changed_question().text,
              QStringLiteral(u"「team.kld」　は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(read_bytes(team_file), theirs);
    EXPECT_TRUE(list_backups(team_file).empty());

    ASSERT_TRUE(store.save_team_data(OnDiskChange::overwrite).ok);
    EXPECT_EQ(read_bytes(team_file), refused.unsaved);
    EXPECT_EQ(newest_backup(), theirs);
    // The program's own save is no change on disk.
    store.member_list = QStringLiteral(u"佐藤");
    EXPECT_TRUE(store.save_team_data().ok);
}

TEST_F(Backups, KeepingTheVersionOnDiskBacksUpTheProgramsAndLoadsTheOther) {
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray theirs = change_behind(QStringLiteral(u"伊藤,加藤"));
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    const SaveResult refused = store.save_team_data();
    ASSERT_TRUE(refused.changed_on_disk);

    const KeptDiskVersion kept = store.keep_disk_version(refused.unsaved);
    EXPECT_TRUE(kept.reloaded);
    EXPECT_EQ(store.member_list, QStringLiteral(u"伊藤,加藤"));
    EXPECT_EQ(store.data_file_path, team_file);
    EXPECT_EQ(read_bytes(team_file), theirs);
    const std::vector<BackupFile> backups = list_backups(team_file);
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_EQ(read_bytes(backups[0].path), refused.unsaved);
    EXPECT_EQ(kept.message.title, QStringLiteral(u"変更の確認"));
    EXPECT_EQ(kept.message.text,
              QStringLiteral(u"「team.kld」　を読み込み直しました。保存しなかった変更は　「backup/") +
                  QFileInfo(backups[0].path).fileName() +
                  QStringLiteral(u"」　に残してあります。「バックアップから復元」　で戻せます。"));
    // The file as loaded again is what the next save compares with.
    store.member_list += QStringLiteral(u",高橋");
    EXPECT_TRUE(store.save_team_data().ok);
}

TEST_F(Backups, TouchedRewrittenOrRemovedFilesWithTheSameContentAreNoChange) {
    load_team(QStringLiteral(u"佐藤"));
    write_bytes(team_file, read_bytes(team_file));
    QFile(team_file).setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    EXPECT_TRUE(store.save_team_data().ok);
    ASSERT_TRUE(QFile::remove(team_file));
    store.member_list = QStringLiteral(u"佐藤,鈴木,高橋");
    EXPECT_TRUE(store.save_team_data().ok);
    EXPECT_EQ(list_backups(team_file).size(), 1U);
}

TEST_F(Backups, AChangedFileWhoseBackupFailsIsNotOverwritten) {
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray theirs = change_behind(QStringLiteral(u"伊藤,加藤"));
    block_backups();
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    const SaveResult refused = store.save_team_data();
    ASSERT_TRUE(refused.changed_on_disk);
    const QString cannot_back_up = QStringLiteral(
        u"「team."
        u"kld」　を保存できません。バックアップを作成できません。（フォルダ　「backup」　を作成できません）");
    const SaveResult overwritten = store.save_team_data(OnDiskChange::overwrite);
    EXPECT_FALSE(overwritten.ok);
    EXPECT_EQ(overwritten.message().text, cannot_back_up);
    // Nor is the program's version dropped for the other one.
    const KeptDiskVersion kept = store.keep_disk_version(refused.unsaved);
    EXPECT_FALSE(kept.reloaded);
    EXPECT_EQ(kept.message.text, cannot_back_up);
    EXPECT_EQ(store.member_list, QStringLiteral(u"佐藤,鈴木"));
    EXPECT_EQ(read_bytes(team_file), theirs);
}

// A save that cannot be written wrote a backup and removed the oldest: 50 failed attempts left 50
// copies of one version in place of 50 restore points.
TEST_F(Backups, AFailedSaveKeepsNoBackupAndRemovesNone) {
    load_team(QStringLiteral(u"佐藤"));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(u"backup")));
    const kl::test::ReadOnlyFolder read_only(QDir::currentPath());
    if (!read_only.ready()) {
        GTEST_SKIP() << read_only.why_not().toStdString();
    }
    // Root writes into a read-only folder's subfolders only on a disk of their own.
    std::optional<kl::test::SmallDisk> backup_disk;
    if (::geteuid() == 0) {
        backup_disk.emplace(path(QStringLiteral(u"backup")), 1024 * 1024);
        ASSERT_TRUE(backup_disk->ready()) << backup_disk->why_not().toStdString();
    }
    const QDateTime start(QDate(2024, 4, 6), QTime(10, 0));
    for (int i = 0; i < kept_backups; ++i) {
        ASSERT_TRUE(write_backup(team_file, QByteArray::number(i), start.addSecs(i)).ok);
    }
    const QStringList restore_points = QDir(QStringLiteral(u"backup")).entryList(QDir::Files);
    for (int attempt = 0; attempt < 3; ++attempt) {
        store.member_list += QStringLiteral(u",鈴木");
        const SaveResult failed = store.save_team_data();
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.message().text,
                  QStringLiteral(u"「team.kld」　を保存できません。（書き込みが許可されていません）"));
    }
    EXPECT_EQ(QDir(QStringLiteral(u"backup")).entryList(QDir::Files), restore_points);
}

// With backups named later than the clock (the clock set back, the time zone moved west), the new
// backup was removed at once, and with it the file as it was before the save.
TEST_F(Backups, TheBackupJustMadeIsKeptWhenOthersBearLaterNames) {
    const QDateTime future(QDate(2099, 1, 1), QTime(0, 0));
    for (int i = 0; i < kept_backups; ++i) {
        ASSERT_TRUE(write_backup(team_file, QByteArray::number(i), future.addSecs(i)).ok);
    }
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray before_save = read_bytes(team_file);
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    ASSERT_TRUE(store.save_team_data().ok);

    const std::vector<BackupFile> backups = list_backups(team_file);
    ASSERT_EQ(backups.size(), static_cast<size_t>(kept_backups));
    EXPECT_EQ(read_bytes(backups.back().path), before_save);
    EXPECT_EQ(read_bytes(backups.front().path), QByteArray::number(kept_backups - 1));
    // The oldest by name made way.
    EXPECT_EQ(read_bytes(backups[backups.size() - 2].path), QByteArray("1"));
}

TEST_F(Backups, WhileAnotherProgramSavesTheFileASaveWaitsASecondThenChangesNothing) {
    load_team(QStringLiteral(u"佐藤"));
    const QByteArray before = read_bytes(team_file);
    EXPECT_EQ(save_lock_path(team_file), QStringLiteral(u"./.team.kld.lock"));
    const int other = ::open(".team.kld.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    store.member_list = QStringLiteral(u"佐藤,鈴木");
    QElapsedTimer waited;
    waited.start();
    const SaveResult busy = store.save_team_data();
    EXPECT_GE(waited.elapsed(), 900);
    EXPECT_FALSE(busy.ok);
    EXPECT_EQ(busy.message().title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(busy.message().text,
              QStringLiteral(u"「team.kld」　は他のプログラムが保存中です。もう一度お試し下さい。"));
    EXPECT_EQ(read_bytes(team_file), before);
    EXPECT_TRUE(list_backups(team_file).empty());

    ::close(other);
    EXPECT_TRUE(store.save_team_data().ok);
    EXPECT_EQ(newest_backup(), before);
}

// One of two programs on one team file: saves its own member list `saves` times, loading the file
// again whenever the other one changed it, and writes down what it saved.
int save_in_turn(const QString& program, int saves) {
    DataStore store;
    if (!store.load_team_file(team_file).ok()) {
        return 1;
    }
    QStringList saved;
    for (int attempt = 0; attempt < 2000 && saved.size() < saves; ++attempt) {
        store.member_list = program + QString::number(saved.size());
        const SaveResult result = store.save_team_data();
        if (result.ok) {
            saved.append(store.member_list);
        } else if (result.changed_on_disk && !store.reload_team_data().ok()) {
            return 2;
        } else if (!result.changed_on_disk && !result.busy) {
            return 3;
        }
    }
    write_bytes(program + QStringLiteral(u".txt"), saved.join(u'\n').toUtf8());
    return saved.size() == saves ? 0 : 4;
}

// Two programs saving within milliseconds: saves reported as saved were overwritten unseen and
// were in no backup.
TEST_F(Backups, TwoProgramsSavingOneFileAtOnceLoseNoSave) {
    kl::test::write_cp932_lines(team_file, team_lines(QStringLiteral(u"start")));
    const QStringList programs = {QStringLiteral(u"A"), QStringLiteral(u"B")};
    constexpr int saves = 20;  // 40 backups in all: none is rotated away
    std::vector<pid_t> children;
    for (const QString& program : programs) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::_exit(save_in_turn(program, saves));
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    QStringList kept;
    QStringList versions = {team_file};
    for (const BackupFile& backup : list_backups(team_file)) {
        versions.append(backup.path);
    }
    for (const QString& version : versions) {
        DataStore store;
        ASSERT_TRUE(store.load_team_file(version).ok());
        kept.append(store.member_list);
    }
    for (const QString& program : programs) {
        for (const QString& members :
             QString::fromUtf8(read_bytes(program + QStringLiteral(u".txt"))).split(u'\n')) {
            EXPECT_TRUE(kept.contains(members)) << members.toStdString() << " was lost";
        }
    }
}

}  // namespace
}  // namespace md
