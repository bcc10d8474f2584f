#include "store/capacities.h"
#include "store/data_store.h"
#include "store/startup_settings.h"
#include "store/text_file.h"
#include "support/file_systems.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace md {
namespace {

using kl::test::read_bytes;
using kl::test::write_bytes;
using kl::test::write_cp932_lines;

const QString not_regular = QStringLiteral(u"（通常のファイルではありません）");

bool is_fifo(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

class SpecialFiles : public kl::test::InTemporaryFolder {
  protected:
    // The reason a load of path gives, and that it took no time.
    QString refusal(const QString& path) {
        QElapsedTimer timer;
        timer.start();
        const LoadResult result = store.load_team_file(path);
        EXPECT_LT(timer.elapsed(), 2000) << path.toStdString();
        EXPECT_EQ(result.status, LoadResult::Status::unreadable) << path.toStdString();
        EXPECT_TRUE(store.data_file_path.isEmpty());
        return result.reason;
    }
    DataStore store;
};

TEST_F(SpecialFiles, OnlyARegularFileIsReadAndOnlyUpToItsLimit) {
    write_bytes(QStringLiteral(u"ten.txt"), "0123456789");
    ASSERT_TRUE(QFile::link(QStringLiteral(u"ten.txt"), QStringLiteral(u"link.txt")));
    EXPECT_EQ(read_regular_file(QStringLiteral(u"link.txt"), 10).bytes, QByteArray("0123456789"));
    EXPECT_EQ(read_regular_file(QStringLiteral(u"ten.txt"), 9).failure, FileContent::Failure::too_large);
    EXPECT_EQ(read_regular_file(QStringLiteral(u"none.txt"), 9).failure, FileContent::Failure::missing);
    EXPECT_EQ(read_regular_file(QStringLiteral(u"/dev/zero"), 9).failure, FileContent::Failure::not_regular);
    EXPECT_EQ(read_regular_file(QDir::currentPath(), 9).failure, FileContent::Failure::not_regular);
}

// A link to /dev/zero filled the memory; a FIFO held the program in open() for ever.
TEST_F(SpecialFiles, ATeamFileThatIsNoRegularFileIsRefusedAtOnce) {
    ASSERT_TRUE(QFile::link(QStringLiteral(u"/dev/zero"), QStringLiteral(u"zero.kld")));
    EXPECT_EQ(refusal(QStringLiteral(u"zero.kld")), not_regular);
    const kl::test::Fifo fifo(QStringLiteral(u"fifo.kld"));
    EXPECT_EQ(refusal(QStringLiteral(u"fifo.kld")), not_regular);
    EXPECT_FALSE(fifo.opened());
    ASSERT_TRUE(QDir().mkdir(QStringLiteral(u"folder.kld")));
    EXPECT_EQ(refusal(QStringLiteral(u"folder.kld")), not_regular);
    EXPECT_EQ(store.load_team_file(QStringLiteral(u"fifo.kld")).refusal_text(),
              QStringLiteral(u"「fifo.kld」　を読み込めません。（通常のファイルではありません）"));
}

TEST_F(SpecialFiles, ATeamFileLargerThanAnyTeamFileIsRefusedBeforeItIsRead) {
    // The limit is far above a team file at its capacities and far below what strains the memory.
    EXPECT_GT(max_team_file_bytes, 16 * 1024 * 1024);
    EXPECT_LT(max_team_file_bytes, 64 * 1024 * 1024);
    QFile large(QStringLiteral(u"large.kld"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(max_team_file_bytes + 1));
    large.close();
    EXPECT_EQ(refusal(QStringLiteral(u"large.kld")), QStringLiteral(u"（ファイルが大きすぎます）"));
}

TEST_F(SpecialFiles, SettingsNamingASpecialFileOrBeingOneHoldNothingUp) {
    const kl::test::Fifo team(QStringLiteral(u"team.kld"));
    write_cp932_lines(settings_file_name, {QStringLiteral(u"team.kld")});
    const LoadResult named = store.load_team_data();
    EXPECT_EQ(named.message().title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(named.message().text,
              QStringLiteral(u"「team.kld」　を読み込めません。（通常のファイルではありません）"));

    ASSERT_TRUE(QFile::remove(settings_file_name));
    const kl::test::Fifo settings(settings_file_name);
    store.start_mode = StartMode::last_file;
    store.read_settings();
    EXPECT_EQ(store.start_mode, StartMode::last_file);
    EXPECT_EQ(store.load_team_data().status, LoadResult::Status::no_file);
    EXPECT_FALSE(team.opened());
    EXPECT_FALSE(settings.opened());
}

// Writing replaced the FIFO (or device) with a regular file.
TEST_F(SpecialFiles, NothingIsWrittenOverAFifoOrAnotherSpecialFile) {
    const kl::test::Fifo fifo(QStringLiteral(u"out.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral(u"out.pdf"), QStringLiteral(u"link.pdf")));
    for (const QString& target : {QStringLiteral(u"out.pdf"), QStringLiteral(u"link.pdf")}) {
        const WriteResult written = write_whole_file(target, "%PDF");
        EXPECT_FALSE(written.ok);
        EXPECT_EQ(written.reason, not_regular);
    }
    EXPECT_TRUE(is_fifo(QStringLiteral(u"out.pdf")));
    EXPECT_EQ(unwritable_target(QDir::currentPath()), not_regular);
    // A new name, a regular file, and a regular file behind a link are written.
    EXPECT_TRUE(write_whole_file(QStringLiteral(u"new.csv"), "a").ok);
    EXPECT_TRUE(write_whole_file(QStringLiteral(u"new.csv"), "b").ok);
    ASSERT_TRUE(QFile::link(QStringLiteral(u"new.csv"), QStringLiteral(u"link.csv")));
    EXPECT_TRUE(write_whole_file(QStringLiteral(u"link.csv"), "c").ok);
    EXPECT_EQ(read_bytes(QStringLiteral(u"new.csv")), QByteArray("c"));
}

}  // namespace
}  // namespace md
