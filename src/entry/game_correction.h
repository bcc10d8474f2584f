#pragma once

#include "event_page.h"
#include "game_completion.h"
#include "game_info.h"
#include "lineup.h"
#include "store/data_store.h"
#include "store/game_record.h"

#include <optional>
#include <variant>
#include <vector>

namespace kl {

// --- Correcting a stored game (試合データ修正) ---

// How closely a replayed event must match the stored one: as stored, field for field (a game as
// it was entered), or with its position codes following the line-up as it is now (a line-up
// changed on page 2).
enum class ReplayMatch { exact, positions_may_follow };

// The event a replay stopped at, and why.
struct ReplayStop {
    md::GameEvent event;
    QString reason;
};

// Enters stored events on page 3 through the operations a user's clicks run, one event after the
// other: the kind, the period, the minute, the members picked from the lists, the details and 追加.
// Returns the first event the page does not take as stored, or nothing when every event was entered.
std::optional<ReplayStop> replay_events(EventPage& page, const std::vector<md::GameEvent>& events,
                                        ReplayMatch match);

// How messages name an event: "30分 交代", "PK戦".
QString event_label(const md::GameEvent& event);

// The formations a replay of game needs: the master list, where each formation the game changed
// to is taken as the game's own rows give it (the master line may have changed since, or gone).
std::vector<md::Formation> replay_formations(const std::vector<md::Formation>& master,
                                             const md::GameRecord& game);

// A stored game opened for correction: its pages as they were when it was entered.
struct GameCorrection {
    int position = -1;  // its line in game_lines; -1 once the file no longer holds the line
    QString line;       // the line as stored
    md::GameRecord game;
    GameInfo info;      // page 1
    md::Meeting rules;  // the meeting's rules as stored with the game
    Lineup lineup;      // page 2, the members not in the line-up available
};

// Opens stored game `position` for correction, or gives the message that refuses a game the wizard
// could not have entered ("この試合データは修正できません。（…）").
std::variant<GameCorrection, md::UserMessage> open_correction(const md::DataStore& store, int position);

// The stored events of a correction, each member named as the line-up's slot that carried him is
// named now: a renamed starting member or reserve keeps his events.
std::vector<md::GameEvent> events_for_lineup(const GameCorrection& correction, const Lineup& now);

// The message that asks to enter the events again from the one a replay stopped at.
md::UserMessage replay_cut_message(const ReplayStop& stop);

// A corrected game's names as stored are no typed names, though the master lists may not hold them
// (any more): typed takes them as known, so that 完了 adds none of them to the master lists.
void count_stored_names_as_known(TypedNames& typed, const GameCorrection& correction);

// 完了 of a correction: the corrected game takes the place of the stored one (sorted as every stored
// game), with typed names added as for a new game. Refuses what the file could not hold; the store
// is then unchanged. Saving is the caller's.
std::optional<md::UserMessage> replace_game(md::DataStore& store, int position,
                                            const QStringList& event_fields, int event_field_count,
                                            const std::optional<TypedNames>& typed);

}  // namespace kl
