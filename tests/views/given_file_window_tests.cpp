#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kl {
namespace {

using test::read_lines_cp932;
using test::write_cp932_lines;

// The data folder (the working directory) holds A.kld; B.kld lies in another folder.
class GivenFileWindow : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(elsewhere_.isValid());
        write_team(QStringLiteral(u"A.kld"), QStringLiteral(u"チームA"));
        b_file = elsewhere_.filePath(QStringLiteral(u"B.kld"));
        write_team(b_file, QStringLiteral(u"チームB"));
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        window.reset();
        InTemporaryFolder::TearDown();
    }
    static void write_team(const QString& file, const QString& team) {
        write_cp932_lines(file, {QStringLiteral(u"[チーム名]"), team, QStringLiteral(u"[試合データ]")});
    }
    static void write_settings(const QString& file, const QString& mode) {
        write_cp932_lines(QStringLiteral(u"setting.ini"),
                          {file, QString(), mode, QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")});
    }
    static QString settings_file_line() { return read_lines_cp932(QStringLiteral(u"setting.ini")).value(0); }
    void start(const QString& given = {}) {
        window = std::make_unique<fm_main>(store);
        window->start(given);
    }
    QString folder_note() const {
        return QStringLiteral(u"  （") + elsewhere_.path() + QStringLiteral(u"）");
    }

    md::DataStore store;
    std::unique_ptr<fm_main> window;
    QString b_file;
    QTemporaryDir elsewhere_;
};

TEST_F(GivenFileWindow, AStartWithAFileOpensItAndKeepsAFixedStartFile) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 0 "));
    start(b_file);
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームB"));
    EXPECT_EQ(store.data_file_path, b_file);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral(u"Kickledger - チームB  [試合データ詳細]") + folder_note());
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
    window->close();
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
}

TEST_F(GivenFileWindow, AStartWithAFileRemembersItWhenTheLastFileOpens) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    start(b_file);
    EXPECT_EQ(settings_file_line(), b_file);
    window->close();
    EXPECT_EQ(settings_file_line(), b_file);
}

TEST_F(GivenFileWindow, AFileOfTheDataFolderIsNamedAsTheOpenDialogNamesIt) {
    write_settings(QStringLiteral(u"B.kld"), QStringLiteral(u" 1 "));
    start(QDir::current().filePath(QStringLiteral(u"A.kld")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - チームA  [試合データ詳細]"));
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
}

TEST_F(GivenFileWindow, AFirstStartWithAFileOpensItInsteadOfAskingForANewOne) {
    start(b_file);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームB"));
    EXPECT_EQ(settings_file_line(), b_file);
}

TEST_F(GivenFileWindow, ARefusedFileAtStartIsReportedAndTheStartGoesOn) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    const QString missing = elsewhere_.filePath(QStringLiteral(u"gone.kld"));
    test::MessageBoxAnswerer answerer;
    start(missing);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「") + missing +
                                        QStringLiteral(u"」　を読み込めません。（ファイルがありません）"));
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームA"));
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
}

TEST_F(GivenFileWindow, AHandedFileOpensInTheRunningWindow) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    start();
    window->open_given_file(b_file);
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームB"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral(u"Kickledger - チームB  [試合データ詳細]") + folder_note());
    EXPECT_EQ(settings_file_line(), b_file);
    // Back to a file of the data folder: the caption is as it always was.
    window->open_given_file(QDir::current().filePath(QStringLiteral(u"A.kld")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - チームA  [試合データ詳細]"));
}

TEST_F(GivenFileWindow, AHandedFileThatCannotBeReadLeavesTheOpenFileOpen) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    start();
    const QString broken = elsewhere_.filePath(QStringLiteral(u"broken.kld"));
    ASSERT_TRUE(QFile::copy(
        test::data_file(QStringLiteral(u"malformed/refused_bytes_that_are_not_cp932.kld")), broken));
    test::MessageBoxAnswerer answerer;
    window->open_given_file(broken);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームA"));
    EXPECT_EQ(store.data_file_path, QStringLiteral(u"A.kld"));
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
}

TEST_F(GivenFileWindow, AHandedFileWaitsForTheOpenWindowToClose) {
    write_settings(QStringLiteral(u"A.kld"), QStringLiteral(u" 1 "));
    start();
    window->findChild<QAction*>(QStringLiteral(u"tb_main_9"))->trigger();  // the game entry wizard
    ASSERT_FALSE(window->isEnabled());
    test::MessageBoxAnswerer answerer;
    window->open_given_file(b_file);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(
        answerer.last_text(),
        QStringLiteral(u"「") + b_file +
            QStringLiteral(u"」　を開けません。開いているウィンドウを閉じてから、もう一度開いて下さい。"));
    EXPECT_EQ(store.team_name, QStringLiteral(u"チームA"));
    EXPECT_EQ(settings_file_line(), QStringLiteral(u"A.kld"));
}

}  // namespace
}  // namespace kl
