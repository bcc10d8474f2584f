#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
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

// One event of a game record with its own fields; field(1) is the time, field(2) the kind literal.
class GameEvent {
  public:
    EventKind kind = EventKind::Card;
    QStringList fields;

    QString field(int number) const { return fields.value(number - 1); }
    QString time() const { return field(1); }
    int minute() const;

    // Substitution
    QString slot_position() const { return field(4); }
    QString member_in() const { return field(5); }
    QString member_out() const { return field(7); }
    // Position change: member 1 takes position B, member 2 position A.
    QString new_position_1() const { return field(3); }
    QString member_1() const { return field(4); }
    QString new_position_2() const { return field(5); }
    QString member_2() const { return field(6); }
    // Card
    QString card() const { return field(3); }
    QString carded_member() const { return field(4); }
    bool sends_off() const;
    // Goal and conceded goal
    QString mark() const { return field(3); }
    QString scorer() const { return field(5); }
    QString assister() const { return field(10); }
    bool is_own_goal() const;
    GoalDetail finish() const;
    GoalDetail assist() const { return {field(11), field(12), field(13)}; }
    GoalDetail play_before() const { return {field(9), field(10), field(11)}; }
    // Formation change: rows 0-10, row 0 the goalkeeper's.
    QString new_formation() const { return field(3); }
    QString row_position(int row) const { return field(4 + 2 * row); }
    QString row_member(int row) const { return field(5 + 2 * row); }
    // Shoot-out
    bool own_kicks_first() const;
    std::vector<ShootOutKick> kicks() const;
    ShootOutScore shoot_out_score() const;
};

// Where an event stands in a record's field list.
struct EventSpan {
    EventKind kind;
    int position;  // of its time field
    int count;
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
