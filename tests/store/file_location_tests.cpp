#include "store/file_location.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace md {
namespace {

// The working directory is the data folder; elsewhere_ is another folder.
class FileLocation : public kl::test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(elsewhere_.isValid());
    }
    QString data_folder_file(const QString& name) const { return QDir::current().filePath(name); }
    QTemporaryDir elsewhere_;
};

TEST_F(FileLocation, AFileOfTheDataFolderIsNamedByItsFileNameAlone) {
    EXPECT_EQ(team_file_name(data_folder_file(QStringLiteral(u"さくらFC.kld"))),
              QStringLiteral(u"さくらFC.kld"));
    EXPECT_EQ(team_file_name(QStringLiteral(u"sub/../team.kld")), QStringLiteral(u"team.kld"));
    EXPECT_EQ(folder_outside_data_folder(QStringLiteral(u"team.kld")), QString());
    EXPECT_EQ(folder_outside_data_folder(data_folder_file(QStringLiteral(u"team.kld"))), QString());
    EXPECT_EQ(folder_outside_data_folder(QString()), QString());
}

TEST_F(FileLocation, AFileElsewhereIsNamedByItsAbsolutePath) {
    const QString file = elsewhere_.filePath(QStringLiteral(u"team.kld"));
    EXPECT_EQ(team_file_name(file), QDir::cleanPath(file));
    EXPECT_EQ(folder_outside_data_folder(file), QDir::cleanPath(elsewhere_.path()));
    // A folder below the data folder is another folder too.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral(u"sub")));
    EXPECT_EQ(team_file_name(QStringLiteral(u"sub/team.kld")),
              data_folder_file(QStringLiteral(u"sub/team.kld")));
    EXPECT_EQ(folder_outside_data_folder(QStringLiteral(u"sub/team.kld")),
              data_folder_file(QStringLiteral(u"sub")));
}

TEST_F(FileLocation, ALinkToTheDataFolderReachesTheDataFolder) {
    const QString link = elsewhere_.filePath(QStringLiteral(u"link"));
    ASSERT_TRUE(QFile::link(QDir::currentPath(), link));
    EXPECT_EQ(team_file_name(link + QStringLiteral(u"/team.kld")), QStringLiteral(u"team.kld"));
    EXPECT_EQ(folder_outside_data_folder(link + QStringLiteral(u"/team.kld")), QString());
}

}  // namespace
}  // namespace md
