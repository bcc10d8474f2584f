#pragma once

#include "numbers.h"
#include "vocabulary.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

namespace md {

enum class EventKind { Substitution, PositionChange, Card, Goal, Conceded, FormationChange, ShootOut };

const QString& kind_literal(EventKind kind);
std::optional<EventKind> kind_from_literal(QStringView literal);
// The number of fields an event of this kind occupies; the shoot-out has 3 plus its kicks.
int kind_field_count(EventKind kind);

// The three details of a finish, an assist or a play before a goal.
struct GoalDetail {
    QString body;
    QString area;
    QString action;
    bool operator==(const GoalDetail& other) const {
        return body == other.body && area == other.area && action == other.action;
    }
};

struct ShootOutKick {
    bool own = false;  // a kick of the own team, which names its kicker
    bool scored = false;
    QString kicker;
};

struct ShootOutScore {
    int own = 0;
    int opponent = 0;
};

// Where each field of an event stands, numbered from 1 (its time): the one place that knows.
namespace event_field {
inline constexpr int time = 1;
inline constexpr int kind = 2;
// Substitution: the pitch slot's position, the member coming on and the one going off.
inline constexpr int slot_position = 4;
inline constexpr int member_in = 5;
inline constexpr int member_out = 7;
// Position change: member 1 takes position B (new_position_1), member 2 position A.
inline constexpr int new_position_1 = 3;
inline constexpr int member_1 = 4;
inline constexpr int new_position_2 = 5;
inline constexpr int member_2 = 6;
// Card.
inline constexpr int card = 3;
inline constexpr int carded_member = 4;
// Goal and conceded goal: the mark, then each detail group as body part, area and action.
inline constexpr int mark = 3;
inline constexpr int scorer = 5;
inline constexpr int finish = 6;
inline constexpr int assister = 10;
inline constexpr int assist = 11;
inline constexpr int conceded_finish = 5;
inline constexpr int play_before = 9;
// Formation change: the new formation, then each of the 11 rows as position and member.
inline constexpr int new_formation = 3;
constexpr int row_position(int row) {
    return 4 + 2 * row;
}
constexpr int row_member(int row) {
    return 5 + 2 * row;
}
// Shoot-out: who kicked first, then the kicks.
inline constexpr int kick_order = 3;
inline constexpr int first_kick = 4;
}  // namespace event_field

// A field's text as a string of its own.
inline QString owned(const QString& text) {
    return text;
}
inline QString owned(QStringView text) {
    return text.toString();
}

// Whether a kick field reads as a kick: "1" scored or "0" missed.
bool is_kick_result(QStringView field);

// Shoot-out kicks run from field `first` up to `end`; sides alternate from the first-kicking side,
// and an own kick is two fields (result, kicker), an opponent kick one (result). on_kick(own, field)
// runs for each kick; false when a field that should be a kick is none.
template <typename Field, typename OnKick>
bool walk_kicks(int first, int end, bool own_first, Field field, OnKick on_kick) {
    bool own = own_first;
    int p = first;
    while (p < end) {
        if (!is_kick_result(field(p)) || (own && p + 1 >= end)) {
            return false;
        }
        on_kick(own, p);
        p += own ? 2 : 1;
        own = !own;
    }
    return true;
}

// What an event's fields mean, field(1) the time and field(2) the kind literal: the same for an
// event that owns its fields (GameEvent) and one read in place (EventView). Event gives kind,
// field(number) and field_count().
template <typename Event>
class EventFields {
  public:
    auto time() const { return at(event_field::time); }
    int minute() const { return leading_int(time()); }

    // Substitution
    auto slot_position() const { return at(event_field::slot_position); }
    auto member_in() const { return at(event_field::member_in); }
    auto member_out() const { return at(event_field::member_out); }
    // Position change: member 1 takes position B, member 2 position A.
    auto new_position_1() const { return at(event_field::new_position_1); }
    auto member_1() const { return at(event_field::member_1); }
    auto new_position_2() const { return at(event_field::new_position_2); }
    auto member_2() const { return at(event_field::member_2); }
    // Card
    auto card() const { return at(event_field::card); }
    auto carded_member() const { return at(event_field::carded_member); }
    bool sends_off() const { return card() == words::sending_off || card() == words::second_caution; }
    // Goal and conceded goal
    auto mark() const { return at(event_field::mark); }
    auto scorer() const { return at(event_field::scorer); }
    auto assister() const { return at(event_field::assister); }
    bool is_own_goal() const { return self().kind == EventKind::Goal && scorer() == words::own_goal; }
    GoalDetail finish() const {
        return detail(self().kind == EventKind::Conceded ? event_field::conceded_finish
                                                         : event_field::finish);
    }
    GoalDetail assist() const { return detail(event_field::assist); }
    GoalDetail play_before() const { return detail(event_field::play_before); }
    // Formation change: rows 0-10, row 0 the goalkeeper's.
    auto new_formation() const { return at(event_field::new_formation); }
    auto row_position(int row) const { return at(event_field::row_position(row)); }
    auto row_member(int row) const { return at(event_field::row_member(row)); }
    // Shoot-out: the order, then the kicks.
    bool own_kicks_first() const { return at(event_field::kick_order) == words::kicks_first; }
    std::vector<ShootOutKick> kicks() const {
        std::vector<ShootOutKick> result;
        walk_kicks(
            event_field::first_kick, self().field_count() + 1, own_kicks_first(),
            [this](int i) { return QStringView(at(i)); },
            [&](bool own, int i) {
                result.push_back({own, at(i) == words::kick_scored, own ? owned(at(i + 1)) : QString()});
            });
        return result;
    }
    ShootOutScore shoot_out_score() const {
        ShootOutScore score;
        walk_kicks(
            event_field::first_kick, self().field_count() + 1, own_kicks_first(),
            [this](int i) { return QStringView(at(i)); },
            [&](bool own, int i) {
                if (at(i) == words::kick_scored) {
                    ++(own ? score.own : score.opponent);
                }
            });
        return score;
    }

  private:
    const Event& self() const { return static_cast<const Event&>(*this); }
    auto at(int number) const { return self().field(number); }
    GoalDetail detail(int body) const { return {owned(at(body)), owned(at(body + 1)), owned(at(body + 2))}; }
};

// One event of a game record with its own fields.
class GameEvent : public EventFields<GameEvent> {
  public:
    GameEvent() = default;
    GameEvent(EventKind event_kind, QStringList event_fields)
        : kind(event_kind), fields(std::move(event_fields)) {}

    EventKind kind = EventKind::Card;
    QStringList fields;

    QString field(int number) const { return fields.value(number - 1); }
    int field_count() const { return static_cast<int>(fields.size()); }
};

// The numbers of an event's fields that hold a member's name (an own goal's "オウンゴール" is none),
// and of those that hold a position code.
std::vector<int> member_field_numbers(const GameEvent& event);
std::vector<int> position_field_numbers(const GameEvent& event);

// Where an event stands in a record's field list.
struct EventSpan {
    EventKind kind;
    int position;  // of its time field
    int count;
};

// One event read in place: views into its record's fields, which must outlive it.
class EventView : public EventFields<EventView> {
  public:
    EventView(const std::vector<QStringView>& record_fields, const EventSpan& span)
        : kind(span.kind), fields_(&record_fields), span_(span) {}

    EventKind kind;
    QStringView field(int number) const {
        return number >= 1 && number <= span_.count
                   ? (*fields_)[static_cast<size_t>(span_.position + number - 1)]
                   : QStringView();
    }
    int field_count() const { return span_.count; }

  private:
    const std::vector<QStringView>* fields_;
    EventSpan span_;
};

// Decodes the events of a record given as its fields from "#" (position 0) to the closing "##".
// Each event is found where the previous one ends, by its kind's field count; nullopt when a field
// that should begin an event is no kind, an event runs into the "##", or a shoot-out is malformed.
std::optional<std::vector<EventSpan>> decode_event_spans(const std::vector<QStringView>& record_fields);

// The typed events of a record from its fields and decoded spans.
std::vector<GameEvent> events_from_spans(const QStringList& record_fields,
                                         const std::vector<EventSpan>& spans);
// One typed event from a record's field views.
GameEvent event_from_span(const std::vector<QStringView>& record_fields, const EventSpan& span);

}  // namespace md
