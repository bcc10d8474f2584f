#pragma once

#include "game_lists.h"
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

}  // namespace kl
