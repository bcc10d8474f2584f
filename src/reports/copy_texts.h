#pragma once

#include "game_lists.h"
#include "stats/list_sorting.h"
#include "store/game_record.h"

#include <QString>
#include <optional>
#include <vector>

namespace kl {

// The clipboard text of the game list view: the team name, an empty line, the header cells, then the
// rows in the order shown. Every cell is followed by a TAB; lines end with CR LF.
QString game_list_copy_text(const QString& team_name, const std::vector<GameListRow>& rows);

// The plain-text form of one game's score sheet; empty when no game is chosen.
QString compose_game_detail_text(const std::optional<md::GameRecord>& game, const QString& team_name);

// The header cells of a statistics list: 名前 (team) or ポジション (personal), then 出場時間, 得点,
// アシスト, 警告 and 退場.
QStringList stats_list_headers(StatsList list);

// What the team data view shows: the filter texts of its last computation, the totals line and the
// list's rows in their order.
struct TeamViewContent {
    QString from;
    QString to;
    QString meeting;
    QString totals_line;
    std::vector<StatsRow> rows;
};
QString team_view_copy_text(const QString& team_name, const TeamViewContent& content);

// What the personal data view shows, and the breakdown table of its member (personal_copy_text).
struct PersonalViewContent {
    QString member;
    QString from;
    QString to;
    QString meeting;
    std::vector<StatsRow> rows;
    QString breakdown;
};
QString personal_view_copy_text(const QString& team_name, const PersonalViewContent& content);

}  // namespace kl
