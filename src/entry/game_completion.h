#pragma once

#include "store/data_store.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kl {

// Names typed on pages 1 and 2 in keyboard mode, and the master lists they are compared with (as
// the wizard showed them when it opened).
struct TypedNames {
    QString recorder;
    QString ground;
    QString opponent;
    QStringList recorders;
    QStringList grounds;
    QStringList opponents;
    std::array<QString, 20> members;  // tx_member 0-19
    QStringList member_check;         // lst_member_check
    // Names that are known though the lists lack them (a corrected game's names as stored): never
    // added, and no reason to count a list as holding names.
    QStringList known_names = {};
};

// 完了: adds the game's record to game_lines, adds typed names to the master lists when asked to,
// and sorts the game lines. Refuses a game the file could not hold; the store is then unchanged.
// Saving is the caller's, who keeps a copy of the store to put back when the save fails.
std::optional<md::UserMessage> complete_game(md::DataStore& store, const QStringList& event_fields,
                                             int event_field_count, const std::optional<TypedNames>& typed);

}  // namespace kl
