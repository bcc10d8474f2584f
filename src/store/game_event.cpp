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

bool is_kick_result(QStringView field) {
    return field == words::kick_scored || field == words::kick_missed;
}

std::vector<int> member_field_numbers(const GameEvent& event) {
    switch (event.kind) {
        case EventKind::Substitution:
            return {event_field::member_in, event_field::member_out};
        case EventKind::PositionChange:
            return {event_field::member_1, event_field::member_2};
        case EventKind::Card:
            return {event_field::carded_member};
        case EventKind::Goal:
            if (event.is_own_goal()) {
                return {event_field::assister};
            }
            return {event_field::scorer, event_field::assister};
        case EventKind::FormationChange: {
            std::vector<int> rows;
            for (int row = 0; row < record::starting_slots; ++row) {
                rows.push_back(event_field::row_member(row));
            }
            return rows;
        }
        case EventKind::ShootOut: {
            std::vector<int> kickers;
            walk_kicks(
                event_field::first_kick, event.field_count() + 1, event.own_kicks_first(),
                [&](int i) { return QStringView(event.fields[i - 1]); },
                [&](bool own, int i) {
                    if (own) {
                        kickers.push_back(i + 1);
                    }
                });
            return kickers;
        }
        case EventKind::Conceded:
            break;
    }
    return {};
}

std::vector<int> position_field_numbers(const GameEvent& event) {
    switch (event.kind) {
        case EventKind::Substitution:
            return {event_field::slot_position};
        case EventKind::PositionChange:
            return {event_field::new_position_1, event_field::new_position_2};
        case EventKind::FormationChange: {
            std::vector<int> rows;
            for (int row = 0; row < record::starting_slots; ++row) {
                rows.push_back(event_field::row_position(row));
            }
            return rows;
        }
        default:
            break;
    }
    return {};
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
