#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// The user manual: HTML pages in one folder, "index.html" its contents page. It lies beside the
// program (the build tree links it there) or in the program's install location,
// PREFIX/share/kickledger/help for PREFIX/bin/kickledger.
QStringList help_folder_candidates(const QString& program_folder);
// The first candidate that holds a contents page; empty when none does.
QString find_help_folder(const QString& program_folder);

inline const QString help_contents_page = QStringLiteral(u"index.html");

// One entry of the manual's contents: a page, or a section of a page ("entry.html#page3").
struct HelpEntry {
    QString title;
    QString target;
    int level = 0;  // 0 a page, 1 a section of it
};

// The contents: the contents page itself, then every page it links to in its order, each followed
// by its sections (the h2 headings that carry an id).
std::vector<HelpEntry> help_contents(const QString& folder);

// The page's <title>, without markup.
QString html_title(const QString& html);
// The text a reader sees: markup dropped, entities read, runs of blanks made one.
QString html_plain_text(const QString& html);
// Every href and src of a page, as written.
QStringList html_links(const QString& html);

// The pages of the contents (targets without sections) whose title or text holds every word of
// the query, ignoring case, in the contents' order.
std::vector<HelpEntry> search_help(const QString& folder, const QString& query);

}  // namespace kl
