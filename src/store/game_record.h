#pragma once

#include "capacities.h"
#include "game_event.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace md {

// Where each field of a game record stands, counted from the "#" as 0: the one place that knows.
namespace record {
inline constexpr int start_marker = 0;
inline constexpr int recorder = 1;
inline constexpr int date = 2;
inline constexpr int start_time = 3;
inline constexpr int ground = 4;
inline constexpr int opponent = 5;
inline constexpr int meeting = 6;
// The meeting's rules as they were when the game was entered.
inline constexpr int game_time = 7;
inline constexpr int extra_time = 8;
inline constexpr int extra_mode = 9;
inline constexpr int extra_length = 10;
inline constexpr int shoot_out = 11;
inline constexpr int formation = 12;
// The line-up: eleven starting slots (slot 0 the goalkeeper) of position and member, nine reserves.
inline constexpr int starting_slots = 11;
inline constexpr int reserve_slots = 9;
constexpr int starting_position(int slot) {
    return 13 + 2 * slot;
}
constexpr int starting_member(int slot) {
    return 14 + 2 * slot;
}
constexpr int reserve(int slot) {
    return 35 + slot;
}
inline constexpr int first_event = reserve(reserve_slots);
}  // namespace record

// The wizard's working table (event_fields) holds a record's fields without the "#".
constexpr int working_entry(int position) {
    return position - 1;
}
static_assert(working_entry(record::first_event) == fixed_field_count);

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
    QString recorder() const { return field(record::recorder); }
    QString date() const { return field(record::date); }
    QString start_time() const { return field(record::start_time); }
    QString ground() const { return field(record::ground); }
    QString opponent() const { return field(record::opponent); }
    QString meeting() const { return field(record::meeting); }
    QString game_time() const { return field(record::game_time); }
    QString extra_time() const { return field(record::extra_time); }
    QString extra_mode() const { return field(record::extra_mode); }
    QString extra_length() const { return field(record::extra_length); }
    QString shoot_out() const { return field(record::shoot_out); }
    QString formation() const { return field(record::formation); }
    // Starting slots 0-10 (slot 0 the goalkeeper) and reserve slots 0-8.
    QString starting_position(int slot) const { return field(record::starting_position(slot)); }
    QString starting_member(int slot) const { return field(record::starting_member(slot)); }
    QString reserve(int slot) const { return field(record::reserve(slot)); }

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
