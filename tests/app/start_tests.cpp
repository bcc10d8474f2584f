#include "store/cp932_codec.h"
#include "support/headless_run.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <tuple>

namespace kl {
namespace {

using test::write_cp932_lines;

// The program itself, started as the desktop starts it, on a data folder and a runtime folder of
// the test's own.
class ProgramStart : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data_.isValid());
        ASSERT_TRUE(runtime_.isValid());
        ASSERT_TRUE(elsewhere_.isValid());
        write_team(data(QStringLiteral(u"A.kld")), QStringLiteral(u"チームA"));
        write_team(elsewhere_.filePath(QStringLiteral(u"B.kld")), QStringLiteral(u"チームB"));
    }
    void TearDown() override {
        for (QProcess* program : {&running_, &second_}) {
            if (program->state() != QProcess::NotRunning) {
                program->kill();
                program->waitForFinished();
            }
        }
    }
    QString data(const QString& name) const { return data_.filePath(name); }
    static void write_team(const QString& file, const QString& team) {
        write_cp932_lines(file, {QStringLiteral(u"[チーム名]"), team, QStringLiteral(u"[試合データ]")});
    }
    void start(QProcess& program, const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral(u"QT_QPA_PLATFORM"), QStringLiteral(u"offscreen"));
        environment.insert(QStringLiteral(u"XDG_RUNTIME_DIR"), runtime_.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KL_PROGRAM),
                      QStringList{QStringLiteral(u"--data-folder"), data_.path()} + arguments);
        ASSERT_TRUE(program.waitForStarted());
    }
    // Waits until the test holds or the program has had long enough.
    static bool eventually(const std::function<bool()>& test) {
        QElapsedTimer waited;
        waited.start();
        while (!test()) {
            if (waited.elapsed() > 30000) {
                return false;
            }
            QThread::msleep(50);
        }
        return true;
    }
    QString settings_file_line() const {
        QFile file(data(QStringLiteral(u"setting.ini")));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return md::decode_cp932(file.readLine()).value_or(QString()).trimmed();
    }

    QTemporaryDir data_;
    QTemporaryDir runtime_;
    QTemporaryDir elsewhere_;
    QProcess running_;
    QProcess second_;
};

TEST_F(ProgramStart, AFileOnTheCommandLineBecomesTheOpenFile) {
    start(running_, {data(QStringLiteral(u"A.kld"))});
    EXPECT_TRUE(eventually([&] { return settings_file_line() == QStringLiteral(u"A.kld"); }))
        << settings_file_line().toStdString();
}

TEST_F(ProgramStart, ASecondStartHandsItsFileToTheRunningProgram) {
    write_cp932_lines(data(QStringLiteral(u"setting.ini")),
                      {QStringLiteral(u"A.kld"), QString(), QStringLiteral(u" 1 "), QStringLiteral(u" 0 "),
                       QStringLiteral(u" 0 ")});
    start(running_, {});
    ASSERT_TRUE(
        eventually([&] { return QFile::exists(runtime_.filePath(QStringLiteral(u"kickledger.socket"))); }));
    // Named relative to where the second start runs.
    second_.setWorkingDirectory(elsewhere_.path());
    start(second_, {QStringLiteral(u"B.kld")});
    ASSERT_TRUE(second_.waitForFinished(30000));
    EXPECT_EQ(second_.exitCode(), 0);
    const QString b_file = elsewhere_.filePath(QStringLiteral(u"B.kld"));
    EXPECT_TRUE(eventually([&] { return settings_file_line() == b_file; }))
        << settings_file_line().toStdString();
    EXPECT_EQ(running_.state(), QProcess::Running);
}

TEST_F(ProgramStart, DemoOpensACopyOfTheDemoSeasonInTheDataFolder) {
    start(running_, {QStringLiteral(u"--demo")});
    EXPECT_TRUE(eventually([&] { return settings_file_line() == QStringLiteral(u"demo.kld"); }))
        << settings_file_line().toStdString();
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral(u"demo.kld"))));
}

// Where no window can open (a terminal without a display), the help and the version still come.
TEST_F(ProgramStart, HelpAndVersionNeedNoDisplay) {
    const auto run = [](const QStringList& arguments) {
        const test::HeadlessRun ran = test::run_headless(QStringLiteral(KL_PROGRAM), arguments, 30000);
        return std::make_tuple(ran.exit_code, QString::fromUtf8(ran.out), ran.err);
    };
    const auto [help_code, help, help_errors] = run({QStringLiteral(u"--help")});
    EXPECT_EQ(help_code, 0);
    EXPECT_TRUE(help.startsWith(QStringLiteral(u"使い方: kickledger"))) << help.toStdString();
    const auto [version_code, version, version_errors] = run({QStringLiteral(u"--version")});
    EXPECT_EQ(version_code, 0);
    EXPECT_TRUE(version.startsWith(QStringLiteral(u"Kickledger "))) << version.toStdString();
    const auto [usage_code, nothing, usage] = run({QStringLiteral(u"a.kld"), QStringLiteral(u"b.kld")});
    EXPECT_EQ(usage_code, 64);
    EXPECT_TRUE(usage.startsWith(QStringLiteral(u"kickledger: 一度に開けるファイルは一つだけです。")))
        << usage.toStdString();
}

}  // namespace
}  // namespace kl
