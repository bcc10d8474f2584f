#include "app/file_handoff.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace kl {
namespace {

// Each test gets its own runtime folder, so a Kickledger running on the machine is not disturbed.
class FileHandoff : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "app_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication application(argc, argv);
        }
    }
    void SetUp() override {
        ASSERT_TRUE(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }
    // What the server hears when a second start hands path over.
    static std::optional<QString> handed(FileHandoffServer& server, const QString& path) {
        std::optional<QString> heard;
        const QMetaObject::Connection listening = QObject::connect(
            &server, &FileHandoffServer::file_handed, [&](const QString& file) { heard = file; });
        EXPECT_TRUE(hand_to_running_instance(path));
        QElapsedTimer waited;
        waited.start();
        while (!heard && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        QObject::disconnect(listening);
        return heard;
    }
    QTemporaryDir runtime_;
};

TEST_F(FileHandoff, TheRunningInstanceHearsTheFileAsItWasNamed) {
    FileHandoffServer server;
    ASSERT_TRUE(server.listen());
    for (const QString& path : {QStringLiteral(u"/home/a/さくらFC.kld"), QStringLiteral(u"/tmp/#1 ?50%.kld"),
                                QStringLiteral(u"/tmp/two\nlines.kld")}) {
        EXPECT_EQ(handed(server, path), path);
    }
    // A start without a file only brings the running one forward.
    EXPECT_EQ(handed(server, QString()), QString());
}

TEST_F(FileHandoff, ASocketLeftBehindByAnEndedInstanceIsReplaced) {
    QFile left(handoff_socket_path());
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    FileHandoffServer server;
    ASSERT_TRUE(server.listen());
    EXPECT_EQ(handed(server, QStringLiteral(u"/home/a/team.kld")), QStringLiteral(u"/home/a/team.kld"));
}

TEST_F(FileHandoff, NobodyTakesTheFileWhenNoInstanceListens) {
    EXPECT_FALSE(hand_to_running_instance(QStringLiteral(u"/home/a/team.kld")));
}

}  // namespace
}  // namespace kl
