#pragma once

#include "game_event.h"

#include <QString>
#include <QStringList>
#include <array>

namespace md {

// The stored fields of each event kind, in the order a record keeps them.
QStringList compose_substitution(const QString& time, const QString& position, const QString& member_in,
                                 const QString& member_out);
QStringList compose_position_change(const QString& time, const QString& new_position_1,
                                    const QString& member_1, const QString& new_position_2,
                                    const QString& member_2);
QStringList compose_card(const QString& time, const QString& card, const QString& member);
// An empty assister leaves the four assist fields empty, whatever assist holds.
QStringList compose_goal(const QString& time, const QString& mark, const QString& scorer,
                         const GoalDetail& finish, const QString& assister, const GoalDetail& assist);
QStringList compose_conceded(const QString& time, const QString& mark, const GoalDetail& finish,
                             const GoalDetail& play_before);

struct PitchRow {
    QString position;
    QString member;
};
using PitchRows = std::array<PitchRow, 11>;
QStringList compose_formation_change(const QString& time, const QString& formation, const PitchRows& rows);

// kick_fields: the kicks in the order taken; an own kick "1"/"0" and the kicker, an opponent kick "1"/"0".
QStringList compose_shoot_out(bool own_kicks_first, const QStringList& kick_fields);

// The mark of a goal or conceded goal scored in extra time under the given mode ("" otherwise).
QString goal_mark(bool in_extra_time, const QString& extra_mode);

enum class LineColour { normal, yellow, red, grey };

// A line of the entry window's event list: 時間, イベント, 内容 and the colour of 内容.
struct EventListLine {
    QString time;
    QString kind;
    QString content;
    LineColour colour = LineColour::normal;
};

// formation_before: the formation in force before a formation change (ignored for other kinds).
EventListLine event_list_line(const GameEvent& event, const QString& formation_before = {});

}  // namespace md
