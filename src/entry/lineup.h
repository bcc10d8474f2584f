#pragma once

#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kl {

// --- Page 2: formation and line-up ---

// Gives rows the position codes of a formation: each outfield count in stored order (CF first)
// takes that many rows from the bottom row up. Row 0, the goalkeeper's, and rows no count reaches
// keep their codes. Returns how many rows were given a code.
inline constexpr int starting_rows = md::record::starting_slots;  // row 0 is the goalkeeper's
inline constexpr int reserve_slots = md::record::reserve_slots;
// A text per starting row: positions or names.
using RowTexts = std::array<QString, starting_rows>;

int assign_formation_positions(const md::Formation& formation, RowTexts& positions);

// Whether a side of size players uses a row: the goalkeeper's and the size - 1 rows at the bottom,
// the rows a formation of that size gives positions.
bool row_in_play(int row, int size);

// Page 2's state: the position buttons' captions, the twenty member boxes and the list of members
// still available with its selection.
struct Lineup {
    QString formation;  // empty until one is chosen
    std::array<QString, starting_rows> positions = {QStringLiteral(u"GK")};
    std::array<QString, starting_rows> starters;  // tx_member 0-10
    std::array<QString, reserve_slots> reserves;  // tx_member 11-19
    QStringList available;                        // lst_member
    int selected = -1;                            // the selection in lst_member
    // With small-sided games on, a formation of fewer than eleven uses only its rows (side): the
    // others are hidden, without position or member. Otherwise every row is in play.
    bool small_sided_games = false;
    int side = md::full_side;

    // The formation's counts give the position captions, forwards from the bottom row up.
    void choose_formation(const md::Formation& formation);
    bool row_in_play(int row) const { return kl::row_in_play(row, side); }
    // A position button: toggles its row between empty and the selected member.
    void click_position(int row);
    // 追加: the selected member into the first empty reserve slot.
    void add_reserve();
    // 削除: the last filled reserve slot back to the list.
    void delete_reserve();

    // The row the line-up is filled at next after row: the first empty row in play below it, then
    // from the top; none when every row in play is filled.
    std::optional<int> next_empty_row(int row) const;

    int filled_starters() const;
    // In keyboard mode the starting rows and the reserve slots up to the first empty one take typing.
    int first_empty_reserve() const;

  private:
    void take_selected_into(QString& box);
};

struct LineupCheck {
    std::optional<md::UserMessage> refusal;
    // When fewer start than the side has players: the question "人数の確認" asks whether that is right.
    std::optional<md::UserMessage> question;
};

// The checks of 次へ in their order.
LineupCheck check_lineup(const Lineup& lineup);

// event_fields 11-42: the formation, the eleven position/member pairs (empty for a row out of play)
// and the nine reserve slots.
QStringList lineup_fields(const Lineup& lineup);

}  // namespace kl
