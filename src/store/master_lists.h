#pragma once

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
    std::array<QString, 9> counts;
};

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

// The first `count` pieces of each line, concatenated (formation_fields, meeting_fields).
QStringList split_lines_into_fields(const QStringList& lines, int count);

// The formations and meetings of the derived field tables, up to the first one without a name.
std::vector<Formation> formations_from_fields(const QStringList& formation_fields);
std::vector<Meeting> meetings_from_fields(const QStringList& meeting_fields);

}  // namespace md
