#pragma once

#include "text_file.h"

#include <QString>
#include <map>
#include <optional>

namespace md {

// How the outputs made for sharing (the result picture, the member card, the web pages) name the
// members: full names, family names, initials ("H.S."), or none (numbers only). Written as its
// number in setting.ini.
enum class SharedNames { full = 0, family = 1, initials = 2, none = 3 };

// A settings line's choice; nothing when the line is missing or holds no number of the four.
std::optional<SharedNames> shared_names_from_line(const std::optional<QString>& line);

// The readings of members' names, for initials of names written in kanji: "佐藤 翔" read
// "さとう しょう" (or "Sato Sho"). They are kept beside the team files, outside them, in a file of
// their own: one line per member, name and reading joined by ",", cp932 with CR LF, by name order.
inline const QString readings_file_name = QStringLiteral(u"readings.ini");
using NameReadings = std::map<QString, QString>;

// The readings file of the folder that holds team_file.
QString readings_path_for(const QString& team_file);

// The readings the file holds; none when there is no file. Lines that are not "name,reading" are
// passed over.
NameReadings read_name_readings(const QString& path);

// Writes the readings (members without a reading are left out), replacing the file only when the
// whole of it is written.
WriteResult write_name_readings(const QString& path, const NameReadings& readings);

}  // namespace md
