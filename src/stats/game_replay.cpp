#include "game_replay.h"

#include "store/numbers.h"
#include "store/vocabulary.h"

namespace kl {

GameClock GameClock::of(const md::RecordView& game) {
    return {static_cast<double>(md::leading_int(game.game_time())),
            static_cast<double>(md::leading_int(game.extra_length())), game.has_extra_time()};
}

std::vector<double> GameClock::extra_time_cuts(const md::RecordView& record) const {
    std::vector<double> cuts;
    for (const md::EventView& event : record.events()) {
        if (event.kind != md::EventKind::Goal && event.kind != md::EventKind::Conceded) {
            continue;
        }
        const double t = event.minute();
        if (event.mark() == md::words::golden_goal) {
            cuts.push_back(t - game - extra);
        } else if (event.mark() == md::words::silver_goal && t <= game + extra / 2) {
            cuts.push_back(-extra / 2);
        }
    }
    return cuts;
}

int minutes_plus(int minutes, double t) {
    return md::round_half_even(minutes + t);
}

GameResult GameScore::result() const {
    const long long ours = static_cast<long long>(goals_for) + own_kicks;
    const long long theirs = static_cast<long long>(conceded) + opponent_kicks;
    return ours > theirs ? GameResult::win : ours == theirs ? GameResult::draw : GameResult::loss;
}

Decision GameScore::decision() const {
    if (result() == GameResult::draw) {
        return Decision::regular_time;
    }
    if (goals_for == conceded) {
        return Decision::shoot_out;
    }
    return regular_for == regular_conceded ? Decision::extra_time : Decision::regular_time;
}

}  // namespace kl
