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

// A starting slot without a position is not in use: a small-sided game leaves the rows its formation
// does not reach without position and member. Such a slot is neither shown nor counted anywhere.
inline bool is_slot_in_use(QStringView position) {
    return !position.isEmpty();
}

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

// What a game record's fields mean, by their record positions: the same for a game that owns its
// fields (GameRecord) and one read in place (RecordView). Record gives field(position).
template <typename Record>
class RecordFields {
  public:
    auto recorder() const { return at(record::recorder); }
    auto date() const { return at(record::date); }
    auto start_time() const { return at(record::start_time); }
    auto ground() const { return at(record::ground); }
    auto opponent() const { return at(record::opponent); }
    auto meeting() const { return at(record::meeting); }
    auto game_time() const { return at(record::game_time); }
    auto extra_time() const { return at(record::extra_time); }
    auto extra_mode() const { return at(record::extra_mode); }
    auto extra_length() const { return at(record::extra_length); }
    auto shoot_out() const { return at(record::shoot_out); }
    auto formation() const { return at(record::formation); }
    // Starting slots 0-10 (slot 0 the goalkeeper) and reserve slots 0-8.
    auto starting_position(int slot) const { return at(record::starting_position(slot)); }
    auto starting_member(int slot) const { return at(record::starting_member(slot)); }
    auto reserve(int slot) const { return at(record::reserve(slot)); }
    bool slot_in_use(int slot) const { return is_slot_in_use(starting_position(slot)); }

    bool has_extra_time() const { return extra_time() == words::yes; }
    bool has_shoot_out() const { return shoot_out() == words::yes; }

  private:
    auto at(int position) const { return static_cast<const Record&>(*this).field(position); }
};

// One stored game: its fields by record position ("#" at 0, the closing "##" last) and its events.
class GameRecord : public RecordFields<GameRecord> {
  public:
    // nullopt when the line cannot be read (see is_readable_game_line).
    static std::optional<GameRecord> parse(QStringView line);

    QStringList fields;
    std::vector<GameEvent> events;

    QString field(int position) const { return fields.value(position); }
};

// A stored game read in place: its fields and events are views into its line, which must outlive
// them. The statistics walk every game this way, as copying each field would cost more than the walk.
class RecordView : public RecordFields<RecordView> {
  public:
    RecordView() = default;
    RecordView(const RecordView&) = delete;  // its events point into its own fields
    RecordView& operator=(const RecordView&) = delete;

    // Reads line in place of the game read before; false when it cannot be read.
    bool read(QStringView line);
    QStringView field(int position) const {
        return position >= 0 && static_cast<size_t>(position) < fields_.size()
                   ? fields_[static_cast<size_t>(position)]
                   : QStringView();
    }
    const std::vector<EventView>& events() const { return events_; }

  private:
    std::vector<QStringView> fields_;
    std::vector<EventView> events_;
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
    // Whether a stored game line is of this game, read from the line's first fields alone.
    bool matches(QStringView line) const;
};

// The record line of the wizard's working table: "#", entries 0 to 42 + event_field_count, "##".
QString compose_record_line(const QStringList& event_fields, int event_field_count);

// Sorts game lines by their whole text in UTF-16 code unit order; equal lines keep their order.
void sort_game_lines(QStringList& game_lines);

}  // namespace md
