#pragma once

#include "game_replay.h"
#include "stats_filter.h"
#include "team_stats.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// One chosen game as the results chart shows it.
struct GameBar {
    QString date;
    QString start_time;
    QString opponent;
    QString meeting;
    GameScore score;
    bool shoot_out = false;  // a penalty shoot-out was taken
    int points_after = 0;    // the points of the games up to this one, 3 a win, 1 a draw
};

// One member over the chosen games: the team view's figures, and where and how long they played.
struct SquadLine {
    QString name;
    int games = 0;             // on the pitch at all
    int starts = 0;            // in the starting line-up
    int came_on = 0;           // not starting, on as a substitute
    int minutes = 0;           // as in the team view
    double minutes_named = 0;  // the minutes of the games the member was named in, starting or reserve
    int goals = 0;
    int assists = 0;
    int cautions = 0;
    int sendings_off = 0;
    bool kept_goal = false;    // held GK at some time in a chosen game
    int conceded_in_goal = 0;  // goals conceded while in goal
    int clean_sheets = 0;      // games in goal from start to end without a goal conceded
};

// What each bar of a small chart counts: labels and counts in step.
struct LabelledCounts {
    QStringList labels;
    std::vector<int> counts;
};

// Goals for and against per 15 minutes of regular time, and in extra time.
struct TimeBands {
    QStringList labels;  // "0-15分", "16-30分", …, "延長" (when a chosen game has extra time)
    std::vector<int> goals_for;
    std::vector<int> conceded;
};

// The team's goals by the details of their finish; an own goal of the opponent is a bar of its own.
struct GoalShapes {
    LabelledCounts body;
    LabelledCounts area;
    LabelledCounts action;
};

// A member's cautions in one meeting once they reach two: who may miss the next game.
struct CautionRun {
    QString meeting;
    QString member;
    QStringList dates;  // of the games with a caution, in date order (twice for two in one game)
};

// Everything the chart view shows, from one pass over the chosen games.
struct SeasonCharts {
    TeamTotals totals;
    DecisionBreakdown decisions;
    std::vector<GameBar> games;    // in date and start time order
    std::vector<SquadLine> squad;  // in order of first appearance, as the team view's members
    TimeBands bands;
    GoalShapes shapes;
    std::vector<CautionRun> cautions;  // by meeting, then in squad order
};

SeasonCharts compute_season_charts(const QStringList& game_lines, const StatsFilter& filter);

int points_of(GameResult result);

// The members with a goal or an assist, most goals first, then most assists; ties keep squad order.
std::vector<SquadLine> scorers_order(const std::vector<SquadLine>& squad);
// Every member, most minutes first; ties keep squad order.
std::vector<SquadLine> minutes_order(const std::vector<SquadLine>& squad);

// minutes over possible, as a share from 0 to 1; 0 when nothing was possible. A member on the pitch
// for a whole game shortened to a half minute has the half rounded up, so the share stops at 1.
double minutes_share(int minutes, double possible);

}  // namespace kl
