#pragma once

#include "store/data_store.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// One row of the game list: 日付 (date and time), 対戦相手, スコア, 大会名, 場所.
struct GameListRow {
    std::array<QString, 5> cells;
    int game = 0;  // the game's position in stored order
};

// Everything the game list's refresh fills: the list rows and the choosers of the other views.
struct GameLists {
    std::vector<GameListRow> rows;  // in stored order
    QStringList detail_entries;     // cb_game_data, stored order
    QStringList period_keys;        // cb_date(0..3), stored order
    QStringList meetings;           // cb_meeting, cb_player_meeting, sorted
    QStringList members;            // cb_player, sorted
};

GameLists build_game_lists(const md::DataStore& store);

// "3-1", or with a shoot-out "2-2 (PK 4-3)".
QString score_text(int goals_for, int goals_against);
QString score_text(int goals_for, int goals_against, int own_kicks, int opponent_kicks);

// Orders rows ascending by the text of one column (UTF-16 code units); equal texts keep their order.
void sort_game_rows(std::vector<GameListRow>& rows, int column);

}  // namespace kl
