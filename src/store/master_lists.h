#pragma once

#include "capacities.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace md {

// Splits a stored name list at ",": an empty list gives no names; consecutive commas give empty names.
QStringList split_list(const QString& list);

// A stored name list after adding name: the name alone when the list had no names, else line "," name.
QString line_with_name(const QString& line, bool list_was_empty, const QString& name);

// A formation line: its name and the counts of CF, WF, OH, SH, CH, DH, CB, SB and SW, as stored.
struct Formation {
    QString name;
    std::array<QString, outfield_position_count> counts;
};

// Players a side: eleven, or with small-sided games (an option) as few as four.
inline constexpr int full_side = 11;
inline constexpr int smallest_side = 4;

// A formation's size: its outfield players and the goalkeeper. The outfield counts take the ten
// rows below the goalkeeper's, so no more than ten of them count (and no negative count).
int formation_size(const Formation& formation);
// A game of fewer than eleven a side plays by the small-sided rules (free re-entry).
inline bool is_small_sided(int size) {
    return size < full_side;
}
// Whether the formation editor accepts a formation of size players: eleven, or with small-sided
// games anything from four to eleven.
bool is_allowed_formation_size(int size, bool small_sided_games);

// A meeting line: name, game time, extra time (あり/なし), extra-time mode, extra-time length and
// penalty shoot-out (あり/なし), as stored.
struct Meeting {
    QString name;
    QString game_time;
    QString extra_time;
    QString extra_mode;
    QString extra_length;
    QString shoot_out;
};

// The one reading of a stored formation or meeting line: its pieces by position, a missing piece
// empty, pieces beyond the line's fields ignored.
Formation parse_formation_line(const QString& line);
Meeting parse_meeting_line(const QString& line);

// The formations and meetings of stored lines, up to the first one without a name.
std::vector<Formation> formations_of(const QStringList& formation_lines);
std::vector<Meeting> meetings_of(const QStringList& meeting_lines);

}  // namespace md
