#include "store/data_store.h"
#include "store/text_file.h"
#include "support/file_systems.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QSaveFile>
#include <cerrno>
#include <optional>

namespace md {
namespace {

using kl::test::read_bytes;
using kl::test::write_bytes;

const QString disk_full_text =
    QStringLiteral(u"「team.kld」　を保存できません。（ディスクの空き容量が足りません）");

// A save file whose device takes only `room` bytes and then fails as the system would, with errno.
class FailingSaveFile : public QSaveFile {
  public:
    FailingSaveFile(const QString& name, qint64 room, int error_number)
        : QSaveFile(name), room_(room), error_number_(error_number) {}

  protected:
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 taken = QSaveFile::writeData(data, std::min(length, room_));
        room_ -= std::max<qint64>(taken, 0);
        if (taken < length) {
            errno = error_number_;
        }
        return taken;
    }

  private:
    qint64 room_;
    int error_number_;
};

struct DeviceFailure {
    int error_number;
    QString reason;
};

class WriteThroughAFailingDevice : public kl::test::InTemporaryFolder,
                                   public ::testing::WithParamInterface<DeviceFailure> {};

TEST_P(WriteThroughAFailingDevice, LeavesTheOldFileWholeAndSaysWhy) {
    const QByteArray old_bytes("[チーム名]\r\nold\r\n");
    write_bytes(QStringLiteral(u"team.kld"), old_bytes);
    FailingSaveFile file(QStringLiteral(u"team.kld"), 10, GetParam().error_number);
    const WriteResult written = write_whole_file(file, QByteArray(5000, 'x'));
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, GetParam().reason);
    EXPECT_EQ(read_bytes(QStringLiteral(u"team.kld")), old_bytes);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral(u"team.kld")});
}

INSTANTIATE_TEST_SUITE_P(
    Errors, WriteThroughAFailingDevice,
    ::testing::Values(DeviceFailure{ENOSPC, QStringLiteral(u"（ディスクの空き容量が足りません）")},
                      DeviceFailure{EROFS, QStringLiteral(u"（書き込みが許可されていません）")},
                      DeviceFailure{EIO, QStringLiteral(u"（ファイルに書き込めません）")}));

// A team whose file is larger than one page of the small disk.
DataStore large_team() {
    DataStore store;
    store.team_name = QStringLiteral(u"テストFC");
    store.data_file_path = QStringLiteral(u"team.kld");
    QStringList members;
    for (int i = 0; i < 700; ++i) {
        members.append(QStringLiteral(u"選手") + QString::number(i));
    }
    store.member_list = members.join(u',');
    return store;
}

// Saves on a full file system, as small as a few pages.
class FullDisk : public kl::test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        disk.emplace(QDir::currentPath(), 32 * 1024);
        if (!disk->ready()) {
            GTEST_SKIP() << disk->why_not().toStdString();
        }
        ASSERT_TRUE(store.save_team_data().ok);
        ASSERT_TRUE(store.save_settings(store.data_file_path).ok);
        team_bytes = read_bytes(QStringLiteral(u"team.kld"));
        settings_bytes = read_bytes(QStringLiteral(u"setting.ini"));
        ASSERT_GT(team_bytes.size(), 4096);
    }
    void TearDown() override {
        disk.reset();
        InTemporaryFolder::TearDown();
    }
    std::optional<kl::test::SmallDisk> disk;
    DataStore store = large_team();
    QByteArray team_bytes;
    QByteArray settings_bytes;
};

class FullDiskWithPagesLeft : public FullDisk, public ::testing::WithParamInterface<int> {};

// Without room for one page the old file was emptied; with one page it was cut at 4,096 bytes.
TEST_P(FullDiskWithPagesLeft, ASaveReportsTheFullDiskAndKeepsTheTeamFile) {
    disk->fill_leaving(GetParam());
    store.member_list += QStringLiteral(u",新人");
    const SaveResult saved = store.save_team_data();
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message().title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(saved.message().text, disk_full_text);
    EXPECT_EQ(read_bytes(QStringLiteral(u"team.kld")), team_bytes);
}

INSTANTIATE_TEST_SUITE_P(FreeBytes, FullDiskWithPagesLeft, ::testing::Values(0, 4096));

TEST_F(FullDisk, SettingsThatCannotBeSavedKeepTheOldFile) {
    disk->fill_leaving(0);
    store.start_mode = StartMode::last_file;
    const SaveResult saved = store.save_settings(store.data_file_path);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message().text,
              QStringLiteral(u"「setting.ini」　を保存できません。（ディスクの空き容量が足りません）"));
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")), settings_bytes);
}

}  // namespace
}  // namespace md
