#include "support/headless_run.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QtEndian>

namespace kl {
namespace {

// kickledger-report as a script runs it, without a display: the pictures and the web pages of the
// demo season, read through the name setting.
class ShareProgram : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(KL_DEMO_SAMPLE), QStringLiteral(u"demo.kld")));
        // Readings for two members: their initials come from them; the others are shown by number.
        test::write_cp932_lines(QStringLiteral(u"readings.ini"), {QStringLiteral(u"佐藤 翔,さとう しょう"),
                                                                  QStringLiteral(u"加藤 颯太,Kato Sota")});
    }
    int run(const QStringList& arguments) {
        const test::HeadlessRun ran =
            test::run_headless(QStringLiteral(KL_REPORT_PROGRAM), arguments, 120000);
        err = ran.err;
        return ran.exit_code;
    }
    QString err;
};

// Every member's full name, in every spacing, as the bytes a written file could hold it in.
std::vector<QByteArray> full_name_bytes() {
    QStringList names;
    // The member list follows its section's header; every name of the games is in it.
    const QStringList lines = test::read_lines_cp932(QStringLiteral(KL_DEMO_SAMPLE));
    const QStringList members = lines.value(lines.indexOf(QStringLiteral(u"[メンバー]")) + 1).split(u',');
    EXPECT_EQ(members.size(), 18);
    for (const QString& name : members) {
        const QStringList parts = name.split(u' ');
        EXPECT_EQ(parts.size(), 2);
        for (const QString& joined : {parts.join(u' '), parts.join(QString()), parts.join(u'\u3000')}) {
            names.append(joined);
        }
    }
    std::vector<QByteArray> forms;
    for (const QString& name : names) {
        forms.push_back(name.toUtf8());
        forms.emplace_back(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    }
    return forms;
}

// Every file under folder (relative paths) and its bytes.
std::vector<std::pair<QString, QByteArray>> written_files(const QString& folder) {
    std::vector<std::pair<QString, QByteArray>> files;
    QDirIterator walk(folder, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = QFileInfo(walk.next()).absoluteFilePath();
        files.emplace_back(QDir(QDir(folder).absolutePath()).relativeFilePath(path), test::read_bytes(path));
    }
    return files;
}

void expect_no_full_name(const QString& folder) {
    const std::vector<std::pair<QString, QByteArray>> files = written_files(folder);
    ASSERT_FALSE(files.empty());
    const std::vector<QByteArray> names = full_name_bytes();
    for (const auto& [path, bytes] : files) {
        for (const QByteArray& name : names) {
            EXPECT_FALSE(bytes.contains(name))
                << path.toStdString() << " holds " << QString::fromUtf8(name).toStdString();
            EXPECT_FALSE(path.toUtf8().contains(name)) << path.toStdString();
        }
    }
}

// A PNG file's width and height, from its header: the signature, then the IHDR chunk.
QSize png_size(const QString& path) {
    const QByteArray bytes = test::read_bytes(path);
    if (bytes.size() < 24 || !bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR") {
        return {};
    }
    return {static_cast<int>(qFromBigEndian<quint32>(bytes.constData() + 16)),
            static_cast<int>(qFromBigEndian<quint32>(bytes.constData() + 20))};
}

int xmllint(const QStringList& arguments, QString& complaints) {
    QProcess lint;
    lint.start(QStringLiteral(u"xmllint"), arguments);
    EXPECT_TRUE(lint.waitForFinished(60000));
    complaints = QString::fromUtf8(lint.readAllStandardError());
    return lint.exitCode();
}

TEST_F(ShareProgram, PicturesAreAPhonesPortraitScreen) {
    EXPECT_EQ(run({QStringLiteral(u"image"), QStringLiteral(u"demo.kld"), QStringLiteral(u"5"),
                   QStringLiteral(u"game.png")}),
              0)
        << err.toStdString();
    EXPECT_EQ(png_size(QStringLiteral(u"game.png")), QSize(1080, 1350));
    EXPECT_EQ(run({QStringLiteral(u"card"), QStringLiteral(u"demo.kld"), QStringLiteral(u"加藤 颯太"),
                   QStringLiteral(u"card.png")}),
              0);
    EXPECT_EQ(png_size(QStringLiteral(u"card.png")), QSize(1080, 1350));
    EXPECT_EQ(run({QStringLiteral(u"card"), QStringLiteral(u"demo.kld"), QStringLiteral(u"加藤 颯太"),
                   QStringLiteral(u"--meeting"), QStringLiteral(u"県大会"), QStringLiteral(u"cup.png")}),
              0);
    EXPECT_EQ(run({QStringLiteral(u"card"), QStringLiteral(u"demo.kld"), QStringLiteral(u"加藤 颯太"),
                   QStringLiteral(u"3"), QStringLiteral(u"one.png")}),
              0);
    EXPECT_EQ(png_size(QStringLiteral(u"one.png")), QSize(1080, 1350));
}

TEST_F(ShareProgram, RefusalsEndWithTheirCodesAndWriteNothing) {
    EXPECT_EQ(run({QStringLiteral(u"image"), QStringLiteral(u"demo.kld"), QStringLiteral(u"99"),
                   QStringLiteral(u"x.png")}),
              64);
    EXPECT_EQ(run({QStringLiteral(u"image"), QStringLiteral(u"missing.kld"), QStringLiteral(u"1"),
                   QStringLiteral(u"x.png")}),
              1);
    EXPECT_EQ(run({QStringLiteral(u"card"), QStringLiteral(u"demo.kld"), QStringLiteral(u"山田 太郎"),
                   QStringLiteral(u"x.png")}),
              2);
    EXPECT_EQ(err, QStringLiteral(u"「山田 太郎」　はこのファイルのメンバーではありません。\n"));
    EXPECT_EQ(run({QStringLiteral(u"site"), QStringLiteral(u"demo.kld"), QStringLiteral(u"web"),
                   QStringLiteral(u"--names"), QStringLiteral(u"nobody")}),
              64);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(u"x.png")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(u"web")));
    QDir().mkdir(QStringLiteral(u"locked"));
    QFile::setPermissions(QStringLiteral(u"locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(QStringLiteral(u"locked")).isWritable()) {  // root writes anywhere
        EXPECT_EQ(run({QStringLiteral(u"image"), QStringLiteral(u"demo.kld"), QStringLiteral(u"1"),
                       QStringLiteral(u"locked/x.png")}),
                  73);
    }
}

// The pages parse as HTML, the charts as XML, and nothing leads outside the folder.
TEST_F(ShareProgram, TheSiteParsesAndStaysInItsFolder) {
    ASSERT_EQ(run({QStringLiteral(u"site"), QStringLiteral(u"demo.kld"), QStringLiteral(u"web")}), 0)
        << err.toStdString();
    QStringList pages;
    QStringList charts;
    for (const auto& [path, bytes] : written_files(QStringLiteral(u"web"))) {
        (path.endsWith(QStringLiteral(u".svg")) ? charts : pages).append(QStringLiteral(u"web/") + path);
        // Only SVG's own name spaces are addresses, and those are never loaded.
        QByteArray rest = bytes;
        rest.replace("http://www.w3.org/2000/svg", "").replace("http://www.w3.org/1999/xlink", "");
        EXPECT_FALSE(rest.contains("http:") || rest.contains("https:") || rest.contains("//"))
            << path.toStdString();
    }
    EXPECT_TRUE(pages.contains(QStringLiteral(u"web/index.html")));
    EXPECT_TRUE(pages.contains(QStringLiteral(u"web/style.css")));
    EXPECT_TRUE(pages.contains(QStringLiteral(u"web/games/010.html")));
    EXPECT_TRUE(pages.contains(QStringLiteral(u"web/members/018.html")));
    EXPECT_EQ(charts.size(), 5);
    pages.removeAll(QStringLiteral(u"web/style.css"));
    QString complaints;
    EXPECT_EQ(xmllint(QStringList{QStringLiteral(u"--html"), QStringLiteral(u"--noout")} + pages, complaints),
              0);
    EXPECT_EQ(complaints, QString());
    EXPECT_EQ(xmllint(QStringList{QStringLiteral(u"--noout")} + charts, complaints), 0);
    EXPECT_EQ(complaints, QString());
}

// With initials or none, no member's full name is in any byte written, nor in a file's name; an
// export over a former one with full names leaves none of them.
TEST_F(ShareProgram, InitialsAndNoneWriteNoFullName) {
    ASSERT_EQ(run({QStringLiteral(u"site"), QStringLiteral(u"demo.kld"), QStringLiteral(u"web")}), 0);
    for (const QString& names : {QStringLiteral(u"initials"), QStringLiteral(u"none")}) {
        ASSERT_EQ(run({QStringLiteral(u"site"), QStringLiteral(u"demo.kld"), QStringLiteral(u"web"),
                       QStringLiteral(u"--names"), names}),
                  0);
        for (const QString& game : {QStringLiteral(u"2"), QStringLiteral(u"5"), QStringLiteral(u"7")}) {
            ASSERT_EQ(
                run({QStringLiteral(u"image"), QStringLiteral(u"--names"), names, QStringLiteral(u"demo.kld"),
                     game, QStringLiteral(u"web/game") + game + QStringLiteral(u".png")}),
                0);
        }
        ASSERT_EQ(run({QStringLiteral(u"card"), QStringLiteral(u"demo.kld"), QStringLiteral(u"佐藤 翔"),
                       QStringLiteral(u"web/card.png"), QStringLiteral(u"--names"), names}),
                  0);
        expect_no_full_name(QStringLiteral(u"web"));
        const QString index = QString::fromUtf8(test::read_bytes(QStringLiteral(u"web/index.html")));
        if (names == QStringLiteral(u"initials")) {
            EXPECT_TRUE(index.contains(QStringLiteral(u">S.S.</a>")));  // from the reading
            EXPECT_TRUE(index.contains(QStringLiteral(u">S.K.</a>")));
            EXPECT_TRUE(QFileInfo::exists(QStringLiteral(u"web/members/001.html")));
        } else {
            EXPECT_TRUE(index.contains(QStringLiteral(u"<td>選手1</td>")));
            EXPECT_FALSE(QDir(QStringLiteral(u"web/members")).entryList(QDir::Files).size() > 0);
        }
    }
}

}  // namespace
}  // namespace kl
