#include "team_replay.h"

#include "store/vocabulary.h"

namespace kl {
namespace {

void add_minutes(PlayerLine* line, double t) {
    if (line != nullptr) {
        line->minutes = minutes_plus(line->minutes, t);
    }
}

}  // namespace

GameOutcome TeamReplay::add_game(const md::RecordView& game) {
    clock_ = GameClock::of(game);
    stats_.totals.games += 1;
    stats_.totals.minutes += clock_.full_length();
    on_pitch_.clear();
    for (int slot = 0; slot < md::record::starting_slots; ++slot) {
        // A slot without a position is no place on the pitch (a small-sided line-up's unused row).
        if (game.slot_in_use(slot)) {
            on_pitch_.push_back(game.starting_member(slot));
            add_member(game.starting_member(slot));
        }
    }
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        add_member(game.reserve(slot));
    }
    score_ = {};
    for (const md::EventView& event : game.events()) {
        replay(event);
    }
    const std::vector<double> cuts = clock_.extra_time_cuts(game);
    settle(clock_, cuts);
    GameOutcome outcome{score_, clock_.full_length()};
    for (const double cut : cuts) {
        outcome.minutes += cut;
    }
    return outcome;
}

void TeamReplay::add_member(QStringView name) {
    if (!name.isEmpty() && index_.emplace(name, stats_.players.size()).second) {
        stats_.players.push_back({name.toString()});
    }
}

void TeamReplay::replay(const md::EventView& event) {
    const double t = event.minute();
    switch (event.kind) {
        case md::EventKind::Substitution:
            // Minutes are the sum of a member's spells on the pitch: each spell ends (+t) when he
            // goes off and begins (-t) when he comes on, as often as he comes back on.
            if (!event.member_out().isEmpty()) {
                add_minutes(member(event.member_out()), t);
            }
            for (QStringView& slot : on_pitch_) {
                slot = slot == event.member_out() ? event.member_in() : slot;
            }
            add_minutes(member(event.member_in()), -t);
            break;
        case md::EventKind::Goal:
            ++score_.goals_for;
            score_.regular_for += clock_.in_regular_time(t) ? 1 : 0;
            ++stats_.totals.goals;
            if (PlayerLine* scorer = event.is_own_goal() ? nullptr : member(event.scorer())) {
                ++scorer->goals;
            }
            if (!event.assister().isEmpty()) {
                ++stats_.totals.assists;
                if (PlayerLine* assister = member(event.assister())) {
                    ++assister->assists;
                }
            }
            break;
        case md::EventKind::Conceded:
            ++score_.conceded;
            score_.regular_conceded += clock_.in_regular_time(t) ? 1 : 0;
            ++stats_.totals.conceded;
            break;
        case md::EventKind::Card:
            replay_card(event, t);
            break;
        case md::EventKind::ShootOut: {
            const md::ShootOutScore kicks = event.shoot_out_score();
            score_.own_kicks += kicks.own;
            score_.opponent_kicks += kicks.opponent;
            break;
        }
        default:
            break;
    }
}

void TeamReplay::replay_card(const md::EventView& event, double t) {
    PlayerLine* carded = member(event.carded_member());
    if (carded == nullptr) {
        return;
    }
    if (event.card() == md::words::caution) {
        ++carded->cautions;
    } else if (event.sends_off()) {
        ++carded->sendings_off;
        add_minutes(carded, t);
        for (QStringView& slot : on_pitch_) {
            slot = slot == event.carded_member() ? QStringView() : slot;
        }
    }
}

void TeamReplay::settle(const GameClock& clock, const std::vector<double>& cuts) {
    switch (score_.result()) {
        case GameResult::win:
            ++stats_.totals.wins;
            break;
        case GameResult::draw:
            ++stats_.totals.draws;
            break;
        case GameResult::loss:
            ++stats_.totals.losses;
            break;
    }
    stats_.decisions.add(score_);
    for (const double cut : cuts) {
        stats_.totals.minutes += cut;
    }
    for (const QStringView name : on_pitch_) {
        PlayerLine* line = name.isEmpty() ? nullptr : member(name);
        if (line == nullptr) {
            continue;
        }
        add_minutes(line, clock.full_length());
        for (const double cut : cuts) {
            add_minutes(line, cut);
        }
    }
}

}  // namespace kl
