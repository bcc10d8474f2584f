#pragma once

#include "stats_filter.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kl {

// One row of the personal list: what the member did while holding one position.
struct PositionFigures {
    int minutes = 0;
    int goals = 0;
    int assists = 0;
    int cautions = 0;
    int sendings_off = 0;
};

// Rows in their fixed order: 合計 (the sum of the others), then CF, WF, OH, SH, CH, DH, CB, SB, SW, GK.
inline constexpr int position_row_count = 11;
const std::array<QString, position_row_count>& position_row_labels();
using PositionTally = std::array<PositionFigures, position_row_count>;

// The member's goals and assists by body part, area and action, counted in the vocabularies' order.
struct DetailTally {
    std::array<int, 4> goal_body{};
    std::array<int, 5> goal_area{};
    std::array<int, 6> goal_action{};
    std::array<int, 4> assist_body{};
    std::array<int, 5> assist_area{};
    std::array<int, 6> assist_action{};
};

struct PersonalStats {
    PositionTally positions{};
    DetailTally details{};
};

// Replays every chosen game of game_lines for member. An event that credits the member while the
// member holds no position (a reserve who has not come on, say) counts nowhere.
PersonalStats compute_personal_stats(const QStringList& game_lines, const StatsFilter& filter,
                                     const QString& member);

// The eight breakdown boxes (tx_player 0-7).
std::array<QString, 8> personal_box_texts(const PersonalStats& stats);

// The breakdown as a table for the clipboard.
QString personal_copy_text(const PersonalStats& stats);

}  // namespace kl
