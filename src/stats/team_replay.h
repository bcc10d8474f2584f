#pragma once

#include "game_replay.h"
#include "store/text_order.h"
#include "team_stats.h"

#include <array>
#include <optional>
#include <unordered_map>

namespace kl {

// The team through the chosen games, one pass over each game's events: results, totals and each
// member's line. Members are found by name through a hash; the names are views into the game
// lines, which must outlive the replay.
class TeamReplay {
  public:
    explicit TeamReplay(TeamStats& stats) : stats_(stats) {}

    // Adds one chosen game to the statistics.
    GameOutcome add_game(const md::RecordView& game);

    // Where the member's line stands in the statistics' players; nothing for a name that no game
    // added so far has in its line-up.
    std::optional<size_t> line_index(QStringView name) const {
        const auto found = index_.find(name);
        return found == index_.end() ? std::nullopt : std::optional<size_t>(found->second);
    }

  private:
    PlayerLine* member(QStringView name) {
        const auto found = index_.find(name);
        return found == index_.end() ? nullptr : &stats_.players[found->second];
    }
    void add_member(QStringView name);
    void replay(const md::EventView& event);
    void replay_card(const md::EventView& event, double t);
    void settle(const GameClock& clock, const std::vector<double>& cuts);

    TeamStats& stats_;
    std::unordered_map<QStringView, size_t, md::TextHash> index_;
    // The members of the game's slots in use (slot order; empty once sent off).
    std::vector<QStringView> on_pitch_;
    GameClock clock_;
    GameScore score_;
};

}  // namespace kl
