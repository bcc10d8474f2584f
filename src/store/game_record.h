#pragma once

#include "game_event.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace md {

// A record line split at "," up to and including its first "##" field; later pieces are ignored.
std::vector<QStringView> split_record_line(QStringView line);
// The same into a vector that keeps its capacity between lines.
void split_record_line(QStringView line, std::vector<QStringView>& fields);

// The number of fields split_record_line gives, counted without splitting.
qsizetype record_field_count(QStringView line);

// Whether a stored game line can be read: it begins with "#", has its 43 fixed fields, a "##", and
// events that decode. Returns its number of fields, or 0 when it cannot be read.
qsizetype readable_game_line_fields(QStringView line, std::vector<QStringView>& scratch);
bool is_readable_game_line(QStringView line);

// One stored game: its fields by record position ("#" at 0, the closing "##" last) and its events.
class GameRecord {
  public:
    // nullopt when the line cannot be read (see is_readable_game_line).
    static std::optional<GameRecord> parse(QStringView line);

    QStringList fields;
    std::vector<GameEvent> events;

    QString field(int position) const { return fields.value(position); }
    QString recorder() const { return field(1); }
    QString date() const { return field(2); }
    QString start_time() const { return field(3); }
    QString ground() const { return field(4); }
    QString opponent() const { return field(5); }
    QString meeting() const { return field(6); }
    QString game_time() const { return field(7); }
    QString extra_time() const { return field(8); }
    QString extra_mode() const { return field(9); }
    QString extra_length() const { return field(10); }
    QString shoot_out() const { return field(11); }
    QString formation() const { return field(12); }
    // Starting slots 0-10 (slot 0 the goalkeeper) and reserve slots 0-8.
    QString starting_position(int slot) const { return field(13 + 2 * slot); }
    QString starting_member(int slot) const { return field(14 + 2 * slot); }
    QString reserve(int slot) const { return field(35 + slot); }

    bool has_extra_time() const;
    bool has_shoot_out() const;
};

// The date and start time of a game, joined by one blank: what period lists show and compare.
QString game_key(const QString& date, const QString& start_time);

// The text that identifies a game in the deletion dialog: date, time, opponent, ground.
QString deletion_list_text(const QString& date, const QString& start_time, const QString& opponent,
                           const QString& ground);

// Two games are the same game when date, start time, ground and opponent are equal texts.
struct GameIdentity {
    QString date;
    QString start_time;
    QString ground;
    QString opponent;
    bool operator==(const GameIdentity& other) const {
        return date == other.date && start_time == other.start_time && ground == other.ground &&
               opponent == other.opponent;
    }
};

// The record line of the wizard's working table: "#", entries 0 to 42 + event_field_count, "##".
QString compose_record_line(const QStringList& event_fields, int event_field_count);

// Sorts game lines by their whole text in UTF-16 code unit order; equal lines keep their order.
void sort_game_lines(QStringList& game_lines);

}  // namespace md
