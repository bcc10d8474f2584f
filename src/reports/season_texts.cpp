#include "season_texts.h"

#include "game_lists.h"
#include "store/numbers.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");

QString n(int value) {
    return QString::number(value);
}

QString line(const QStringList& cells) {
    return cells.join(u'\t') + crlf;
}

// A block: its title, its header and rows, and the empty line that ends it.
QString block(const QString& title, const QStringList& headers, const std::vector<QStringList>& rows) {
    QString text = title + crlf + line(headers);
    for (const QStringList& row : rows) {
        text += line(row);
    }
    return text + crlf;
}

QString decisions_block(const DecisionBreakdown& decisions) {
    auto row = [](const QString& label, const ResultCounts& counts) {
        return QStringList{label, n(counts.wins), n(counts.draws), n(counts.losses)};
    };
    return block(
        decision_breakdown_line(decisions),
        {QStringLiteral(u"決着"), QStringLiteral(u"勝"), QStringLiteral(u"分"), QStringLiteral(u"敗")},
        {row(QStringLiteral(u"規定時間"), decisions.regular_time),
         row(QStringLiteral(u"延長"), decisions.extra_time),
         row(QStringLiteral(u"PK"), decisions.shoot_out)});
}

QString decision_text(const GameScore& score) {
    if (score.result() == GameResult::draw) {
        return {};
    }
    switch (score.decision()) {
        case Decision::extra_time:
            return QStringLiteral(u"延長");
        case Decision::shoot_out:
            return QStringLiteral(u"PK");
        case Decision::regular_time:
            break;
    }
    return QStringLiteral(u"規定時間");
}

QString results_block(const std::vector<GameBar>& games) {
    std::vector<QStringList> rows;
    for (const GameBar& game : games) {
        const GameScore& score = game.score;
        const QString kicks = game.shoot_out ? score_text(score.own_kicks, score.opponent_kicks) : QString();
        rows.push_back({game.date, game.start_time, game.opponent, game.meeting, n(score.goals_for),
                        n(score.conceded), kicks, result_text(score.result()), decision_text(score),
                        n(game.points_after)});
    }
    return block(
        QStringLiteral(u"試合結果の推移"),
        {QStringLiteral(u"日付"), QStringLiteral(u"開始時刻"), QStringLiteral(u"対戦相手"),
         QStringLiteral(u"大会名"), QStringLiteral(u"得点"), QStringLiteral(u"失点"), QStringLiteral(u"PK"),
         QStringLiteral(u"結果"), QStringLiteral(u"決着"), QStringLiteral(u"勝点累計")},
        rows);
}

QString scorers_block(const std::vector<SquadLine>& squad) {
    std::vector<QStringList> rows;
    for (const SquadLine& member : scorers_order(squad)) {
        rows.push_back({member.name, n(member.goals), n(member.assists)});
    }
    return block(QStringLiteral(u"得点・アシスト"),
                 {QStringLiteral(u"名前"), QStringLiteral(u"得点"), QStringLiteral(u"アシスト")}, rows);
}

QString minutes_block(const std::vector<SquadLine>& squad, double possible) {
    std::vector<QStringList> rows;
    for (const SquadLine& member : minutes_order(squad)) {
        rows.push_back({member.name, n(member.minutes), md::shortest_decimal(possible),
                        percent_text(minutes_share(member.minutes, possible))});
    }
    return block(QStringLiteral(u"出場時間"),
                 {QStringLiteral(u"名前"), QStringLiteral(u"出場時間"), QStringLiteral(u"出場可能時間"),
                  QStringLiteral(u"割合")},
                 rows);
}

QString bands_block(const TimeBands& bands) {
    std::vector<QStringList> rows;
    for (qsizetype i = 0; i < bands.labels.size(); ++i) {
        const auto k = static_cast<size_t>(i);
        rows.push_back({bands.labels[i], n(bands.goals_for[k]), n(bands.conceded[k])});
    }
    return block(QStringLiteral(u"得点の時間帯"),
                 {QStringLiteral(u"時間帯"), QStringLiteral(u"得点"), QStringLiteral(u"失点")}, rows);
}

QString shape_block(const QString& detail, const LabelledCounts& counted) {
    std::vector<QStringList> rows;
    for (qsizetype i = 0; i < counted.labels.size(); ++i) {
        rows.push_back({counted.labels[i], n(counted.counts[static_cast<size_t>(i)])});
    }
    return block(QStringLiteral(u"得点の形（") + detail + u'）', {detail, QStringLiteral(u"得点")}, rows);
}

QString squad_block(const std::vector<SquadLine>& squad) {
    std::vector<QStringList> rows;
    for (const SquadLine& member : squad) {
        const SquadRow row = squad_row(member);
        rows.emplace_back(row.begin(), row.end());
    }
    return block(QStringLiteral(u"メンバー"), {squad_headers().begin(), squad_headers().end()}, rows);
}

QString cautions_block(const std::vector<CautionRun>& runs) {
    std::vector<QStringList> rows;
    for (const CautionRun& run : runs) {
        rows.push_back({run.meeting, run.member, n(static_cast<int>(run.dates.size())),
                        run.dates.join(QStringLiteral(u", "))});
    }
    return block(QStringLiteral(u"警告の累積"),
                 {QStringLiteral(u"大会名"), QStringLiteral(u"名前"), QStringLiteral(u"警告"),
                  QStringLiteral(u"日付")},
                 rows);
}

QString filter_block(const FilterTexts& filter) {
    return block(
        QStringLiteral(u"抽出条件"),
        {QStringLiteral(u"期間（開始）"), QStringLiteral(u"期間（終了）"), QStringLiteral(u"大会名")},
        {{filter.from, filter.to, filter.meeting}});
}

}  // namespace

const SquadRow& squad_headers() {
    static const SquadRow headers = {
        QStringLiteral(u"名前"),     QStringLiteral(u"出場"),     QStringLiteral(u"先発"),
        QStringLiteral(u"途中出場"), QStringLiteral(u"出場時間"), QStringLiteral(u"出場率"),
        QStringLiteral(u"得点"),     QStringLiteral(u"アシスト"), QStringLiteral(u"警告"),
        QStringLiteral(u"退場"),     QStringLiteral(u"失点"),     QStringLiteral(u"無失点")};
    return headers;
}

SquadRow squad_row(const SquadLine& line) {
    SquadRow row;
    row[squad_name] = line.name;
    for (int column = squad_games; column < squad_column_count; ++column) {
        if (const std::optional<double> value = squad_value(line, column)) {
            row[static_cast<size_t>(column)] =
                column == squad_share ? percent_text(*value) : QString::number(static_cast<int>(*value));
        }
    }
    return row;
}

std::optional<double> squad_value(const SquadLine& line, int column) {
    switch (column) {
        case squad_games:
            return line.games;
        case squad_starts:
            return line.starts;
        case squad_came_on:
            return line.came_on;
        case squad_minutes:
            return line.minutes;
        case squad_share:
            return minutes_share(line.minutes, line.minutes_named);
        case squad_goals:
            return line.goals;
        case squad_assists:
            return line.assists;
        case squad_cautions:
            return line.cautions;
        case squad_sendings_off:
            return line.sendings_off;
        case squad_conceded:
            return line.kept_goal ? std::optional<double>(line.conceded_in_goal) : std::nullopt;
        case squad_clean_sheets:
            return line.kept_goal ? std::optional<double>(line.clean_sheets) : std::nullopt;
        default:
            return std::nullopt;
    }
}

QString percent_text(double share) {
    return QString::number(md::round_half_even(share * 100)) + u'%';
}

QString result_text(GameResult result) {
    switch (result) {
        case GameResult::win:
            return QStringLiteral(u"勝");
        case GameResult::draw:
            return QStringLiteral(u"分");
        case GameResult::loss:
            break;
    }
    return QStringLiteral(u"敗");
}

QString game_bar_score(const GameBar& game) {
    const GameScore& score = game.score;
    return game.shoot_out ? score_text(score.goals_for, score.conceded, score.own_kicks, score.opponent_kicks)
                          : score_text(score.goals_for, score.conceded);
}

QString game_bar_tooltip(const GameBar& game) {
    return game.date + u' ' + game.start_time + u'\n' + game.opponent + u'\n' + game_bar_score(game) +
           QStringLiteral(u"　") + result_text(game.score.result());
}

QStringList trend_labels(const ResultsTrend& trend, const std::vector<GameBar>& games) {
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(trend.bars.size()));
    // Labels must differ: a label taken already gets the next free "(n)".
    QSet<QString> taken;
    QHash<QString, int> next_copy;
    // A day's label leaves out the year unless the games shown span more than one.
    const auto year_of = [&games](const TrendBar& bar) {
        const QString& date = games[static_cast<size_t>(bar.first_game)].date;
        return date.left(date.indexOf(u'/'));
    };
    const bool one_year = trend.bars.empty() || year_of(trend.bars.front()) == year_of(trend.bars.back());
    for (const TrendBar& bar : trend.bars) {
        const GameBar& game = games[static_cast<size_t>(bar.first_game)];
        QString label;
        if (trend.step == TrendStep::game) {
            const qsizetype year_end = game.date.indexOf(u'/');
            label = one_year && year_end > 0 ? game.date.mid(year_end + 1) : game.date;
        } else {
            label = trend_key(game, trend.step) +
                    (trend.step == TrendStep::season ? QStringLiteral(u"年") : QString());
        }
        const QString base = label;
        int& copy = next_copy[base];
        copy = std::max(copy, 2);
        while (taken.contains(label)) {
            label = base + u'(' + QString::number(copy++) + u')';
        }
        taken.insert(label);
        labels.append(label);
    }
    return labels;
}

QString trend_bar_tooltip(const ResultsTrend& trend, const TrendBar& bar, const std::vector<GameBar>& games) {
    if (trend.step == TrendStep::game) {
        return game_bar_tooltip(games[static_cast<size_t>(bar.first_game)]);
    }
    const auto at = [](const std::array<int, 3>& counts, GameResult result) {
        return counts[static_cast<size_t>(result)];
    };
    const auto sum = [](const std::array<int, 3>& counts) { return counts[0] + counts[1] + counts[2]; };
    const int points = points_of(GameResult::win) * at(bar.results, GameResult::win) +
                       points_of(GameResult::draw) * at(bar.results, GameResult::draw);
    const QString label = trend_labels({trend.step, {bar}}, games).value(0);
    return label + QStringLiteral(u"（") + QString::number(bar.games) + QStringLiteral(u"試合）\n") +
           QString::number(at(bar.results, GameResult::win)) + result_text(GameResult::win) + u' ' +
           QString::number(at(bar.results, GameResult::draw)) + result_text(GameResult::draw) + u' ' +
           QString::number(at(bar.results, GameResult::loss)) + result_text(GameResult::loss) +
           QStringLiteral(u"\n得点 ") + QString::number(sum(bar.goals_for)) + QStringLiteral(u"　失点 ") +
           QString::number(sum(bar.conceded)) + QStringLiteral(u"\n勝点 ") + QString::number(points) +
           QStringLiteral(u"（累計 ") + QString::number(bar.points_after) + QStringLiteral(u"）");
}

QString caution_summary(const std::vector<CautionRun>& runs) {
    const QString heading = QStringLiteral(u"警告の累積");
    if (runs.empty()) {
        return heading + QStringLiteral(u"：なし");
    }
    QString text = heading;
    for (const CautionRun& run : runs) {
        text += u'\n' + run.meeting + QStringLiteral(u"　") + run.member + QStringLiteral(u"　") +
                n(static_cast<int>(run.dates.size())) + QStringLiteral(u"回（") +
                run.dates.join(QStringLiteral(u", ")) + u'）';
    }
    return text;
}

QString season_copy_text(const SeasonCharts& charts, const FilterTexts& filter) {
    return decisions_block(charts.decisions) + results_block(charts.games) + scorers_block(charts.squad) +
           minutes_block(charts.squad, charts.totals.minutes) + bands_block(charts.bands) +
           shape_block(QStringLiteral(u"部位"), charts.shapes.body) +
           shape_block(QStringLiteral(u"エリア"), charts.shapes.area) +
           shape_block(QStringLiteral(u"アクション"), charts.shapes.action) + squad_block(charts.squad) +
           cautions_block(charts.cautions) + filter_block(filter);
}

}  // namespace kl
