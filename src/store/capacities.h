#pragma once

namespace md {

// The limits of the team data file and its tables. A file beyond them is refused as a whole.
inline constexpr int max_file_lines = 10001;
inline constexpr int max_formations = 1000;
inline constexpr int max_meetings = 166;
inline constexpr int max_game_lines = 10001;
inline constexpr int max_game_fields = 100001;

// Fields per stored formation line (name and nine counts) and per meeting line.
inline constexpr int formation_field_count = 10;
inline constexpr int meeting_field_count = 6;

// The game entry wizard's working table: fixed fields 0-42, event fields from 43 on.
inline constexpr int event_fields_capacity = 10001;
inline constexpr int fixed_field_count = 43;

// Distinct members and meetings collected from the stored games.
inline constexpr int max_unique_names = 1000;

}  // namespace md
