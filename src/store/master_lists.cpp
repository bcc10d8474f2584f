#include "master_lists.h"

#include "capacities.h"
#include "numbers.h"

#include <algorithm>

namespace md {

QStringList split_list(const QString& list) {
    if (list.isEmpty()) {
        return {};
    }
    return list.split(u',');
}

QString line_with_name(const QString& line, bool list_was_empty, const QString& name) {
    return list_was_empty ? name : line + u',' + name;
}

QStringList split_lines_into_fields(const QStringList& lines, int count) {
    QStringList fields;
    fields.reserve(lines.size() * count);
    for (const QString& line : lines) {
        const QStringList pieces = line.split(u',');
        for (int i = 0; i < count; ++i) {
            fields.append(pieces.value(i));
        }
    }
    return fields;
}

std::vector<Formation> formations_from_fields(const QStringList& formation_fields) {
    std::vector<Formation> formations;
    for (qsizetype i = 0; i < formation_fields.size() && !formation_fields[i].isEmpty();
         i += formation_field_count) {
        Formation formation{formation_fields[i], {}};
        for (int k = 0; k < 9; ++k) {
            formation.counts[static_cast<size_t>(k)] = formation_fields.value(i + 1 + k);
        }
        formations.push_back(formation);
    }
    return formations;
}

int formation_size(const Formation& formation) {
    long long outfield = 0;
    for (const QString& count : formation.counts) {
        outfield += std::max(0, leading_int(count));
    }
    return static_cast<int>(std::min<long long>(outfield, full_side - 1)) + 1;
}

bool is_allowed_formation_size(int size, bool small_sided_games) {
    return small_sided_games ? size >= smallest_side && size <= full_side : size == full_side;
}

std::vector<Meeting> meetings_from_fields(const QStringList& meeting_fields) {
    std::vector<Meeting> meetings;
    for (qsizetype i = 0; i < meeting_fields.size() && !meeting_fields[i].isEmpty();
         i += meeting_field_count) {
        meetings.push_back({meeting_fields[i], meeting_fields.value(i + 1), meeting_fields.value(i + 2),
                            meeting_fields.value(i + 3), meeting_fields.value(i + 4),
                            meeting_fields.value(i + 5)});
    }
    return meetings;
}

}  // namespace md
