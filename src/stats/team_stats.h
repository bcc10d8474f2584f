#pragma once

#include "game_replay.h"
#include "stats_filter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// The team's results and totals over the chosen games. Minutes may keep a half (202.5).
struct TeamTotals {
    int games = 0;
    double minutes = 0;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int goals = 0;
    int assists = 0;
    int conceded = 0;
};

// One member's totals over the chosen games; minutes are whole, rounded half to even.
struct PlayerLine {
    QString name;
    int minutes = 0;
    int goals = 0;
    int assists = 0;
    int cautions = 0;
    int sendings_off = 0;
};

// The team's results split by how each game was decided. Every draw counts with regular time.
struct ResultCounts {
    int wins = 0;
    int draws = 0;
    int losses = 0;
};
struct DecisionBreakdown {
    ResultCounts regular_time;
    ResultCounts extra_time;
    ResultCounts shoot_out;

    void add(const GameScore& score);
};

struct TeamStats {
    TeamTotals totals;
    DecisionBreakdown decisions;
    std::vector<PlayerLine> players;  // in order of first appearance
};

// Replays every chosen game of game_lines (in stored order).
TeamStats compute_team_stats(const QStringList& game_lines, const StatsFilter& filter);

// "全 3 試合 (270 分)  2 勝 0 敗 1 分  5 得点 3 アシスト 2 失点".
QString team_totals_line(const TeamTotals& totals);

// "（内訳）規定時間: 5勝 1分 1敗　延長: 1勝 0敗　PK: 1勝 1敗".
QString decision_breakdown_line(const DecisionBreakdown& decisions);

}  // namespace kl
