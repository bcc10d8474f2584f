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

Formation parse_formation_line(const QString& line) {
    const QStringList pieces = line.split(u',');
    Formation formation{pieces.value(0), {}};
    for (int k = 0; k < outfield_position_count; ++k) {
        formation.counts[static_cast<size_t>(k)] = pieces.value(1 + k);
    }
    return formation;
}

Meeting parse_meeting_line(const QString& line) {
    const QStringList pieces = line.split(u',');
    return {pieces.value(0), pieces.value(1), pieces.value(2),
            pieces.value(3), pieces.value(4), pieces.value(5)};
}

namespace {

template <typename Item, Item (*parse)(const QString&)>
std::vector<Item> named_items(const QStringList& lines) {
    std::vector<Item> items;
    for (const QString& line : lines) {
        Item item = parse(line);
        if (item.name.isEmpty()) {
            break;
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::vector<Formation> formations_of(const QStringList& formation_lines) {
    return named_items<Formation, parse_formation_line>(formation_lines);
}

std::vector<Meeting> meetings_of(const QStringList& meeting_lines) {
    return named_items<Meeting, parse_meeting_line>(meeting_lines);
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

}  // namespace md
