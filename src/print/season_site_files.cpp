#include "season_site_files.h"

#include "reports/season_site.h"
#include "season_chart_svgs.h"
#include "stats/season_charts.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace kl {
namespace {

// Removes the numbered pages and the charts of a former export that this one does not write.
bool remove_stale_pages(const QDir& top, const QSet<QString>& written) {
    static const QRegularExpression numbered_page(QStringLiteral(u"^[0-9]{3,}\\.html$"));
    static const QRegularExpression chart(QStringLiteral(u"^[a-z_]+\\.svg$"));
    const std::pair<QString, const QRegularExpression*> folders[] = {
        {QStringLiteral(u"games"), &numbered_page},
        {QStringLiteral(u"members"), &numbered_page},
        {QStringLiteral(u"charts"), &chart}};
    bool removed = true;
    for (const auto& [folder, pattern] : folders) {
        const QDir dir(top.filePath(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            const QString path = folder + u'/' + name;
            if (pattern->match(name).hasMatch() && !written.contains(path)) {
                removed = QFile::remove(dir.filePath(name)) && removed;
            }
        }
    }
    return removed;
}

md::SaveResult written(const QDir& top, const QString& path, const QByteArray& bytes) {
    const QString file = top.filePath(path);
    if (!top.mkpath(QFileInfo(path).path())) {
        return {false, QDir::toNativeSeparators(file), QStringLiteral(u"（フォルダーを作成できません）")};
    }
    const md::WriteResult result = md::write_whole_file(file, bytes);
    return {result.ok, QDir::toNativeSeparators(file), result.reason};
}

}  // namespace

md::SaveResult write_season_site(const QString& folder, const QString& team_name,
                                 const QStringList& game_lines, const SharedNameRule& rule,
                                 const QDate& made_on) {
    const QDir top(folder);
    if (!top.mkpath(QStringLiteral(u"."))) {
        return {false, QDir::toNativeSeparators(folder), QStringLiteral(u"（フォルダーを作成できません）")};
    }
    const QStringList shared_lines = shared_game_lines(game_lines, rule);
    std::vector<std::pair<QString, QByteArray>> files;
    for (const SitePage& page : season_site_pages(team_name, shared_lines, rule, made_on)) {
        files.emplace_back(page.path, page.text.toUtf8());
    }
    const SeasonCharts charts = compute_season_charts(shared_lines, {});
    for (int chart = 0; chart < site_chart_count; ++chart) {
        files.emplace_back(site_charts()[static_cast<size_t>(chart)].path, season_chart_svg(chart, charts));
    }
    QSet<QString> paths;
    for (const auto& [path, bytes] : files) {
        paths.insert(path);
    }
    if (!remove_stale_pages(top, paths)) {
        return {false, QDir::toNativeSeparators(folder),
                QStringLiteral(u"（前に書き出したページを削除できません）")};
    }
    for (const auto& [path, bytes] : files) {
        if (md::SaveResult result = written(top, path, bytes); !result.ok) {
            return result;
        }
    }
    return {true, QDir::toNativeSeparators(folder), {}};
}

}  // namespace kl
