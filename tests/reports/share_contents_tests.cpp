#include "reports/game_lists.h"
#include "reports/season_site.h"
#include "reports/season_texts.h"
#include "reports/share_contents.h"
#include "stats/season_charts.h"
#include "stats/team_stats.h"
#include "store/vocabulary.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>

namespace kl {
namespace {

using test::GameBuilder;

GameBuilder shoot_out_game() {
    GameBuilder game;
    game.with_extra_time(md::words::both_halves_mode, 20).with_shoot_out();
    game.goal(12, QStringLiteral(u"S10"), QStringLiteral(u"S9"));
    game.card(35, md::words::second_caution, QStringLiteral(u"S4"));
    game.conceded(50);
    game.substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"));
    game.substitution(75, QStringLiteral(u"CF"), QStringLiteral(u"R2"), QStringLiteral(u"R1"));
    game.add({md::words::shoot_out_time, md::words::shoot_out, md::words::kicks_first, QStringLiteral(u"1"),
              QStringLiteral(u"S2"), QStringLiteral(u"0"), QStringLiteral(u"1"), QStringLiteral(u"S3"),
              QStringLiteral(u"0")});
    return game;
}

TEST(ResultPicture, ShowsTheScoreTheGoalsTheCardsAndWhoCameOnWhere) {
    const ResultPicture picture = result_picture(shoot_out_game().record(), QStringLiteral(u"テストFC"));
    EXPECT_EQ(picture.date_line, QStringLiteral(u"2006/04/01（土） 10:00"));
    EXPECT_EQ(picture.own_total + u'-' + picture.opponent_total, QStringLiteral(u"1-1"));
    EXPECT_EQ(picture.shoot_out, QStringLiteral(u"PK 2-0"));
    EXPECT_EQ(picture.result, QStringLiteral(u"PK勝ち"));
    EXPECT_EQ(picture.periods, QStringLiteral(u"前半 1-0　後半 0-1　延長前半 0-0　延長後半 0-0"));
    ASSERT_EQ(picture.own_events.size(), 2U);
    EXPECT_EQ(picture.own_events[0].minute, QStringLiteral(u"12分"));
    EXPECT_EQ(picture.own_events[0].name, QStringLiteral(u"S10"));
    EXPECT_EQ(picture.own_events[0].detail, QStringLiteral(u"アシスト S9"));
    EXPECT_EQ(picture.own_events[1].kind, ResultPicture::Event::Kind::sending_off);
    ASSERT_EQ(picture.opponent_events.size(), 1U);
    EXPECT_EQ(picture.opponent_events[0].minute, QStringLiteral(u"50分"));
    ASSERT_EQ(picture.players.size(), 11U);
    EXPECT_EQ(picture.players[10].position, QStringLiteral(u"CF"));
    EXPECT_EQ(picture.players[10].came_on,
              QStringList({QStringLiteral(u"→ R1 60分"), QStringLiteral(u"→ R2 75分")}));
}

// A card names its member and no other: not the scorer of an assisted goal, nor who came on.
TEST(MemberCard, AGameCardTellsTheMembersOwnPartOnly) {
    const GameBuilder game = shoot_out_game();
    const MemberCard card = game_card(QStringLiteral(u"テストFC"), game.line(), QStringLiteral(u"S11"));
    EXPECT_EQ(card.scope, QStringLiteral(u"2006/04/01（土）　リーグ戦　vs 青葉FC"));
    EXPECT_EQ(card.figures[0].value, QStringLiteral(u"先発"));
    EXPECT_EQ(card.figures[1].value, QStringLiteral(u"60"));
    EXPECT_EQ(card.figures[2].value, QStringLiteral(u"55%"));  // of 110 minutes
    EXPECT_EQ(card.moments, QStringList{QStringLiteral(u"60分　交代で退く")});
    EXPECT_EQ(card.team_record, QStringLiteral(u"1-1 (PK 2-0)　PK勝ち"));

    const MemberCard assister = game_card(QStringLiteral(u"テストFC"), game.line(), QStringLiteral(u"S9"));
    EXPECT_EQ(assister.moments, QStringList{QStringLiteral(u"12分　アシスト")});
    const MemberCard reserve = game_card(QStringLiteral(u"テストFC"), game.line(), QStringLiteral(u"R1"));
    EXPECT_EQ(reserve.figures[0].value, QStringLiteral(u"途中出場"));
    EXPECT_EQ(reserve.moments,
              QStringList({QStringLiteral(u"60分　途中出場（CF）"), QStringLiteral(u"75分　交代で退く")}));
    for (const QString& other : {QStringLiteral(u"S10"), QStringLiteral(u"S11"), QStringLiteral(u"R2")}) {
        EXPECT_FALSE(assister.moments.join(u' ').contains(other));
        EXPECT_FALSE(reserve.moments.join(u' ').contains(other));
    }
}

TEST(MemberCard, TheSeasonCardCountsAsTheSquadTableAndListsTheGamesByDate) {
    GameBuilder late = shoot_out_game();
    late.date = QStringLiteral(u"2006/05/01");
    GameBuilder early;
    early.goal(5, QStringLiteral(u"S10"));
    early.goal(6, QStringLiteral(u"S10"));
    const QStringList lines = {late.line(), early.line()};
    const MemberCard card =
        season_card(QStringLiteral(u"テストFC"), lines, {},
                    {QStringLiteral(u"A"), QStringLiteral(u"B"), {}, {}, {}, {}}, QStringLiteral(u"S10"));
    const SeasonCharts charts = compute_season_charts(lines, {});
    const SquadRow row = squad_row(charts.squad[9]);
    ASSERT_EQ(row[0], QStringLiteral(u"S10"));
    EXPECT_EQ(card.scope, QStringLiteral(u"A ～ B　全大会"));
    EXPECT_EQ(card.figures[0].value, row[1]);
    EXPECT_EQ(card.figures[1].value, row[4]);
    EXPECT_EQ(card.figures[2].value, row[5]);
    EXPECT_EQ(card.figures[3].value, row[6]);
    EXPECT_EQ(card.team_record, QStringLiteral(u"2勝 0分 0敗　得点 3　失点 1"));
    ASSERT_EQ(card.games.size(), 2U);
    EXPECT_EQ(card.games[0].date, QStringLiteral(u"2006/04/01"));
    EXPECT_EQ(card.games[0].part, QStringLiteral(u"90分 得点2"));
    EXPECT_EQ(card.games[1].score, QStringLiteral(u"1-1 (PK 2-0)"));
    EXPECT_EQ(card.positions.front().position, QStringLiteral(u"CF"));
}

// --- the web pages against the views ---

struct SiteCase {
    md::DataStore store;
    std::vector<SitePage> pages;
    const SitePage* page(const QString& path) const {
        for (const SitePage& page : pages) {
            if (page.path == path) {
                return &page;
            }
        }
        return nullptr;
    }
};

SiteCase site_of(const QString& file, md::SharedNames names) {
    SiteCase site;
    EXPECT_TRUE(site.store.load_team_file(file).ok()) << file.toStdString();
    const SharedNameRule rule = SharedNameRule::for_team(site.store, names, {});
    site.pages = season_site_pages(site.store.team_name, shared_game_lines(site.store.game_lines, rule), rule,
                                   QDate(2026, 12, 1));
    return site;
}

// The texts of a table's number cells, in order.
QStringList number_cells(const QString& html) {
    QStringList found;
    auto match = QRegularExpression(QStringLiteral(u"<td class=\"n\">([^<]*)</td>")).globalMatch(html);
    while (match.hasNext()) {
        found.append(match.next().captured(1));
    }
    return found;
}

const QStringList team_files = {QStringLiteral(KL_DEMO_FILE), QStringLiteral(KL_SMALL_SIDED_FILE),
                                test::data_file(QStringLiteral(u"rich_team.kld"))};

// Every game's score as the game list shows it stands on the index and on the game's own page.
TEST(SeasonSite, EveryGamesScoreIsOnTheIndexAndItsPage) {
    for (const QString& file : team_files) {
        const SiteCase site = site_of(file, md::SharedNames::full);
        const SitePage* index = site.page(QStringLiteral(u"index.html"));
        ASSERT_NE(index, nullptr);
        const std::vector<GameListRow> rows = build_game_lists(site.store).rows;
        ASSERT_FALSE(rows.empty());
        for (const GameListRow& row : rows) {
            const QString score =
                QStringLiteral(u"<td>") + row.cells[2].toHtmlEscaped() + QStringLiteral(u"</td>");
            const QString opponent = u'>' + row.cells[1].toHtmlEscaped() + QStringLiteral(u"</a>");
            EXPECT_TRUE(index->text.contains(opponent + QStringLiteral(u"</td>") + score))
                << row.cells[0].toStdString();
            const SitePage* game = site.page(game_page_path(row.game + 1));
            ASSERT_NE(game, nullptr);
            EXPECT_TRUE(game->text.contains(QStringLiteral(u"<h1>") + site.store.team_name.toHtmlEscaped() +
                                            u' ' + row.cells[2].toHtmlEscaped() + u' ' +
                                            row.cells[1].toHtmlEscaped()))
                << game->path.toStdString();
        }
        EXPECT_TRUE(
            index->text.contains(team_totals_line(compute_team_stats(site.store.game_lines, {}).totals)));
    }
}

// Every member's totals as the team view counts them stand on the member's page.
TEST(SeasonSite, EveryMembersTotalsAreOnTheirPage) {
    for (const QString& file : team_files) {
        const SiteCase site = site_of(file, md::SharedNames::full);
        const SharedNameRule rule = SharedNameRule::for_team(site.store, md::SharedNames::full, {});
        for (const PlayerLine& player : compute_team_stats(site.store.game_lines, {}).players) {
            const SitePage* page = site.page(member_page_path(rule.number(player.name)));
            ASSERT_NE(page, nullptr) << player.name.toStdString();
            EXPECT_TRUE(
                page->text.contains(QStringLiteral(u"<h1>") + player.name + QStringLiteral(u"</h1>")));
            const QStringList numbers = number_cells(page->text.section(QStringLiteral(u"<tbody>"), 1, 1)
                                                         .section(QStringLiteral(u"</tbody>"), 0, 0));
            // 出場, 先発, 途中出場, 出場時間, 出場率, 得点, アシスト, 警告, 退場, …
            ASSERT_GE(numbers.size(), 9);
            EXPECT_EQ(numbers[3], QString::number(player.minutes)) << player.name.toStdString();
            EXPECT_EQ(numbers[5], QString::number(player.goals));
            EXPECT_EQ(numbers[6], QString::number(player.assists));
            EXPECT_EQ(numbers[7], QString::number(player.cautions));
            EXPECT_EQ(numbers[8], QString::number(player.sendings_off));
        }
    }
}

// Plain pages of the folder: links and pictures only to files of the site, no script.
TEST(SeasonSite, LinksStayInsideTheFolder) {
    const SiteCase site = site_of(QStringLiteral(KL_DEMO_FILE), md::SharedNames::full);
    QStringList paths;
    for (const SitePage& page : site.pages) {
        paths.append(page.path);
    }
    for (const SiteChart& chart : site_charts()) {
        paths.append(chart.path);
    }
    const QRegularExpression address(QStringLiteral(u"(?:href|src)=\"([^\"]*)\""));
    for (const SitePage& page : site.pages) {
        EXPECT_FALSE(page.text.contains(QStringLiteral(u"<script"), Qt::CaseInsensitive));
        EXPECT_FALSE(page.text.contains(QStringLiteral(u"url("), Qt::CaseInsensitive));
        const QString folder = page.path.contains(u'/') ? page.path.section(u'/', 0, 0) + u'/' : QString();
        auto match = address.globalMatch(page.text);
        while (match.hasNext()) {
            const QString target = QDir::cleanPath(folder + match.next().captured(1));
            EXPECT_TRUE(paths.contains(target)) << page.path.toStdString() << " -> " << target.toStdString();
        }
    }
}

// With names none there are no member pages, and the squad table links nowhere.
TEST(SeasonSite, NoMemberPagesWithoutNames) {
    const SiteCase site = site_of(QStringLiteral(KL_DEMO_FILE), md::SharedNames::none);
    for (const SitePage& page : site.pages) {
        EXPECT_FALSE(page.path.startsWith(QStringLiteral(u"members/"))) << page.path.toStdString();
        EXPECT_FALSE(page.text.contains(QStringLiteral(u"members/")));
    }
    EXPECT_TRUE(site.page(QStringLiteral(u"index.html"))->text.contains(QStringLiteral(u"<td>選手1</td>")));
}

}  // namespace
}  // namespace kl
