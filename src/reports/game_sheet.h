#pragma once

#include "store/game_record.h"

#include <QString>
#include <array>
#include <vector>

namespace kl {

// One text box of the score sheet; geometry in twips.
struct SheetBox {
    QString text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int sheet_box_count = 25;
inline constexpr int sheet_width = 7575;  // the sheet frame's width in twips

// The score sheet of one game: its 25 boxes and its height.
struct GameSheet {
    std::array<SheetBox, sheet_box_count> boxes;
    int frame_height = 7215;  // fr_game_data, grown with the boxes
    // The height the scroll range covers: boxes 0, 1, 20, 21, 22 and 24 and a margin of 150.
    int content_height() const;
};

// The sheet at its design geometry, every box showing its empty text.
GameSheet empty_game_sheet();

// The empty texts alone (what clearing the views puts into the boxes; the geometry stays).
const std::array<QString, sheet_box_count>& empty_sheet_texts();

// The sheet of game, for the team named team_name.
GameSheet compose_game_sheet(const md::GameRecord& game, const QString& team_name);

// The sheet with one more line below its header line (the record against the opponent): the header
// box grows by a line and every other box moves down by as much.
GameSheet with_line_below_header(GameSheet sheet, const QString& line);

// The score table as a sheet shows it: the two sides with their totals, and the period rows whose
// label the sheet shows (前半 and 後半 always; the extra halves and PK as the game's rules and
// events have them), each with both sides' goals.
struct SheetScore {
    struct Row {
        QString own;
        QString label;
        QString opponent;
    };
    QString own_name;
    QString own_total;
    QString opponent_name;
    QString opponent_total;
    std::vector<Row> rows;
};
SheetScore sheet_score(const GameSheet& sheet);

}  // namespace kl
