#include "game_replay.h"

#include "store/numbers.h"
#include "store/vocabulary.h"

namespace kl {

GameClock GameClock::of(const md::GameRecord& game) {
    return {static_cast<double>(md::leading_int(game.game_time())),
            static_cast<double>(md::leading_int(game.extra_length())), game.has_extra_time()};
}

double GameClock::after_extra_time_goal(double minutes, const md::GameEvent& event) const {
    if (event.kind != md::EventKind::Goal && event.kind != md::EventKind::Conceded) {
        return minutes;
    }
    const double t = event.minute();
    if (event.mark() == md::words::golden_goal) {
        return minutes - game - extra + t;
    }
    if (event.mark() == md::words::silver_goal && t <= game + extra / 2) {
        return minutes - extra / 2;
    }
    return minutes;
}

int updated_minutes(int minutes, const std::function<double(double)>& update) {
    return md::round_half_even(update(minutes));
}

}  // namespace kl
