#pragma once

#include "shared_names_rule.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace kl {

// The season as a small web site: index.html (the results, the totals, the charts and the squad),
// games/NNN.html per game (NNN its place in stored order, as `kickledger-report detail` counts),
// members/NNN.html per member (NNN the member's number; none when members are not named) and one
// style sheet. Plain HTML and CSS in Japanese, no script, and no address outside the folder.

// One file of the site: its path inside the folder ("games/001.html") and its text.
struct SitePage {
    QString path;
    QString text;
};

// The charts of the index, in the order of the chart view's tabs: their files and titles. The print
// layer draws them.
struct SiteChart {
    QString path;
    QString title;
};
inline constexpr int site_chart_count = 5;
const std::array<SiteChart, site_chart_count>& site_charts();

inline const QString site_style_sheet_path = QStringLiteral(u"style.css");
QString game_page_path(int game);      // 1 on: "games/001.html"
QString member_page_path(int member);  // 1 on: "members/001.html"

// The pages and the style sheet of the site of every stored game. shared_lines are the stored
// games read through shared_game_line with rule, in stored order.
std::vector<SitePage> season_site_pages(const QString& team_name, const QStringList& shared_lines,
                                        const SharedNameRule& rule, const QDate& made_on);

}  // namespace kl
