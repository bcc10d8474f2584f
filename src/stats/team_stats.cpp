#include "team_stats.h"

#include "game_replay.h"
#include "store/numbers.h"
#include "store/vocabulary.h"

#include <array>

namespace kl {
namespace {

class TeamReplay {
  public:
    explicit TeamReplay(TeamStats& stats) : stats_(stats) {}

    void add_game(const md::GameRecord& game) {
        const GameClock clock = GameClock::of(game);
        stats_.totals.games += 1;
        stats_.totals.minutes += clock.full_length();
        for (int slot = 0; slot < md::record::starting_slots; ++slot) {
            on_pitch_[static_cast<size_t>(slot)] = game.starting_member(slot);
            add_member(game.starting_member(slot));
        }
        for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
            add_member(game.reserve(slot));
        }
        goals_for_ = conceded_ = own_kicks_ = opponent_kicks_ = 0;
        for (const md::GameEvent& event : game.events) {
            replay(event, clock);
        }
        settle(game, clock);
    }

  private:
    PlayerLine* member(const QString& name) {
        for (PlayerLine& line : stats_.players) {
            if (line.name == name) {
                return &line;
            }
        }
        return nullptr;
    }

    void add_member(const QString& name) {
        if (!name.isEmpty() && member(name) == nullptr) {
            stats_.players.push_back({name});
        }
    }

    static void add_minutes(PlayerLine* line, double t) {
        if (line != nullptr) {
            line->minutes = updated_minutes(line->minutes, [t](double m) { return m + t; });
        }
    }

    void replay(const md::GameEvent& event, const GameClock& clock) {
        const double t = event.minute();
        switch (event.kind) {
            case md::EventKind::Substitution:
                if (!event.member_out().isEmpty()) {
                    add_minutes(member(event.member_out()), t);
                }
                for (QString& slot : on_pitch_) {
                    slot = slot == event.member_out() ? event.member_in() : slot;
                }
                add_minutes(member(event.member_in()), -t);
                break;
            case md::EventKind::Goal:
                ++goals_for_;
                ++stats_.totals.goals;
                stats_.totals.minutes = clock.after_extra_time_goal(stats_.totals.minutes, event);
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
                ++conceded_;
                ++stats_.totals.conceded;
                stats_.totals.minutes = clock.after_extra_time_goal(stats_.totals.minutes, event);
                break;
            case md::EventKind::Card:
                replay_card(event, t);
                break;
            case md::EventKind::ShootOut: {
                const md::ShootOutScore kicks = event.shoot_out_score();
                own_kicks_ += kicks.own;
                opponent_kicks_ += kicks.opponent;
                break;
            }
            default:
                break;
        }
    }

    void replay_card(const md::GameEvent& event, double t) {
        PlayerLine* carded = member(event.carded_member());
        if (carded == nullptr) {
            return;
        }
        if (event.card() == md::words::caution) {
            ++carded->cautions;
        } else if (event.sends_off()) {
            ++carded->sendings_off;
            add_minutes(carded, t);
            for (QString& slot : on_pitch_) {
                slot = slot == event.carded_member() ? QString() : slot;
            }
        }
    }

    void settle(const md::GameRecord& game, const GameClock& clock) {
        const int ours = goals_for_ + own_kicks_;
        const int theirs = conceded_ + opponent_kicks_;
        ++(ours > theirs ? stats_.totals.wins : ours == theirs ? stats_.totals.draws : stats_.totals.losses);
        for (const QString& name : on_pitch_) {
            PlayerLine* line = name.isEmpty() ? nullptr : member(name);
            if (line == nullptr) {
                continue;
            }
            add_minutes(line, clock.full_length());
            for (const md::GameEvent& event : game.events) {
                line->minutes = updated_minutes(
                    line->minutes, [&](double m) { return clock.after_extra_time_goal(m, event); });
            }
        }
    }

    TeamStats& stats_;
    std::array<QString, md::record::starting_slots> on_pitch_;
    int goals_for_ = 0;
    int conceded_ = 0;
    int own_kicks_ = 0;
    int opponent_kicks_ = 0;
};

}  // namespace

TeamStats compute_team_stats(const QStringList& game_lines, const StatsFilter& filter) {
    TeamStats stats;
    TeamReplay replay(stats);
    for (const QString& line : game_lines) {
        const std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        if (game && select_games(filter, *game)) {
            replay.add_game(*game);
        }
    }
    return stats;
}

QString team_totals_line(const TeamTotals& totals) {
    auto n = [](int value) { return QString::number(value); };
    return QStringLiteral(u"全 ") + n(totals.games) + QStringLiteral(u" 試合 (") +
           md::shortest_decimal(totals.minutes) + QStringLiteral(u" 分)  ") + n(totals.wins) +
           QStringLiteral(u" 勝 ") + n(totals.losses) + QStringLiteral(u" 敗 ") + n(totals.draws) +
           QStringLiteral(u" 分  ") + n(totals.goals) + QStringLiteral(u" 得点 ") + n(totals.assists) +
           QStringLiteral(u" アシスト ") + n(totals.conceded) + QStringLiteral(u" 失点");
}

}  // namespace kl
