// The command line of kickledger, read before any window: the help, the version, its mistakes in
// Japanese, and the demo season.
#include "app/demo_season.h"
#include "app/start_arguments.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace kl {
namespace {

std::variant<StartArguments, CommandLineAnswer> read(const QStringList& words) {
    return read_start_arguments(words, QStringLiteral(u"/home/scorer/Desktop"),
                                QStringLiteral(u"/home/scorer/Kickledger"), QStringLiteral(u"1.0.0"));
}

CommandLineAnswer answer_to(const QStringList& words) {
    const auto read_words = read(words);
    EXPECT_TRUE(std::holds_alternative<CommandLineAnswer>(read_words)) << words.join(u' ').toStdString();
    return std::holds_alternative<CommandLineAnswer>(read_words) ? std::get<CommandLineAnswer>(read_words)
                                                                 : CommandLineAnswer{};
}

TEST(StartArguments, AFileAndAFolderAreNamedFromWhereTheProgramStarted) {
    const auto started =
        read({QStringLiteral(u"--data-folder"), QStringLiteral(u"club"), QStringLiteral(u"a.kld")});
    ASSERT_TRUE(std::holds_alternative<StartArguments>(started));
    const StartArguments& arguments = std::get<StartArguments>(started);
    EXPECT_EQ(arguments.data_folder, QStringLiteral(u"/home/scorer/Desktop/club"));
    EXPECT_EQ(arguments.file, QStringLiteral(u"/home/scorer/Desktop/a.kld"));
    EXPECT_FALSE(arguments.demo);

    const StartArguments plain = std::get<StartArguments>(read({}));
    EXPECT_EQ(plain.data_folder, QStringLiteral(u"/home/scorer/Kickledger"));
    EXPECT_TRUE(plain.file.isEmpty());
    EXPECT_TRUE(std::get<StartArguments>(read({QStringLiteral(u"--demo")})).demo);
}

TEST(StartArguments, HelpAndVersionAreAnsweredInJapanese) {
    for (const char16_t* help : {u"--help", u"-h"}) {
        const CommandLineAnswer answer = answer_to({QString::fromUtf16(help)});
        EXPECT_EQ(answer.exit_code, 0);
        EXPECT_TRUE(answer.text.startsWith(QStringLiteral(u"使い方: kickledger [オプション] [FILE.kld]\n")));
        for (const char16_t* option : {u"--data-folder FOLDER", u"--demo", u"--version"}) {
            EXPECT_TRUE(answer.text.contains(QString::fromUtf16(option)))
                << QString::fromUtf16(option).toStdString();
        }
        EXPECT_FALSE(answer.text.contains(QStringLiteral(u"Displays")));
    }
    EXPECT_EQ(answer_to({QStringLiteral(u"--version")}).text, QStringLiteral(u"Kickledger 1.0.0\n"));
}

TEST(StartArguments, AMistakeIsToldInJapaneseWithTheWayToTheHelp) {
    const std::pair<QStringList, QString> mistakes[] = {
        {{QStringLiteral(u"a.kld"), QStringLiteral(u"b.kld")},
         QStringLiteral(u"一度に開けるファイルは一つだけです。")},
        {{QStringLiteral(u"--colour")}, QStringLiteral(u"「--colour」　というオプションはありません。")},
        {{QStringLiteral(u"-x")}, QStringLiteral(u"「-x」　というオプションはありません。")},
        {{QStringLiteral(u"--data-folder")},
         QStringLiteral(u"「--data-folder」　のあとにフォルダを指定して下さい。")},
        {{QStringLiteral(u"--demo"), QStringLiteral(u"a.kld")},
         QStringLiteral(u"「--demo」　とファイルは一緒に指定できません。")},
    };
    for (const auto& [words, reason] : mistakes) {
        const CommandLineAnswer answer = answer_to(words);
        EXPECT_EQ(answer.exit_code, usage_exit_code);
        EXPECT_EQ(answer.text, QStringLiteral(u"kickledger: ") + reason +
                                   QStringLiteral(u"\n使い方は kickledger --help で表示されます。\n"));
    }
}

TEST(DemoSeason, IsFoundBesideTheProgramOrWhereItIsInstalled) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral(u"share/kickledger/samples")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral(u"bin")));
    EXPECT_TRUE(find_demo_season(prefix.filePath(QStringLiteral(u"bin"))).isEmpty());
    const QString installed = prefix.filePath(QStringLiteral(u"share/kickledger/samples/demo.kld"));
    test::write_bytes(installed, "[チーム名]");
    EXPECT_EQ(find_demo_season(prefix.filePath(QStringLiteral(u"bin"))), installed);
}

TEST(DemoSeason, IsCopiedIntoTheDataFolderButNeverOverAFileThere) {
    QTemporaryDir scratch;
    const QString installed = scratch.filePath(QStringLiteral(u"demo.kld"));
    test::write_bytes(installed, "installed");
    ASSERT_TRUE(QFile::setPermissions(installed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString folder = scratch.filePath(QStringLiteral(u"Kickledger"));  // not made yet

    const PlacedDemo placed = place_demo_season(installed, folder);
    EXPECT_EQ(placed.file, QDir(folder).filePath(QStringLiteral(u"demo.kld")));
    EXPECT_TRUE(placed.failure.isEmpty());
    EXPECT_EQ(test::read_bytes(placed.file), QByteArray("installed"));
    EXPECT_TRUE(QFileInfo(placed.file).isWritable());  // the user's copy to play with

    test::write_bytes(placed.file, "the user's games");
    EXPECT_EQ(place_demo_season(installed, folder).file, placed.file);
    EXPECT_EQ(test::read_bytes(placed.file), QByteArray("the user's games"));
}

TEST(DemoSeason, AMissingSampleIsToldAndNothingIsOpened) {
    QTemporaryDir folder;
    const PlacedDemo placed = place_demo_season({}, folder.path());
    EXPECT_TRUE(placed.file.isEmpty());
    EXPECT_EQ(placed.failure, QStringLiteral(u"デモのシーズン　「demo.kld」　が見つかりません。"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral(u"demo.kld"))));
}

}  // namespace
}  // namespace kl
