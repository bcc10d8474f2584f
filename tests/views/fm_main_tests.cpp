#include "store/data_store.h"
#include "support/file_systems.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace kl {
namespace {

using test::cp932_lines;
using test::read_bytes;
using test::write_cp932_lines;

class MainWindowStart : public test::InTemporaryFolder {
  protected:
    void write_settings(const QString& file, const QString& placement, const QString& mode) {
        write_cp932_lines(QStringLiteral(u"setting.ini"),
                          {file, placement, mode, QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")});
    }
    // A.kld, a new team, named by setting.ini with this placement and start mode.
    void write_new_team(const QString& placement, const QString& mode) {
        QFile::copy(test::data_file(QStringLiteral(u"new_team.kld")), QStringLiteral(u"A.kld"));
        write_settings(QStringLiteral(u"A.kld"), placement, mode);
    }
    QStringList settings_lines() {
        return QString::fromUtf8(read_bytes(QStringLiteral(u"setting.ini"))).split(QStringLiteral(u"\r\n"));
    }
    md::DataStore store;
};

TEST_F(MainWindowStart, LoadsTheNamedFileAndWritesTheSettingsBackOnClose) {
    QFile::copy(test::data_file(QStringLiteral(u"rich_team.kld")), QStringLiteral(u"rich.kld"));
    write_settings(QStringLiteral(u"rich.kld"), QStringLiteral(u"1500,1200,12000,9000,0"),
                   QStringLiteral(u" 1 "));
    fm_main window(store);
    window.start();
    EXPECT_EQ(window.objectName(), QStringLiteral(u"fm_main"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(u"Kickledger - テストFC  [試合データ詳細]"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());

    window.close();
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")),
              cp932_lines({QStringLiteral(u"rich.kld"), QStringLiteral(u"1500,1200,12000,9000,0"),
                           QStringLiteral(u" 1 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 ")}));
}

TEST_F(MainWindowStart, BoundsBetweenPixelsSurviveAStartAndAClose) {
    write_new_team(QStringLiteral(u"1007,1001,12011,9004,0"), QStringLiteral(u" 1 "));
    fm_main window(store);
    window.start();
    window.close();
    EXPECT_EQ(settings_lines().value(1), QStringLiteral(u"1007,1001,12011,9004,0"));
}

TEST_F(MainWindowStart, AMissingFileIsReportedAndTheWindowRunsWithoutOne) {
    write_settings(QStringLiteral(u"gone.kld"), QString(), QStringLiteral(u" 1 "));
    test::MessageBoxAnswerer answerer;
    fm_main window(store);
    window.start();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(
        answerer.last_text(),
        QStringLiteral(
            u"前回開いたファイルがありません。　「新規作成」　か　「開く」　でファイルを選択して下さい。"));
    EXPECT_TRUE(store.data_file_path.isEmpty());
    window.close();
    EXPECT_EQ(settings_lines().value(0), QString());
}

TEST_F(MainWindowStart, AMaximizedWindowKeepsItsNormalBoundsAndStateTwo) {
    write_new_team(QStringLiteral(u"1500,1200,12000,9000,2"), QStringLiteral(u" 0 "));
    fm_main window(store);
    window.start();
    EXPECT_TRUE(window.isMaximized());
    // In mode 0 the open file is switched meanwhile; closing names the fixed start file again.
    store.data_file_path = QStringLiteral(u"B.kld");
    window.close();
    EXPECT_EQ(settings_lines().mid(0, 2),
              (QStringList{QStringLiteral(u"A.kld"), QStringLiteral(u"1500,1200,12000,9000,2")}));
}

TEST_F(MainWindowStart, AMinimizedStateIsNotRestored) {
    write_new_team(QStringLiteral(u"1500,1200,12000,9000,1"), QStringLiteral(u" 0 "));
    fm_main window(store);
    window.start();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(window.isMaximized());
    window.close();
}

// Closing writes setting.ini. On a full disk that fails: the user is told, and the old file stays
// with the start file and both entry options.
TEST_F(MainWindowStart, ClosingOnAFullDiskKeepsTheSettingsFile) {
    const test::SmallDisk disk(QDir::currentPath(), 16 * 1024);
    if (!disk.ready()) {
        GTEST_SKIP() << disk.why_not().toStdString();
    }
    write_new_team(QStringLiteral(u"1500,1200,12000,9000,0"), QStringLiteral(u" 1 "));
    const QByteArray settings = read_bytes(QStringLiteral(u"setting.ini"));
    fm_main window(store);
    window.start();
    disk.fill_leaving(0);
    window.move(window.pos() + QPoint(30, 30));
    test::MessageBoxAnswerer answerer;
    window.close();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"保存エラー"));
    EXPECT_EQ(answerer.seen()[0].text,
              QStringLiteral(u"「setting.ini」　を保存できません。（ディスクの空き容量が足りません）"));
    EXPECT_EQ(read_bytes(QStringLiteral(u"setting.ini")), settings);
}

}  // namespace
}  // namespace kl
