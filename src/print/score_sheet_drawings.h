#pragma once

#include "print_document.h"
#include "reports/game_sheet.h"
#include "reports/score_sheet_form.h"

namespace kl {

// The score table of a game as the detail view shows it: each side's name and total, and the goals
// of every period the game had, side by side around the period's name.
DrawingBlock score_table_drawing(const SheetScore& score);

// The score sheet for filling in by hand, over the whole page: game information, score by periods,
// line-up and reserves, the timeline, the formation sketch and the shoot-out rounds. A filled form
// shows its game in every box.
DrawingBlock score_sheet_form_drawing(const ScoreSheetForm& form);

}  // namespace kl
