#include "list_sorting.h"

#include "player_stats.h"
#include "store/numbers.h"
#include "store/text_order.h"

#include <algorithm>

namespace kl {

void descending_rebuild_sort(std::vector<StatsRow>& rows, int column) {
    const auto index = static_cast<size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [index](const StatsRow& a, const StatsRow& b) {
        return md::leading_int(a[index]) > md::leading_int(b[index]);
    });
    for (StatsRow& row : rows) {
        row[1] = QString::number(md::leading_int(row[1]));
    }
}

void ascending_text_sort(std::vector<StatsRow>& rows, int column) {
    const auto index = static_cast<size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [index](const StatsRow& a, const StatsRow& b) {
        return md::text_less(a[index], b[index]);
    });
}

void fixed_position_order(std::vector<StatsRow>& rows) {
    const auto& labels = position_row_labels();
    auto rank = [&labels](const StatsRow& row) {
        return std::find(labels.begin(), labels.end(), row[0]) - labels.begin();
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const StatsRow& a, const StatsRow& b) { return rank(a) < rank(b); });
}

void sort_after_header_click(std::vector<StatsRow>& rows, int column, StatsList list) {
    if (column > 0) {
        descending_rebuild_sort(rows, column);
    } else if (list == StatsList::team) {
        ascending_text_sort(rows, 0);
    } else {
        fixed_position_order(rows);
    }
}

}  // namespace kl

namespace kl {
namespace {

StatsRow figures_row(const QString& label, int minutes, int goals, int assists, int cautions,
                     int sendings_off) {
    auto n = [](int value) { return QString::number(value); };
    return {label, n(minutes), n(goals), n(assists), n(cautions), n(sendings_off)};
}

}  // namespace

std::vector<StatsRow> team_rows(const TeamStats& stats) {
    std::vector<StatsRow> rows;
    for (const PlayerLine& line : stats.players) {
        rows.push_back(
            figures_row(line.name, line.minutes, line.goals, line.assists, line.cautions, line.sendings_off));
    }
    return rows;
}

std::vector<StatsRow> personal_rows(const PersonalStats& stats) {
    std::vector<StatsRow> rows;
    for (size_t row = 0; row < stats.positions.size(); ++row) {
        const PositionFigures& f = stats.positions[row];
        rows.push_back(figures_row(position_row_labels()[row], f.minutes, f.goals, f.assists, f.cautions,
                                   f.sendings_off));
    }
    return rows;
}

}  // namespace kl
