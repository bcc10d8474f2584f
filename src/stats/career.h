#pragma once

#include "player_stats.h"
#include "season_record.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// A member's line of one team file, as its squad table shows it (all zeros where the member is on
// the member list but in no line-up).
struct CareerRow {
    QString file;
    QString team_name;
    SquadLine line;
};

// What a milestone counts: games played, goals or assists.
enum class MilestoneKind { games, goals, assists };

// The game in which a member reached a count: the first game (count 1), the 50th, the 10th goal...
struct Milestone {
    MilestoneKind kind = MilestoneKind::games;
    int count = 0;
    QString date;
    QString opponent;
    QString team_name;
};

// A game in which the member scored.
struct GoalGame {
    QString date;
    QString opponent;
    QString meeting;
    int goals = 0;
};

// A member through the chosen team files, from the first to the last.
struct Career {
    QString member;
    std::vector<CareerRow> rows;        // the files the member belongs to, in the order given
    SquadLine total;                    // the rows added up (出場率 from the added minutes)
    PositionTally positions{};          // the personal view's minutes and counts per position, added up
    std::vector<Milestone> milestones;  // in date order
    std::vector<GoalGame> goal_games;   // in date order

    // The dates of the member's first and last game in a line-up; empty when there is none.
    QString first_date;
    QString last_date;
};

// The counts at which a milestone is reached.
const std::vector<int>& milestone_counts(MilestoneKind kind);

// seasons in the order the rows should have (date order, sort_seasons).
Career compute_career(const std::vector<const SeasonRecord*>& seasons, const QString& member);

// Every member of the seasons (a name: the same name in two files is the same member), in text order.
QStringList career_members(const std::vector<const SeasonRecord*>& seasons);
// The members named in a line-up of some game of the seasons, in text order: those with a record.
QStringList members_with_games(const std::vector<const SeasonRecord*>& seasons);

}  // namespace kl
