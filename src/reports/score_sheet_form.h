#pragma once

#include "store/game_record.h"

#include <QString>
#include <array>
#include <vector>

namespace kl {

// What the score sheet for filling in by hand at the pitch side holds: nothing on the blank form,
// a stored game on the sample.
struct ScoreSheetForm {
    QString team_name;
    QString date;
    QString start_time;
    QString ground;
    QString opponent;
    QString meeting;
    QString recorder;
    QString formation;

    // Goals by the form's score columns (score_columns below); empty where the game had no such period.
    std::array<QString, 6> own_goals;
    std::array<QString, 6> opponent_goals;

    struct Member {
        QString position;
        QString name;
        QString minutes;  // minutes played; empty for a reserve who did not come on
    };
    std::array<Member, md::record::starting_slots> starters;
    std::array<Member, md::record::reserve_slots> reserves;

    // One line of the timeline: a goal, a conceded goal, a card, a substitution or a change.
    struct Entry {
        QString minute;
        QString kind;
        QString player;   // scorer, carded member, member coming on, first member of a change
        QString partner;  // assister, member going off, second member of a change
        QString note;     // how the goal was scored, the new formation
    };
    std::vector<Entry> timeline;

    // The shoot-out by rounds: the own kicker and both results ("○" scored, "×" missed).
    struct Round {
        QString kicker;
        QString own;
        QString opponent;
    };
    std::vector<Round> rounds;
    QString kicks_first;  // "先攻" or "後攻" of the own team
};

// The score columns of the form, in order.
const std::array<QString, 6>& score_columns();

// The form filled in with a stored game, for the team named team_name.
ScoreSheetForm filled_score_sheet(const md::GameRecord& game, const QString& team_name);

// The demo season's game the sample sheet shows: the one with the most events (the first of equals).
std::optional<md::GameRecord> sample_game(const QStringList& game_lines);

}  // namespace kl
