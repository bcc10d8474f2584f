#include "help_manual.h"

#include "store/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace kl {
namespace {

QString read_page(const QString& folder, const QString& page) {
    const std::optional<QByteArray> bytes = md::read_whole_file(QDir(folder).filePath(page));
    return bytes ? QString::fromUtf8(*bytes) : QString();
}

QString without_markup(QString text) {
    static const QRegularExpression tags(QStringLiteral(u"<[^>]*>"));
    text.remove(tags);
    text.replace(QStringLiteral(u"&lt;"), QStringLiteral(u"<"));
    text.replace(QStringLiteral(u"&gt;"), QStringLiteral(u">"));
    text.replace(QStringLiteral(u"&quot;"), QStringLiteral(u"\""));
    text.replace(QStringLiteral(u"&nbsp;"), QStringLiteral(u" "));
    text.replace(QStringLiteral(u"&amp;"), QStringLiteral(u"&"));
    return text.simplified();
}

// The pages the contents page links to, in its order, each once.
QStringList linked_pages(const QString& index_html) {
    QStringList pages;
    for (const QString& link : html_links(index_html)) {
        const QString page = link.section(u'#', 0, 0);
        if (page.endsWith(QStringLiteral(u".html")) && !page.contains(u':') && page != help_contents_page &&
            !pages.contains(page)) {
            pages.append(page);
        }
    }
    return pages;
}

}  // namespace

QStringList help_folder_candidates(const QString& program_folder) {
    const QDir folder(program_folder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral(u"help"))),
            QDir::cleanPath(folder.filePath(QStringLiteral(u"../share/kickledger/help")))};
}

QString find_help_folder(const QString& program_folder) {
    for (const QString& candidate : help_folder_candidates(program_folder)) {
        if (QFileInfo::exists(QDir(candidate).filePath(help_contents_page))) {
            return candidate;
        }
    }
    return {};
}

QString html_title(const QString& html) {
    static const QRegularExpression title(
        QStringLiteral(u"<title>(.*?)</title>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    return without_markup(title.match(html).captured(1));
}

QString html_plain_text(const QString& html) {
    static const QRegularExpression hidden(
        QStringLiteral(u"<(head|style|script)\\b.*?</\\1>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    return without_markup(QString(html).remove(hidden));
}

QStringList html_links(const QString& html) {
    static const QRegularExpression link(QStringLiteral(u"\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (QRegularExpressionMatchIterator it = link.globalMatch(html); it.hasNext();) {
        links.append(it.next().captured(1));
    }
    return links;
}

std::vector<HelpEntry> help_contents(const QString& folder) {
    static const QRegularExpression section(
        QStringLiteral(u"<h2\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    const QString index = read_page(folder, help_contents_page);
    std::vector<HelpEntry> entries{{html_title(index), help_contents_page, 0}};
    for (const QString& page : linked_pages(index)) {
        const QString html = read_page(folder, page);
        entries.push_back({html_title(html), page, 0});
        for (QRegularExpressionMatchIterator it = section.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            entries.push_back({without_markup(match.captured(2)), page + u'#' + match.captured(1), 1});
        }
    }
    return entries;
}

std::vector<HelpEntry> search_help(const QString& folder, const QString& query) {
    const QStringList words = query.simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<HelpEntry> found;
    if (words.isEmpty()) {
        return found;
    }
    for (const HelpEntry& entry : help_contents(folder)) {
        if (entry.level != 0) {
            continue;
        }
        const QString html = read_page(folder, entry.target);
        const QString text = html_title(html) + u' ' + html_plain_text(html);
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString& word) { return text.contains(word, Qt::CaseInsensitive); })) {
            found.push_back(entry);
        }
    }
    return found;
}

}  // namespace kl
