#include "app/single_instance.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
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

}  // namespace
}  // namespace kl
