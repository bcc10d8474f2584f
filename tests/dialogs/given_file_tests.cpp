#include "dialogs/given_file.h"
#include "support/file_systems.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kl {
namespace {

using test::write_cp932_lines;

class GivenFile : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(elsewhere_.isValid());
    }
    QString elsewhere(const QString& name) const { return elsewhere_.filePath(name); }
    static QString refusal(const QString& path) {
        const std::variant<StagedFile, md::UserMessage> staged = stage_given_file(md::DataStore(), path);
        const auto* message = std::get_if<md::UserMessage>(&staged);
        EXPECT_TRUE(message == nullptr || message->title == QStringLiteral(u"読み込みエラー"));
        return message != nullptr ? message->text : QString();
    }
    QTemporaryDir elsewhere_;
};

TEST_F(GivenFile, ATeamFileThatReadsInFullIsAccepted) {
    for (const QString& name : {QStringLiteral(u"さくらFC.kld"), QStringLiteral(u"UPPER.KLD")}) {
        write_cp932_lines(elsewhere(name), {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC")});
        EXPECT_EQ(refusal(elsewhere(name)), QString()) << name.toStdString();
    }
}

// The file is read once: what was checked is what opens, whatever the file became since.
TEST_F(GivenFile, TheFileOpensAsItWasReadAndChecked) {
    const QString file = elsewhere(QStringLiteral(u"さくらFC.kld"));
    write_cp932_lines(file, {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC")});
    md::DataStore store;
    std::variant<StagedFile, md::UserMessage> staged = stage_given_file(store, file);
    ASSERT_TRUE(std::holds_alternative<StagedFile>(staged));
    EXPECT_TRUE(store.team_name.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral(u"setting.ini")));
    write_cp932_lines(file, {QStringLiteral(u"[チーム名]"), QStringLiteral(u"別のチーム")});

    const OpenedFile opened = commit_team_file(store, std::get<StagedFile>(std::move(staged)));
    EXPECT_TRUE(opened.loaded.ok());
    EXPECT_EQ(store.team_name, QStringLiteral(u"さくらFC"));
    EXPECT_EQ(store.data_file_path, file);
    EXPECT_EQ(test::read_lines_cp932(QStringLiteral(u"setting.ini")).at(0), file);
}

TEST_F(GivenFile, OnlyTeamFilesAreOpened) {
    // Another text file would load as an empty team and be overwritten by the next change.
    const QString notes = elsewhere(QStringLiteral(u"notes.txt"));
    write_cp932_lines(notes, {QStringLiteral(u"買い物")});
    EXPECT_EQ(refusal(notes), QStringLiteral(u"「") + notes +
                                  QStringLiteral(u"」　はチームデータファイル（.kld）ではありません。"));
}

TEST_F(GivenFile, AFileThatCannotBeReadIsRefusedWithItsReason) {
    const QString missing = elsewhere(QStringLiteral(u"gone.kld"));
    EXPECT_EQ(refusal(missing), QStringLiteral(u"「") + missing +
                                    QStringLiteral(u"」　を読み込めません。（ファイルがありません）"));
    const QString malformed = elsewhere(QStringLiteral(u"broken.kld"));
    ASSERT_TRUE(QFile::copy(
        test::data_file(QStringLiteral(u"malformed/refused_bytes_that_are_not_cp932.kld")), malformed));
    EXPECT_TRUE(refusal(malformed).startsWith(QStringLiteral(u"「") + malformed +
                                              QStringLiteral(u"」　を読み込めません。（")));
}

// Given on the command line or to a second start, a link to /dev/zero filled the memory and a FIFO
// held the program in open() for ever.
TEST_F(GivenFile, AFileThatIsNoRegularFileIsRefusedWithoutBeingOpened) {
    const QString folder = elsewhere(QStringLiteral(u"folder.kld"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString zero = elsewhere(QStringLiteral(u"zero.kld"));
    ASSERT_TRUE(QFile::link(QStringLiteral(u"/dev/zero"), zero));
    const QString fifo_path = elsewhere(QStringLiteral(u"fifo.kld"));
    const test::Fifo fifo(fifo_path);
    for (const QString& path : {folder, zero, fifo_path}) {
        EXPECT_EQ(refusal(path),
                  QStringLiteral(u"「") + path +
                      QStringLiteral(u"」　を読み込めません。（通常のファイルではありません）"));
    }
    EXPECT_FALSE(fifo.opened());
}

TEST_F(GivenFile, ANameSettingIniCannotHoldIsRefused) {
    const QString folder = elsewhere(QStringLiteral(u"équipe"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral(u"/team.kld");
    write_cp932_lines(file, {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC")});
    EXPECT_EQ(refusal(file),
              QStringLiteral(u"「") + file +
                  QStringLiteral(u"」　を開けません。（「é」　は設定ファイルに保存できない文字です）"));
    // In the data folder only the file name is stored.
    write_cp932_lines(QStringLiteral(u"team.kld"),
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC")});
    EXPECT_EQ(refusal(QDir::current().filePath(QStringLiteral(u"team.kld"))), QString());
}

}  // namespace
}  // namespace kl
