#include "season_site.h"

#include "game_analysis.h"
#include "game_sheet.h"
#include "score_sheet_form.h"
#include "season_texts.h"
#include "share_contents.h"
#include "stats/player_stats.h"
#include "stats/season_charts.h"
#include "stats/team_stats.h"
#include "store/vocabulary.h"

#include <algorithm>
#include <map>

namespace kl {
namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString numbered(const QString& folder, int number) {
    return folder + u'/' + QStringLiteral(u"%1").arg(number, 3, 10, QChar(u'0')) + QStringLiteral(u".html");
}

// A page: its title, the way back up to the folder's top ("" or "../"), and its body.
QString page(const QString& title, const QString& up, const QString& body) {
    return QStringLiteral(
               u"<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
               u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>") +
           escaped(title) + QStringLiteral(u"</title>\n<link rel=\"stylesheet\" href=\"") + up +
           site_style_sheet_path + QStringLiteral(u"\">\n</head>\n<body>\n<div class=\"page\">\n") + body +
           QStringLiteral(u"</div>\n</body>\n</html>\n");
}

QString element(const QString& tag, const QString& text, const QString& css_class = {}) {
    const QString attributes =
        css_class.isEmpty() ? QString() : QStringLiteral(u" class=\"") + css_class + u'"';
    return u'<' + tag + attributes + u'>' + escaped(text) + QStringLiteral(u"</") + tag +
           QStringLiteral(u">\n");
}

QString link(const QString& href, const QString& text) {
    return QStringLiteral(u"<a href=\"") + href + QStringLiteral(u"\">") + escaped(text) +
           QStringLiteral(u"</a>");
}

// A cell holds text, or (already escaped) HTML.
struct Cell {
    QString html;
    bool number = false;
    static Cell text(const QString& text, bool number = false) { return {escaped(text), number}; }
};

QString table(const QStringList& headers, const std::vector<std::vector<Cell>>& rows,
              const QString& css_class) {
    QString html = QStringLiteral(u"<div class=\"scroll\"><table class=\"") + css_class +
                   QStringLiteral(u"\">\n<thead><tr>");
    for (const QString& header : headers) {
        html += QStringLiteral(u"<th>") + escaped(header) + QStringLiteral(u"</th>");
    }
    html += QStringLiteral(u"</tr></thead>\n<tbody>\n");
    for (const std::vector<Cell>& row : rows) {
        html += QStringLiteral(u"<tr>");
        for (const Cell& cell : row) {
            html += (cell.number ? QStringLiteral(u"<td class=\"n\">") : QStringLiteral(u"<td>")) +
                    cell.html + QStringLiteral(u"</td>");
        }
        html += QStringLiteral(u"</tr>\n");
    }
    return html + QStringLiteral(u"</tbody></table></div>\n");
}

QString made_line(const QDate& made_on) {
    return element(
        QStringLiteral(u"p"),
        QStringLiteral(u"Kickledger で作成（") + made_on.toString(QStringLiteral(u"yyyy/MM/dd")) + u'）',
        QStringLiteral(u"made"));
}

QString result_class(GameResult result) {
    switch (result) {
        case GameResult::win:
            return QStringLiteral(u"win");
        case GameResult::loss:
            return QStringLiteral(u"loss");
        case GameResult::draw:
            break;
    }
    return QStringLiteral(u"draw");
}

// A stored game with its number (1 on, in stored order), in date order.
struct SiteGame {
    int number = 0;
    QString line;
    md::GameRecord game;
    GameBar bar;
};

std::vector<SiteGame> games_in_date_order(const QStringList& shared_lines) {
    std::vector<SiteGame> games;
    for (qsizetype i = 0; i < shared_lines.size(); ++i) {
        std::optional<md::GameRecord> game = md::GameRecord::parse(shared_lines[i]);
        const SeasonCharts one = compute_season_charts({shared_lines[i]}, {});
        if (game && !one.games.empty()) {
            games.push_back({static_cast<int>(i + 1), shared_lines[i], std::move(*game), one.games.front()});
        }
    }
    std::stable_sort(games.begin(), games.end(), [](const SiteGame& a, const SiteGame& b) {
        return md::game_key(a.bar.date, a.bar.start_time) < md::game_key(b.bar.date, b.bar.start_time);
    });
    return games;
}

QString result_cell(const GameBar& bar) {
    return QStringLiteral(u"<span class=\"") + result_class(bar.score.result()) + QStringLiteral(u"\">") +
           escaped(result_text(bar.score.result())) + QStringLiteral(u"</span>");
}

// --- index.html ---

QString totals_section(const SeasonCharts& charts) {
    const TeamTotals& totals = charts.totals;
    const auto n = [](int value) { return Cell::text(QString::number(value), true); };
    return element(QStringLiteral(u"h2"), QStringLiteral(u"通算成績")) +
           table(
               {QStringLiteral(u"試合"), QStringLiteral(u"勝"), QStringLiteral(u"分"), QStringLiteral(u"敗"),
                QStringLiteral(u"得点"), QStringLiteral(u"失点"), QStringLiteral(u"アシスト")},
               {{n(totals.games), n(totals.wins), n(totals.draws), n(totals.losses), n(totals.goals),
                 n(totals.conceded), n(totals.assists)}},
               QStringLiteral(u"totals")) +
           element(QStringLiteral(u"p"), team_totals_line(totals), QStringLiteral(u"note")) +
           element(QStringLiteral(u"p"), decision_breakdown_line(charts.decisions), QStringLiteral(u"note"));
}

QString results_section(const std::vector<SiteGame>& games) {
    std::vector<std::vector<Cell>> rows;
    for (const SiteGame& game : games) {
        rows.push_back({Cell::text(game.bar.date),
                        {link(game_page_path(game.number), game.bar.opponent)},
                        Cell::text(game_bar_score(game.bar)),
                        {result_cell(game.bar)},
                        Cell::text(game.bar.meeting),
                        Cell::text(game.game.ground())});
    }
    return element(QStringLiteral(u"h2"), QStringLiteral(u"試合結果")) +
           table({QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"スコア"),
                  QStringLiteral(u"結果"), QStringLiteral(u"大会名"), QStringLiteral(u"場所")},
                 rows, QStringLiteral(u"results"));
}

QString charts_section() {
    QString html = element(QStringLiteral(u"h2"), QStringLiteral(u"グラフ"));
    for (const SiteChart& chart : site_charts()) {
        html += QStringLiteral(u"<div class=\"chart\">\n") + element(QStringLiteral(u"h3"), chart.title) +
                QStringLiteral(u"<img src=\"") + chart.path + QStringLiteral(u"\" alt=\"") +
                escaped(chart.title) + QStringLiteral(u"\">\n</div>\n");
    }
    return html;
}

QString squad_section(const SeasonCharts& charts, const std::map<QString, int>& pages) {
    std::vector<std::vector<Cell>> rows;
    for (const SquadLine& member : charts.squad) {
        const SquadRow cells = squad_row(member);
        const auto page_of = pages.find(member.name);
        std::vector<Cell> row = {page_of != pages.end()
                                     ? Cell{link(member_page_path(page_of->second), member.name)}
                                     : Cell::text(member.name)};
        for (size_t c = 1; c < cells.size(); ++c) {
            row.push_back(Cell::text(cells[c], true));
        }
        rows.push_back(row);
    }
    return element(QStringLiteral(u"h2"), QStringLiteral(u"メンバー")) +
           table({squad_headers().begin(), squad_headers().end()}, rows, QStringLiteral(u"squad")) +
           element(QStringLiteral(u"p"), caution_summary(charts.cautions), QStringLiteral(u"note"));
}

QString index_page(const QString& team_name, const std::vector<SiteGame>& games, const SeasonCharts& charts,
                   const std::map<QString, int>& pages, const QDate& made_on) {
    QString scope = QStringLiteral(u"全") + QString::number(games.size()) + QStringLiteral(u"試合");
    if (!games.empty()) {
        scope = games.front().bar.date + QStringLiteral(u" ～ ") + games.back().bar.date +
                QStringLiteral(u"　") + scope;
    }
    return page(team_name + QStringLiteral(u" 試合結果"), {},
                element(QStringLiteral(u"h1"), team_name) +
                    element(QStringLiteral(u"p"), scope, QStringLiteral(u"scope")) + totals_section(charts) +
                    results_section(games) + charts_section() + squad_section(charts, pages) +
                    made_line(made_on));
}

// --- games/NNN.html ---

QString score_section(const md::GameRecord& game, const QString& team_name) {
    const SheetScore score = sheet_score(compose_game_sheet(game, team_name));
    QStringList headers = {QString()};
    std::vector<Cell> own = {Cell::text(score.own_name)};
    std::vector<Cell> opponent = {Cell::text(score.opponent_name)};
    for (const SheetScore::Row& row : score.rows) {
        headers.append(row.label);
        own.push_back(Cell::text(row.own, true));
        opponent.push_back(Cell::text(row.opponent, true));
    }
    headers.append(QStringLiteral(u"計"));
    own.push_back(Cell::text(score.own_total, true));
    opponent.push_back(Cell::text(score.opponent_total, true));
    return table(headers, {own, opponent}, QStringLiteral(u"score"));
}

// One line of the timeline in words, narrow enough for a phone: who did what, and below it in small
// type how (the goal's details, the new formation).
QString timeline_html(const ScoreSheetForm::Entry& entry) {
    QString what = entry.kind;
    if (entry.kind == md::words::substitution) {
        what += QStringLiteral(u"　IN ") + entry.player + QStringLiteral(u"　OUT ") + entry.partner;
    } else if (entry.kind == md::words::position_change) {
        what += u' ' + entry.player + QStringLiteral(u" ⇔ ") + entry.partner;
    } else {
        if (!entry.player.isEmpty()) {
            what += u' ' + entry.player;
        }
        if (!entry.partner.isEmpty()) {
            what += QStringLiteral(u"（アシスト ") + entry.partner + u'）';
        }
    }
    QString html = escaped(what);
    if (!entry.note.isEmpty()) {
        html += QStringLiteral(u"<br><small>") + escaped(entry.note) + QStringLiteral(u"</small>");
    }
    return html;
}

QString timeline_section(const ScoreSheetForm& form) {
    std::vector<std::vector<Cell>> rows;
    for (const ScoreSheetForm::Entry& entry : form.timeline) {
        rows.push_back({Cell::text(entry.minute + QStringLiteral(u"分"), true), Cell{timeline_html(entry)}});
    }
    if (rows.empty()) {
        return {};
    }
    return element(QStringLiteral(u"h2"), QStringLiteral(u"経過")) +
           table({QStringLiteral(u"分"), QStringLiteral(u"内容")}, rows, QStringLiteral(u"timeline"));
}

template <size_t count>
QString members_section(const QString& title, const std::array<ScoreSheetForm::Member, count>& members) {
    std::vector<std::vector<Cell>> rows;
    for (const ScoreSheetForm::Member& member : members) {
        if (!member.name.isEmpty() || !member.position.isEmpty()) {
            rows.push_back(
                {Cell::text(member.position), Cell::text(member.name), Cell::text(member.minutes, true)});
        }
    }
    if (rows.empty()) {
        return {};
    }
    return element(QStringLiteral(u"h2"), title) +
           table({QStringLiteral(u"ポジション"), QStringLiteral(u"名前"), QStringLiteral(u"出場時間")}, rows,
                 QStringLiteral(u"lineup"));
}

QString shoot_out_section(const ScoreSheetForm& form) {
    if (form.rounds.empty()) {
        return {};
    }
    std::vector<std::vector<Cell>> rows;
    for (size_t i = 0; i < form.rounds.size(); ++i) {
        const ScoreSheetForm::Round& round = form.rounds[i];
        rows.push_back({Cell::text(QString::number(i + 1), true), Cell::text(round.kicker),
                        Cell::text(round.own), Cell::text(round.opponent)});
    }
    return element(QStringLiteral(u"h2"), QStringLiteral(u"PK戦（") + form.kicks_first + u'）') +
           table({QStringLiteral(u"回"), QStringLiteral(u"キッカー"), form.team_name, form.opponent}, rows,
                 QStringLiteral(u"kicks"));
}

QString game_page(const QString& team_name, const SiteGame& game, const SiteGame* before,
                  const SiteGame* after, const QDate& made_on) {
    const ScoreSheetForm form = filled_score_sheet(game.game, team_name);
    QStringList moves = {link(QStringLiteral(u"../index.html"), QStringLiteral(u"試合結果一覧"))};
    if (before != nullptr) {
        moves.prepend(
            link(QStringLiteral(u"../") + game_page_path(before->number), QStringLiteral(u"← 前の試合")));
    }
    if (after != nullptr) {
        moves.append(
            link(QStringLiteral(u"../") + game_page_path(after->number), QStringLiteral(u"次の試合 →")));
    }
    const QString navigation =
        QStringLiteral(u"<p class=\"nav\">") + moves.join(QStringLiteral(u"　")) + QStringLiteral(u"</p>\n");
    const QString heading = team_name + QStringLiteral(u" ") + game_bar_score(game.bar) +
                            QStringLiteral(u" ") + game.bar.opponent;
    const QString body =
        navigation + element(QStringLiteral(u"h1"), heading) + QStringLiteral(u"<p class=\"scope\">") +
        result_cell(game.bar) + u' ' + escaped(game_header_line(game.game)) + QStringLiteral(u"</p>\n") +
        score_section(game.game, team_name) + timeline_section(form) +
        members_section(QStringLiteral(u"スターティングメンバー　[") + form.formation + u']', form.starters) +
        members_section(QStringLiteral(u"リザーブメンバー"), form.reserves) + shoot_out_section(form) +
        navigation + made_line(made_on);
    return page(heading, QStringLiteral(u"../"), body);
}

// --- members/NNN.html ---

QString member_page(const QString& team_name, const SquadLine& line, const QStringList& shared_lines,
                    const std::vector<GameOfSeason>& season, const QDate& made_on) {
    const SquadRow cells = squad_row(line);
    std::vector<Cell> totals;
    for (size_t c = 1; c < cells.size(); ++c) {
        totals.push_back(Cell::text(cells[c], true));
    }
    const PersonalStats stats = compute_personal_stats(shared_lines, {}, line.name);
    std::vector<std::vector<Cell>> positions;
    for (int row = 0; row < position_row_count; ++row) {
        const PositionFigures& figures = stats.positions[static_cast<size_t>(row)];
        if (row == 0 ||
            figures.minutes + figures.goals + figures.assists + figures.cautions + figures.sendings_off > 0) {
            const auto n = [](int value) { return Cell::text(QString::number(value), true); };
            positions.push_back({Cell::text(position_row_labels()[static_cast<size_t>(row)]),
                                 n(figures.minutes), n(figures.goals), n(figures.assists),
                                 n(figures.cautions), n(figures.sendings_off)});
        }
    }
    std::vector<std::vector<Cell>> games;
    for (const MemberCard::Game& game : member_games(season, line.name)) {
        games.push_back({Cell::text(game.date), Cell::text(game.opponent), Cell::text(game.score),
                         Cell::text(game.result), Cell::text(game.part)});
    }
    const QString body =
        QStringLiteral(u"<p class=\"nav\">") + link(QStringLiteral(u"../index.html"), team_name) +
        QStringLiteral(u"</p>\n") + element(QStringLiteral(u"h1"), line.name) +
        element(QStringLiteral(u"h2"), QStringLiteral(u"通算")) +
        table({squad_headers().begin() + 1, squad_headers().end()}, {totals}, QStringLiteral(u"squad")) +
        element(QStringLiteral(u"h2"), QStringLiteral(u"ポジション別")) +
        table({QStringLiteral(u"ポジション"), QStringLiteral(u"出場時間"), QStringLiteral(u"得点"),
               QStringLiteral(u"アシスト"), QStringLiteral(u"警告"), QStringLiteral(u"退場")},
              positions, QStringLiteral(u"positions")) +
        element(QStringLiteral(u"h2"), QStringLiteral(u"試合ごと")) +
        table({QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"スコア"),
               QStringLiteral(u"結果"), QStringLiteral(u"出場")},
              games, QStringLiteral(u"games")) +
        made_line(made_on);
    return page(line.name + QStringLiteral(u" - ") + team_name, QStringLiteral(u"../"), body);
}

QString style_sheet() {
    return QStringLiteral(
        u"/* Kickledger: the season's pages, readable on a phone first. */\n"
        u"html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }\n"
        u"body { margin: 0; background: #f4f6f4; color: #1d2a22; line-height: 1.6;\n"
        u"  font-family: \"Noto Sans CJK JP\", \"Hiragino Sans\", \"Yu Gothic\", \"Meiryo\", sans-serif; }\n"
        u".page { max-width: 960px; margin: 0 auto; padding: 12px 12px 32px; background: #fff; }\n"
        u"h1 { font-size: 1.5rem; margin: 8px 0 4px; color: #1f5f3a; }\n"
        u"h2 { font-size: 1.15rem; margin: 24px 0 8px; padding-left: 8px; border-left: 5px solid #2e8b57; }\n"
        u"h3 { font-size: 1rem; margin: 16px 0 4px; }\n"
        u"a { color: #1f5f9a; }\n"
        u".scope { margin: 0 0 8px; color: #4a5a50; }\n"
        u".note, .made { font-size: 0.85rem; color: #4a5a50; margin: 4px 0; white-space: pre-line; }\n"
        u".made { margin-top: 32px; text-align: right; }\n"
        u".nav { font-size: 0.9rem; margin: 0 0 8px; }\n"
        u".scroll { overflow-x: auto; -webkit-overflow-scrolling: touch; }\n"
        u"table { border-collapse: collapse; width: 100%; font-size: 0.92rem; }\n"
        u"th, td { border-bottom: 1px solid #dde4de; padding: 6px 8px; text-align: left; white-space: "
        u"nowrap; }\n"
        u"th { background: #eaf2ec; font-weight: bold; }\n"
        u"td.n { text-align: right; font-variant-numeric: tabular-nums; }\n"
        u"table.timeline td, table.lineup td { white-space: normal; }\n"
        u"table.timeline td.n { width: 3.5em; vertical-align: top; }\n"
        u"small { color: #4a5a50; }\n"
        u"table.score td.n { font-size: 1.2rem; font-weight: bold; }\n"
        u".win { color: #fff; background: #2e8b57; padding: 1px 6px; border-radius: 4px; }\n"
        u".draw { color: #fff; background: #7f8c8d; padding: 1px 6px; border-radius: 4px; }\n"
        u".loss { color: #fff; background: #c0392b; padding: 1px 6px; border-radius: 4px; }\n"
        u".chart { margin: 8px 0 16px; }\n"
        u".chart img { display: block; width: 100%; max-width: 640px; height: auto; }\n"
        u"@media (min-width: 700px) {\n"
        u"  .page { padding: 24px 32px 48px; }\n"
        u"  h1 { font-size: 1.9rem; }\n"
        u"}\n");
}

}  // namespace

const std::array<SiteChart, site_chart_count>& site_charts() {
    static const std::array<SiteChart, site_chart_count> charts = {
        {{QStringLiteral(u"charts/results.svg"), QStringLiteral(u"試合結果の推移")},
         {QStringLiteral(u"charts/scorers.svg"), QStringLiteral(u"得点・アシスト")},
         {QStringLiteral(u"charts/minutes.svg"), QStringLiteral(u"出場時間")},
         {QStringLiteral(u"charts/time_bands.svg"), QStringLiteral(u"得点の時間帯")},
         {QStringLiteral(u"charts/goal_shapes.svg"), QStringLiteral(u"得点の形")}}};
    return charts;
}

QString game_page_path(int game) {
    return numbered(QStringLiteral(u"games"), game);
}

QString member_page_path(int member) {
    return numbered(QStringLiteral(u"members"), member);
}

std::vector<SitePage> season_site_pages(const QString& team_name, const QStringList& shared_lines,
                                        const SharedNameRule& rule, const QDate& made_on) {
    const std::vector<SiteGame> games = games_in_date_order(shared_lines);
    const SeasonCharts charts = compute_season_charts(shared_lines, {});
    std::map<QString, int> member_pages;  // by the name shown
    if (rule.has_member_pages()) {
        for (const QString& member : rule.members()) {
            member_pages[rule.shown(member)] = rule.number(member);
        }
    }
    std::vector<SitePage> pages = {
        {site_style_sheet_path, style_sheet()},
        {QStringLiteral(u"index.html"), index_page(team_name, games, charts, member_pages, made_on)}};
    for (size_t i = 0; i < games.size(); ++i) {
        pages.push_back({game_page_path(games[i].number),
                         game_page(team_name, games[i], i > 0 ? &games[i - 1] : nullptr,
                                   i + 1 < games.size() ? &games[i + 1] : nullptr, made_on)});
    }
    const std::vector<GameOfSeason> season = games_of_season(shared_lines, {});
    for (const SquadLine& line : charts.squad) {
        if (const auto number = member_pages.find(line.name); number != member_pages.end()) {
            pages.push_back({member_page_path(number->second),
                             member_page(team_name, line, shared_lines, season, made_on)});
        }
    }
    return pages;
}

}  // namespace kl
