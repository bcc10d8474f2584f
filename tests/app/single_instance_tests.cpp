#include "app/file_handoff.h"
#include "app/single_instance.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace kl {
namespace {

// Each test gets its own runtime folder, so a Kickledger running on the machine is not disturbed.
class SingleInstanceCheck : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }
    QTemporaryDir runtime_;
};

TEST_F(SingleInstanceCheck, OnlyTheFirstHolderGetsTheLock) {
    SingleInstance first;
    SingleInstance second;
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
}

TEST_F(SingleInstanceCheck, ASecondProgramEndsAtOnceWritingNothing) {
    SingleInstance running;
    ASSERT_TRUE(running.acquire());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral(u"QT_QPA_PLATFORM"), QStringLiteral(u"offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KL_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(QStringLiteral(u"setting.ini")));
}

// Without XDG_RUNTIME_DIR, in a temporary folder of the test's own (TMPDIR) and a cache folder.
class InstanceFolderFallback : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(temp_.isValid() && cache_.isValid());
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME"}) {
            saved_.emplace_back(name, qgetenv(name));
        }
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp_.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path()));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
        InTemporaryFolder::TearDown();
    }
    // The folder's name in the temporary folder.
    QString in_temp() const {
        return temp_.filePath(QStringLiteral(u"kickledger-") + QString::number(::geteuid()));
    }
    static bool is_private(const QString& folder) {
        struct stat status {};
        return ::lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
               status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
    }
    QTemporaryDir temp_;
    QTemporaryDir cache_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_F(InstanceFolderFallback, IsAPrivateFolderOfTheUsersNeverTheTemporaryFolderItself) {
    EXPECT_EQ(instance_folder(), in_temp());
    EXPECT_TRUE(is_private(in_temp()));
    EXPECT_EQ(handoff_socket_path(), in_temp() + QStringLiteral(u"/kickledger.socket"));
    SingleInstance first;
    EXPECT_TRUE(first.acquire());
    EXPECT_TRUE(QFile::exists(in_temp() + QStringLiteral(u"/kickledger.lock")));
    EXPECT_FALSE(SingleInstance().acquire());
}

TEST_F(InstanceFolderFallback, AFolderOthersCouldEnterIsMadeAfresh) {
    ASSERT_TRUE(QDir().mkdir(in_temp()));
    ASSERT_EQ(::chmod(QFile::encodeName(in_temp()).constData(), 0777), 0);
    test::write_bytes(in_temp() + QStringLiteral(u"/kickledger.socket"), "planted");
    EXPECT_EQ(instance_folder(), in_temp());
    EXPECT_TRUE(is_private(in_temp()));
    EXPECT_FALSE(QFile::exists(in_temp() + QStringLiteral(u"/kickledger.socket")));

    // A link in its place, to a folder of the user's that stays as it is.
    ASSERT_TRUE(QDir(in_temp()).removeRecursively());
    const QString elsewhere = path(QStringLiteral(u"elsewhere"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    test::write_bytes(elsewhere + QStringLiteral(u"/kept"), "kept");
    ASSERT_TRUE(QFile::link(elsewhere, in_temp()));
    EXPECT_EQ(instance_folder(), in_temp());
    EXPECT_TRUE(is_private(in_temp()));
    EXPECT_TRUE(QFile::exists(elsewhere + QStringLiteral(u"/kept")));
}

// Another user's folder in the shared temporary folder cannot be replaced: the user's cache folder
// takes its place (Qt's own fallback then gave the temporary folder itself).
TEST_F(InstanceFolderFallback, AFolderAnotherUserHoldsIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    constexpr uid_t nobody = 65534;
    for (const QString& planted : {in_temp(), temp_.filePath(QStringLiteral(u"runtime-root"))}) {
        ASSERT_TRUE(QDir().mkdir(planted));
        ASSERT_EQ(::chmod(QFile::encodeName(planted).constData(), 0777), 0);
        ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), nobody, nobody), 0);
    }
    const QString folder = instance_folder();
    EXPECT_EQ(folder, cache_.filePath(QStringLiteral(u"kickledger-instance")));
    EXPECT_TRUE(is_private(folder));
}

}  // namespace
}  // namespace kl
