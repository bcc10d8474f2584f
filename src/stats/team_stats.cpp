#include "team_stats.h"

#include "store/numbers.h"
#include "team_replay.h"

namespace kl {

void DecisionBreakdown::add(const GameScore& score) {
    const Decision decision = score.decision();
    ResultCounts& counts = decision == Decision::shoot_out    ? shoot_out
                           : decision == Decision::extra_time ? extra_time
                                                              : regular_time;
    switch (score.result()) {
        case GameResult::win:
            ++counts.wins;
            break;
        case GameResult::draw:
            ++counts.draws;
            break;
        case GameResult::loss:
            ++counts.losses;
            break;
    }
}

TeamStats compute_team_stats(const QStringList& game_lines, const StatsFilter& filter) {
    TeamStats stats;
    TeamReplay replay(stats);
    md::RecordView game;
    for (const QString& line : game_lines) {
        if (game.read(line) && select_games(filter, game)) {
            replay.add_game(game);
        }
    }
    return stats;
}

QString team_totals_line(const TeamTotals& totals) {
    auto n = [](int value) { return QString::number(value); };
    return QStringLiteral(u"全 ") + n(totals.games) + QStringLiteral(u" 試合 (") +
           md::shortest_decimal(totals.minutes) + QStringLiteral(u" 分)  ") + n(totals.wins) +
           QStringLiteral(u" 勝 ") + n(totals.losses) + QStringLiteral(u" 敗 ") + n(totals.draws) +
           QStringLiteral(u" 分  ") + n(totals.goals) + QStringLiteral(u" 得点 ") + n(totals.assists) +
           QStringLiteral(u" アシスト ") + n(totals.conceded) + QStringLiteral(u" 失点");
}

QString decision_breakdown_line(const DecisionBreakdown& decisions) {
    auto n = [](int value) { return QString::number(value); };
    auto won_lost = [&n](const ResultCounts& counts) {
        return n(counts.wins) + QStringLiteral(u"勝 ") + n(counts.losses) + QStringLiteral(u"敗");
    };
    const ResultCounts& regular = decisions.regular_time;
    return QStringLiteral(u"（内訳）規定時間: ") + n(regular.wins) + QStringLiteral(u"勝 ") +
           n(regular.draws) + QStringLiteral(u"分 ") + n(regular.losses) + QStringLiteral(u"敗　延長: ") +
           won_lost(decisions.extra_time) + QStringLiteral(u"　PK: ") + won_lost(decisions.shoot_out);
}

}  // namespace kl
