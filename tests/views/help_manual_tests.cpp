#include "views/help_manual.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kl {
namespace {

const QString manual = QStringLiteral(KL_HELP_DIR);

QString read_page(const QString& page) {
    QFile file(QDir(manual).filePath(page));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList pages() {
    return QDir(manual).entryList({QStringLiteral(u"*.html")}, QDir::Files, QDir::Name);
}

TEST(HelpManual, EveryLinkOfEveryPageLeadsToAFileAndSectionThatExist) {
    ASSERT_TRUE(pages().contains(help_contents_page));
    for (const QString& page : pages()) {
        for (const QString& link : html_links(read_page(page))) {
            if (link.startsWith(QStringLiteral(u"http")) || link.startsWith(QStringLiteral(u"mailto:"))) {
                continue;
            }
            const QString file = link.section(u'#', 0, 0);
            const QString target = file.isEmpty() ? page : file;
            EXPECT_TRUE(QFileInfo::exists(QDir(manual).filePath(target)))
                << page.toStdString() << " links to " << link.toStdString();
            if (link.contains(u'#')) {
                const QString id = link.section(u'#', 1);
                EXPECT_TRUE(read_page(target).contains(QStringLiteral(u"id=\"") + id + u'"'))
                    << page.toStdString() << " links to " << link.toStdString();
            }
        }
    }
}

TEST(HelpManual, EveryPageIsInTheContentsWithItsTitle) {
    const std::vector<HelpEntry> contents = help_contents(manual);
    QStringList listed;
    for (const HelpEntry& entry : contents) {
        EXPECT_FALSE(entry.title.isEmpty()) << entry.target.toStdString();
        if (entry.level == 0) {
            listed.append(entry.target);
        }
    }
    EXPECT_EQ(contents.front().target, help_contents_page);
    QStringList all = pages();
    all.sort();
    listed.sort();
    EXPECT_EQ(listed, all);
}

TEST(HelpManual, IsFoundBesideTheProgramOrInItsInstallLocation) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral(u"bin"));
    QDir().mkpath(bin);
    EXPECT_EQ(find_help_folder(bin), QString());
    const QString installed = prefix.filePath(QStringLiteral(u"share/kickledger/help"));
    QDir().mkpath(installed);
    QFile(QDir(installed).filePath(help_contents_page)).open(QIODevice::WriteOnly);
    EXPECT_EQ(find_help_folder(bin), installed);
    const QString beside = QDir(bin).filePath(QStringLiteral(u"help"));
    QDir().mkpath(beside);
    QFile(QDir(beside).filePath(help_contents_page)).open(QIODevice::WriteOnly);
    EXPECT_EQ(find_help_folder(bin), beside);
}

TEST(HelpManual, SearchFindsPagesHoldingEveryWordIgnoringCase) {
    QTemporaryDir folder;
    const auto write = [&](const QString& name, const QString& html) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html.toUtf8());
    };
    write(help_contents_page,
          QStringLiteral(u"<title>目次</title><a href=\"a.html\">A</a> <a href=\"b.html#x\">B</a>"));
    write(QStringLiteral(u"a.html"),
          QStringLiteral(u"<title>入力</title><h2 id=\"p1\">ページ1</h2><p>PK戦 &amp; 延長</p>"));
    write(QStringLiteral(u"b.html"), QStringLiteral(u"<title>印刷</title><p>pk戦は<b>印刷</b>できます</p>"));
    const std::vector<HelpEntry> contents = help_contents(folder.path());
    ASSERT_EQ(contents.size(), 4u);
    EXPECT_EQ(contents[1].title, QStringLiteral(u"入力"));
    EXPECT_EQ(contents[2].target, QStringLiteral(u"a.html#p1"));
    EXPECT_EQ(contents[2].level, 1);
    const auto titles = [&](const QString& query) {
        QStringList found;
        for (const HelpEntry& hit : search_help(folder.path(), query)) {
            found.append(hit.title);
        }
        return found;
    };
    EXPECT_EQ(titles(QStringLiteral(u"PK戦")),
              (QStringList{QStringLiteral(u"入力"), QStringLiteral(u"印刷")}));
    EXPECT_EQ(titles(QStringLiteral(u"pk戦　延長")), QStringList{QStringLiteral(u"入力")});
    EXPECT_EQ(titles(QStringLiteral(u"& 延長")), QStringList{QStringLiteral(u"入力")});
    EXPECT_TRUE(titles(QStringLiteral(u"href")).isEmpty());  // markup is not text
}

}  // namespace
}  // namespace kl
