#include "team_stats.h"

#include "game_replay.h"
#include "store/numbers.h"
#include "store/text_order.h"
#include "store/vocabulary.h"

#include <array>
#include <unordered_map>

namespace kl {
namespace {

// The team through the chosen games, one pass over each game's events. Members are found by name
// through a hash; the names are views into the game lines, which outlive the computation.
class TeamReplay {
  public:
    explicit TeamReplay(TeamStats& stats) : stats_(stats) {}

    void add_game(const md::RecordView& game) {
        const GameClock clock = GameClock::of(game);
        stats_.totals.games += 1;
        stats_.totals.minutes += clock.full_length();
        pitch_size_ = 0;
        for (int slot = 0; slot < md::record::starting_slots; ++slot) {
            if (game.slot_in_use(slot)) {
                on_pitch_[pitch_size_++] = game.starting_member(slot);
                add_member(game.starting_member(slot));
            }
        }
        for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
            add_member(game.reserve(slot));
        }
        goals_for_ = conceded_ = own_kicks_ = opponent_kicks_ = 0;
        for (const md::EventView& event : game.events()) {
            replay(event);
        }
        settle(clock, clock.extra_time_cuts(game));
    }

  private:
    PlayerLine* member(QStringView name) {
        const auto found = index_.find(name);
        return found == index_.end() ? nullptr : &stats_.players[found->second];
    }

    void add_member(QStringView name) {
        if (!name.isEmpty() && index_.emplace(name, stats_.players.size()).second) {
            stats_.players.push_back({name.toString()});
        }
    }

    static void add_minutes(PlayerLine* line, double t) {
        if (line != nullptr) {
            line->minutes = minutes_plus(line->minutes, t);
        }
    }

    void replay(const md::EventView& event) {
        const double t = event.minute();
        switch (event.kind) {
            case md::EventKind::Substitution:
                // Minutes are the sum of a member's spells on the pitch: each spell ends (+t) when he
                // goes off and begins (-t) when he comes on, as often as he comes back on.
                if (!event.member_out().isEmpty()) {
                    add_minutes(member(event.member_out()), t);
                }
                for (QStringView& slot : pitch()) {
                    slot = slot == event.member_out() ? event.member_in() : slot;
                }
                add_minutes(member(event.member_in()), -t);
                break;
            case md::EventKind::Goal:
                ++goals_for_;
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
                ++conceded_;
                ++stats_.totals.conceded;
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

    void replay_card(const md::EventView& event, double t) {
        PlayerLine* carded = member(event.carded_member());
        if (carded == nullptr) {
            return;
        }
        if (event.card() == md::words::caution) {
            ++carded->cautions;
        } else if (event.sends_off()) {
            ++carded->sendings_off;
            add_minutes(carded, t);
            for (QStringView& slot : pitch()) {
                slot = slot == event.carded_member() ? QStringView() : slot;
            }
        }
    }

    void settle(const GameClock& clock, const std::vector<double>& cuts) {
        const int ours = goals_for_ + own_kicks_;
        const int theirs = conceded_ + opponent_kicks_;
        ++(ours > theirs ? stats_.totals.wins : ours == theirs ? stats_.totals.draws : stats_.totals.losses);
        for (const double cut : cuts) {
            stats_.totals.minutes += cut;
        }
        for (const QStringView name : pitch()) {
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

    // The game's slots in use, each with its member (empty while vacant after a sending-off).
    struct Slots {
        QStringView* first;
        QStringView* last;
        QStringView* begin() const { return first; }
        QStringView* end() const { return last; }
    };
    Slots pitch() { return {on_pitch_.data(), on_pitch_.data() + pitch_size_}; }

    TeamStats& stats_;
    std::unordered_map<QStringView, size_t, md::TextHash> index_;
    std::array<QStringView, md::record::starting_slots> on_pitch_;
    size_t pitch_size_ = 0;
    int goals_for_ = 0;
    int conceded_ = 0;
    int own_kicks_ = 0;
    int opponent_kicks_ = 0;
};

}  // namespace

TeamStats compute_team_stats(const QStringList& game_lines, const StatsFilter& filter) {
    TeamStats stats;
    TeamReplay replay(stats);
    md::RecordView game;
    for (const QString& line : game_lines) {
        if (game.read(line) && select_games(filter, game)) {
            replay.add_game(game);
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
