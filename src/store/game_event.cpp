#include "game_event.h"

#include "game_record.h"
#include "numbers.h"
#include "vocabulary.h"

#include <array>

namespace md {
namespace {

struct KindInfo {
    EventKind kind;
    const QString* literal;
    int field_count;
};

const std::array<KindInfo, 7>& kind_table() {
    static const std::array<KindInfo, 7> table = {{
        {EventKind::Substitution, &words::substitution, 7},
        {EventKind::PositionChange, &words::position_change, 6},
        {EventKind::Card, &words::card, 4},
        {EventKind::Goal, &words::goal, 13},
        {EventKind::Conceded, &words::conceded, 11},
        {EventKind::FormationChange, &words::formation_change, 25},
        {EventKind::ShootOut, &words::shoot_out, 3},
    }};
    return table;
}

const KindInfo& info(EventKind kind) {
    return kind_table()[static_cast<size_t>(kind)];
}

bool is_kick_result(QStringView field) {
    return field == words::kick_scored || field == words::kick_missed;
}

// Shoot-out kicks run from first to end (the "##"); sides alternate from the first-kicking side and
// an own kick is two fields (result, kicker), an opponent kick one (result).
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

}  // namespace

const QString& kind_literal(EventKind kind) {
    return *info(kind).literal;
}

std::optional<EventKind> kind_from_literal(QStringView literal) {
    for (const KindInfo& entry : kind_table()) {
        if (literal == *entry.literal) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

int kind_field_count(EventKind kind) {
    return info(kind).field_count;
}

int GameEvent::minute() const {
    return leading_int(time());
}

bool GameEvent::sends_off() const {
    return card() == words::sending_off || card() == words::second_caution;
}

bool GameEvent::is_own_goal() const {
    return kind == EventKind::Goal && scorer() == words::own_goal;
}

GoalDetail GameEvent::finish() const {
    if (kind == EventKind::Conceded) {
        return {field(5), field(6), field(7)};
    }
    return {field(6), field(7), field(8)};
}

bool GameEvent::own_kicks_first() const {
    return field(3) == words::kicks_first;
}

std::vector<ShootOutKick> GameEvent::kicks() const {
    std::vector<ShootOutKick> result;
    const int end = static_cast<int>(fields.size());
    // Field numbers are 1-based; the kicks begin at field 4, i.e. index 3.
    walk_kicks(
        3, end, own_kicks_first(), [this](int i) { return QStringView(fields[i]); },
        [&](bool own, int i) {
            result.push_back({own, fields[i] == words::kick_scored, own ? fields[i + 1] : QString()});
        });
    return result;
}

ShootOutScore GameEvent::shoot_out_score() const {
    ShootOutScore score;
    for (const ShootOutKick& kick : kicks()) {
        if (kick.scored) {
            ++(kick.own ? score.own : score.opponent);
        }
    }
    return score;
}

std::optional<std::vector<EventSpan>> decode_event_spans(const std::vector<QStringView>& record_fields) {
    const int end = static_cast<int>(record_fields.size()) - 1;  // position of the "##"
    if (end < record::first_event || record_fields.front() != words::start_marker ||
        record_fields.back() != words::end_marker) {
        return std::nullopt;
    }
    std::vector<EventSpan> spans;
    int p = record::first_event;
    while (p < end) {
        if (p + 1 >= end) {
            return std::nullopt;
        }
        const std::optional<EventKind> kind = kind_from_literal(record_fields[static_cast<size_t>(p + 1)]);
        if (!kind) {
            return std::nullopt;
        }
        if (*kind == EventKind::ShootOut) {
            if (p + 2 >= end) {
                return std::nullopt;
            }
            const QStringView order = record_fields[static_cast<size_t>(p + 2)];
            if (order != words::kicks_first && order != words::kicks_second) {
                return std::nullopt;
            }
            const bool valid = walk_kicks(
                p + 3, end, order == words::kicks_first,
                [&](int i) { return record_fields[static_cast<size_t>(i)]; }, [](bool, int) {});
            if (!valid) {
                return std::nullopt;
            }
            spans.push_back({*kind, p, end - p});
            break;
        }
        const int count = kind_field_count(*kind);
        if (p + count > end) {
            return std::nullopt;
        }
        spans.push_back({*kind, p, count});
        p += count;
    }
    return spans;
}

std::vector<GameEvent> events_from_spans(const QStringList& record_fields,
                                         const std::vector<EventSpan>& spans) {
    std::vector<GameEvent> events;
    events.reserve(spans.size());
    for (const EventSpan& span : spans) {
        events.push_back({span.kind, record_fields.mid(span.position, span.count)});
    }
    return events;
}

GameEvent event_from_span(const std::vector<QStringView>& record_fields, const EventSpan& span) {
    GameEvent event{span.kind, {}};
    for (int i = span.position; i < span.position + span.count; ++i) {
        event.fields.append(record_fields[static_cast<size_t>(i)].toString());
    }
    return event;
}

}  // namespace md
