#pragma once

#include <QtGlobal>

namespace md {

// The limits of the team data file and its tables. A file beyond them is refused as a whole.
inline constexpr int max_file_lines = 10001;
inline constexpr int max_formations = 1000;
inline constexpr int max_meetings = 166;
inline constexpr int max_game_lines = 10001;
inline constexpr int max_game_fields = 100001;

// The outfield positions a formation counts (CF to SW); the goalkeeper is always one.
inline constexpr int outfield_position_count = 9;

// Fields per stored formation line (name and the outfield counts) and per meeting line.
inline constexpr int formation_field_count = 1 + outfield_position_count;
inline constexpr int meeting_field_count = 6;

// The game entry wizard's working table: fixed fields 0-42, event fields from 43 on.
inline constexpr int event_fields_capacity = 10001;
inline constexpr int fixed_field_count = 43;

// Distinct members and meetings collected from the stored games.
inline constexpr int max_unique_names = 1000;

// The longest name the program takes: a pasted text longer than this would make the lists unusable.
inline constexpr int max_name_length = 100;

// The largest team data file the tables can take, in bytes: a larger file is refused before a byte
// of it is read. Every field the file can hold, at the longest a name may be, in cp932 (two bytes a
// character) and followed by its comma or its line end: the game fields, the formation and meeting
// fields, the team name, and as many names in each of the four name lists as the program lists.
// Empty lines and the section headers, one per line of the file, take the rest. About 23 MB.
inline constexpr qint64 max_team_file_fields = max_game_fields + max_formations * formation_field_count +
                                               max_meetings * meeting_field_count + 1 + 4 * max_unique_names;
inline constexpr qint64 max_team_file_bytes =
    max_team_file_fields * (2 * max_name_length + 2) + qint64{max_file_lines} * 32;

}  // namespace md
