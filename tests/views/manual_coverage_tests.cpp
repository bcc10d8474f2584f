// The manual keeps up with the program: every menu entry, toolbar button and shortcut the main window
// has is named in it, the toolbar buttons and shortcuts in the table of its first page.
#include "support/main_window_fixture.h"
#include "views/help_manual.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

namespace kl {
namespace {

// An entry's words as the manual writes them: without its mnemonic ("(&N)") and trailing dots.
QString caption_words(QString text) {
    text.remove(QRegularExpression(QStringLiteral(u"\\(&.\\)")));
    text.remove(u'&');
    return text.remove(QRegularExpression(QStringLiteral(u"(\\.\\.\\.|…)$")));
}

QString page_text(const QString& folder, const QString& page) {
    QFile file(QDir(folder).filePath(page));
    return file.open(QIODevice::ReadOnly) ? html_plain_text(QString::fromUtf8(file.readAll())) : QString();
}

// The main window's menu entries, the context menus' entries included, with their menus' names.
struct MenuEntry {
    QString path;  // "ファイル → 開く"
    QString words;
    QKeySequence keys;
};

void collect_entries(const QMenu* menu, const QString& path, std::vector<MenuEntry>& entries) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const QString words = caption_words(action->text());
        entries.push_back({path + QStringLiteral(u" → ") + words, words, action->shortcut()});
        if (action->menu() != nullptr) {
            collect_entries(action->menu(), path + QStringLiteral(u" → ") + words, entries);
        }
    }
}

class ManualCoverage : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        start_on(
            {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]")});
        folder = find_help_folder(QCoreApplication::applicationDirPath());
        ASSERT_FALSE(folder.isEmpty());
        for (const QString& page : QDir(folder).entryList({QStringLiteral(u"*.html")}, QDir::Files)) {
            manual += page_text(folder, page) + u'\n';
        }
        first_page = page_text(folder, QStringLiteral(u"start.html"));
    }
    std::vector<MenuEntry> entries() const {
        std::vector<MenuEntry> found;
        for (const QAction* menu : window->menuBar()->actions()) {
            if (menu->isVisible() && menu->menu() != nullptr) {
                const QString words = caption_words(menu->text());
                found.push_back({words, words, {}});
                collect_entries(menu->menu(), words, found);
            }
        }
        for (const char16_t* popup : {u"menu_popup_lst", u"menu_popup_team"}) {
            collect_entries(window->findChild<QMenu*>(QString::fromUtf16(popup)),
                            QStringLiteral(u"右クリック"), found);
        }
        return found;
    }

    QString folder;
    QString manual;
    QString first_page;
};

TEST_F(ManualCoverage, EveryMenuEntryIsNamedInTheManual) {
    const std::vector<MenuEntry> all = entries();
    ASSERT_GT(all.size(), 20u);
    for (const MenuEntry& entry : all) {
        EXPECT_TRUE(manual.contains(entry.words)) << "not in the manual: " << entry.path.toStdString();
    }
}

TEST_F(ManualCoverage, EveryShortcutIsInTheFirstPagesTable) {
    int shortcuts = 0;
    for (const MenuEntry& entry : entries()) {
        if (entry.keys.isEmpty()) {
            continue;
        }
        ++shortcuts;
        const QString keys = entry.keys.toString(QKeySequence::PortableText);
        // "Ctrl+N" stands in the table beside its entry's words.
        const QRegularExpression beside(QRegularExpression::escape(entry.words) +
                                        QStringLiteral(u"[^。]*（") + QRegularExpression::escape(keys) +
                                        u'）');
        EXPECT_TRUE(first_page.contains(beside))
            << "start.html lacks " << entry.path.toStdString() << " (" << keys.toStdString() << ")";
    }
    EXPECT_GE(shortcuts, 15);
}

TEST_F(ManualCoverage, EveryToolbarButtonIsInTheFirstPagesTable) {
    QFile file(QDir(folder).filePath(QStringLiteral(u"start.html")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const auto* toolbar = window->findChild<QToolBar*>(QStringLiteral(u"tb_main"));
    int buttons = 0;
    for (const QAction* button : toolbar->actions()) {
        if (button->isSeparator() || !button->isVisible()) {
            continue;
        }
        ++buttons;
        // A row of its own: the button's caption as the first cell.
        EXPECT_TRUE(html.contains(QStringLiteral(u"<tr><td>") + button->text() + QStringLiteral(u"</td>")))
            << "start.html has no row for " << button->text().toStdString();
        EXPECT_TRUE(manual.contains(button->toolTip())) << button->toolTip().toStdString();
    }
    EXPECT_EQ(buttons, 14);
}

}  // namespace
}  // namespace kl
