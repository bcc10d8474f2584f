#include "exercise.h"

#include "reports/copy_texts.h"
#include "reports/game_lists.h"
#include "reports/game_sheet.h"
#include "reports/season_texts.h"
#include "stats/list_sorting.h"
#include "stats/player_stats.h"
#include "stats/season_charts.h"
#include "stats/stats_filter.h"
#include "stats/team_stats.h"

namespace kl::fuzz {
namespace {

std::vector<StatsFilter> filters_of(const GameLists& lists) {
    std::vector<StatsFilter> filters = {StatsFilter{}};
    if (!lists.period_keys.isEmpty()) {
        filters.push_back({true, lists.period_keys.front(), lists.period_keys.back(), false, {}});
    }
    for (const QString& meeting : lists.meetings.mid(0, 1)) {
        filters.push_back({false, {}, {}, true, meeting});
    }
    return filters;
}

void every_sort(std::vector<StatsRow> rows, bool team) {
    for (int column = 0; column < 6; ++column) {
        if (column == 0) {
            team ? ascending_text_sort(rows, 0) : fixed_position_order(rows);
        } else {
            descending_rebuild_sort(rows, column);
            ascending_text_sort(rows, column);
        }
    }
}

}  // namespace

void exercise_everything(const md::DataStore& store) {
    const GameLists lists = build_game_lists(store);
    std::vector<GameListRow> rows = lists.rows;
    for (int column = 0; column < 5; ++column) {
        sort_game_rows(rows, column);
    }
    game_list_copy_text(store.team_name, rows);
    for (const QString& line : store.game_lines) {
        const std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        if (game) {
            compose_game_sheet(*game, store.team_name);
        }
        compose_game_detail_text(game, store.team_name);
    }
    for (const StatsFilter& filter : filters_of(lists)) {
        const TeamStats team = compute_team_stats(store.game_lines, filter);
        team_totals_line(team.totals);
        every_sort(team_rows(team), true);
        team_view_copy_text(store.team_name, {{}, {}, {}, team_totals_line(team.totals), team_rows(team)});
        decision_breakdown_line(team.decisions);
        season_copy_text(compute_season_charts(store.game_lines, filter), {});
        for (const QString& member : lists.members.mid(0, 6)) {
            const PersonalStats personal = compute_personal_stats(store.game_lines, filter, member);
            personal_box_texts(personal);
            every_sort(personal_rows(personal), false);
            personal_view_copy_text(
                store.team_name, {member, {}, {}, {}, personal_rows(personal), personal_copy_text(personal)});
        }
    }
}

bool same_tables(const md::DataStore& a, const md::DataStore& b) {
    return a.team_name == b.team_name && a.member_list == b.member_list && a.ground_list == b.ground_list &&
           a.opponent_list == b.opponent_list && a.recorder_list == b.recorder_list &&
           a.formation_lines == b.formation_lines && a.meeting_lines == b.meeting_lines &&
           a.game_lines == b.game_lines;
}

}  // namespace kl::fuzz
