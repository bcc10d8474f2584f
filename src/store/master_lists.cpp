#include "master_lists.h"

#include "capacities.h"

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
