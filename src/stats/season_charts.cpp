#include "season_charts.h"

#include "store/numbers.h"
#include "store/text_order.h"
#include "store/vocabulary.h"
#include "team_replay.h"

#include <algorithm>
#include <map>

namespace kl {
namespace {

constexpr int band_minutes = 15;
// Regular time is split into at most this many bands; later minutes of a longer game join the last.
constexpr int most_bands = 12;

template <typename Words>
LabelledCounts counts_for(const Words& words) {
    LabelledCounts counted{QStringList(words.begin(), words.end()), {}};
    counted.labels.append(md::words::own_goal);
    counted.counts.assign(static_cast<size_t>(counted.labels.size()), 0);
    return counted;
}

void count_label(LabelledCounts& counted, QStringView label) {
    const qsizetype found = counted.labels.indexOf(label);
    if (found >= 0) {
        ++counted.counts[static_cast<size_t>(found)];
    }
}

// Where and how long a member played, beside the figures of the team view's line.
struct Appearance {
    int games = 0;
    int starts = 0;
    int came_on = 0;
    double minutes_named = 0;
    bool kept_goal = false;
    int conceded_in_goal = 0;
    int clean_sheets = 0;
    // The number of the last game that counted the member as named, playing, starting, coming on.
    int named_in = -1;
    int played_in = -1;
    int started_in = -1;
    int came_on_in = -1;
};

struct TimedGoal {
    int minute;
    bool regular;
    bool ours;
};

// Who is in goal through one game, by the positions the personal view follows: the starting GK,
// a substitute into the GK slot, a position change to or from GK; a sending-off or going off
// leaves the goal empty. A formation change moves nobody.
class GoalkeeperWatch {
  public:
    void start(const md::RecordView& game) {
        keeper_ = QStringView();
        for (int slot = 0; slot < md::record::starting_slots && keeper_.isEmpty(); ++slot) {
            if (game.starting_position(slot) == md::words::goalkeeper) {
                keeper_ = game.starting_member(slot);
            }
        }
        opening_ = keeper_;
        whole_game_ = !keeper_.isEmpty();
    }
    void leave(QStringView member) {
        if (!keeper_.isEmpty() && member == keeper_) {
            whole_game_ = whole_game_ && keeper_ != opening_;
            keeper_ = QStringView();
        }
    }
    void take(QStringView member) {
        if (member != keeper_) {
            leave(keeper_);
            keeper_ = member;
        }
    }
    QStringView keeper() const { return keeper_; }
    // The keeper who started and stayed in goal to the end; empty when none did.
    QStringView whole_game_keeper() const { return whole_game_ ? opening_ : QStringView(); }

  private:
    QStringView keeper_;
    QStringView opening_;
    bool whole_game_ = false;
};

class SeasonReplay {
  public:
    void add_game(const md::RecordView& game) {
        const GameOutcome outcome = team_.add_game(game);
        appearances_.resize(stats_.players.size());
        const GameClock clock = GameClock::of(game);
        longest_regular_time_ = std::max(longest_regular_time_, md::leading_int(game.game_time()));
        any_extra_time_ = any_extra_time_ || clock.has_extra;
        note_line_up(game, outcome);
        shoot_out_taken_ = false;
        keeper_.start(game);
        mark_keeper();
        for (const md::EventView& event : game.events()) {
            replay(game, clock, event);
        }
        if (Appearance* keeper = appearance(keeper_.whole_game_keeper());
            keeper != nullptr && outcome.score.conceded == 0) {
            ++keeper->clean_sheets;
        }
        games_.push_back({game.date().toString(), game.start_time().toString(), game.opponent().toString(),
                          game.meeting().toString(), outcome.score, shoot_out_taken_, 0});
        ++game_number_;
    }

    SeasonCharts finish() {
        SeasonCharts charts;
        charts.totals = stats_.totals;
        charts.decisions = stats_.decisions;
        charts.games = ordered_games();
        charts.squad = squad();
        charts.bands = time_bands();
        charts.shapes = shapes_;
        charts.cautions = caution_runs();
        return charts;
    }

  private:
    Appearance* appearance(QStringView name) {
        const std::optional<size_t> index = name.isEmpty() ? std::nullopt : team_.line_index(name);
        return index ? &appearances_[*index] : nullptr;
    }

    void note_line_up(const md::RecordView& game, const GameOutcome& outcome) {
        auto named = [&](QStringView name) {
            Appearance* member = appearance(name);
            if (member != nullptr && member->named_in != game_number_) {
                member->named_in = game_number_;
                member->minutes_named += outcome.minutes;
            }
            return member;
        };
        for (int slot = 0; slot < md::record::starting_slots; ++slot) {
            if (Appearance* member = named(game.starting_member(slot));
                member != nullptr && member->started_in != game_number_) {
                member->started_in = game_number_;
                ++member->starts;
                played(*member);
            }
        }
        for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
            named(game.reserve(slot));
        }
    }

    void played(Appearance& member) {
        if (member.played_in != game_number_) {
            member.played_in = game_number_;
            ++member.games;
        }
    }

    void mark_keeper() {
        if (Appearance* keeper = appearance(keeper_.keeper())) {
            keeper->kept_goal = true;
        }
    }

    void replay(const md::RecordView& game, const GameClock& clock, const md::EventView& event) {
        const int t = event.minute();
        switch (event.kind) {
            case md::EventKind::Substitution:
                if (Appearance* member = appearance(event.member_in()); member != nullptr &&
                                                                        member->started_in != game_number_ &&
                                                                        member->came_on_in != game_number_) {
                    member->came_on_in = game_number_;
                    ++member->came_on;
                    played(*member);
                }
                keeper_.leave(event.member_out());
                if (event.slot_position() == md::words::goalkeeper) {
                    keeper_.take(event.member_in());
                    mark_keeper();
                }
                break;
            case md::EventKind::PositionChange:
                if (event.new_position_1() == md::words::goalkeeper) {
                    keeper_.take(event.member_1());
                } else if (event.new_position_2() == md::words::goalkeeper) {
                    keeper_.take(event.member_2());
                } else {
                    keeper_.leave(event.member_1());
                    keeper_.leave(event.member_2());
                }
                mark_keeper();
                break;
            case md::EventKind::Card:
                if (event.sends_off()) {
                    keeper_.leave(event.carded_member());
                } else if (const std::optional<size_t> member = team_.line_index(event.carded_member());
                           member && event.card() == md::words::caution) {
                    cautions_[game.meeting().toString()][*member].append(game.date().toString());
                }
                break;
            case md::EventKind::Goal:
                goals_.push_back({t, clock.in_regular_time(t), true});
                count_shape(event);
                break;
            case md::EventKind::Conceded:
                goals_.push_back({t, clock.in_regular_time(t), false});
                if (Appearance* keeper = appearance(keeper_.keeper())) {
                    ++keeper->conceded_in_goal;
                }
                break;
            case md::EventKind::ShootOut:
                shoot_out_taken_ = true;
                break;
            default:
                break;
        }
    }

    void count_shape(const md::EventView& event) {
        if (event.is_own_goal()) {
            for (LabelledCounts* counted : {&shapes_.body, &shapes_.area, &shapes_.action}) {
                count_label(*counted, md::words::own_goal);
            }
            return;
        }
        const md::GoalDetail finish = event.finish();
        count_label(shapes_.body, finish.body);
        count_label(shapes_.area, finish.area);
        count_label(shapes_.action, finish.action);
    }

    // The games by their keys, as the period lists compare them, with the points won so far.
    std::vector<GameBar> ordered_games() const {
        std::vector<std::pair<QString, size_t>> keys;
        keys.reserve(games_.size());
        for (size_t i = 0; i < games_.size(); ++i) {
            keys.emplace_back(md::game_key(games_[i].date, games_[i].start_time), i);
        }
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return md::text_less(a.first, b.first); });
        std::vector<GameBar> games;
        games.reserve(games_.size());
        int points = 0;
        for (const auto& key : keys) {
            games.push_back(games_[key.second]);
            points += points_of(games.back().score.result());
            games.back().points_after = points;
        }
        return games;
    }

    std::vector<SquadLine> squad() const {
        std::vector<SquadLine> lines;
        for (size_t i = 0; i < stats_.players.size(); ++i) {
            const PlayerLine& line = stats_.players[i];
            const Appearance& seen = appearances_[i];
            lines.push_back({line.name, seen.games, seen.starts, seen.came_on, line.minutes,
                             seen.minutes_named, line.goals, line.assists, line.cautions, line.sendings_off,
                             seen.kept_goal, seen.conceded_in_goal, seen.clean_sheets});
        }
        return lines;
    }

    TimeBands time_bands() const {
        TimeBands bands;
        if (game_number_ == 0) {
            return bands;
        }
        const int length = std::clamp(longest_regular_time_, 1, most_bands * band_minutes + 1);
        const int count = std::min((length + band_minutes - 1) / band_minutes, most_bands);
        for (int band = 0; band < count; ++band) {
            const int from = band == 0 ? 0 : band * band_minutes + 1;
            const int to = std::min((band + 1) * band_minutes, length);
            const bool open_ended = band == most_bands - 1 && length > most_bands * band_minutes;
            bands.labels.append(open_ended ? QString::number(from) + QStringLiteral(u"分-")
                                           : QString::number(from) + u'-' + QString::number(to) +
                                                 QStringLiteral(u"分"));
        }
        const bool extra_band =
            any_extra_time_ ||
            std::any_of(goals_.begin(), goals_.end(), [](const TimedGoal& goal) { return !goal.regular; });
        if (extra_band) {
            bands.labels.append(QStringLiteral(u"延長"));
        }
        bands.goals_for.assign(static_cast<size_t>(bands.labels.size()), 0);
        bands.conceded.assign(static_cast<size_t>(bands.labels.size()), 0);
        for (const TimedGoal& goal : goals_) {
            const int minute = std::clamp(goal.minute, 1, length);
            const int band = goal.regular ? std::min((minute - 1) / band_minutes, count - 1) : count;
            ++(goal.ours ? bands.goals_for : bands.conceded)[static_cast<size_t>(band)];
        }
        return bands;
    }

    std::vector<CautionRun> caution_runs() const {
        std::vector<CautionRun> runs;
        for (const auto& [meeting, members] : cautions_) {
            for (const auto& [index, dates] : members) {
                if (dates.size() >= 2) {
                    QStringList sorted = dates;
                    md::sort_texts(sorted);
                    runs.push_back({meeting, stats_.players[index].name, sorted});
                }
            }
        }
        return runs;
    }

    TeamStats stats_;
    TeamReplay team_{stats_};
    std::vector<Appearance> appearances_;  // in step with stats_.players
    int game_number_ = 0;
    GoalkeeperWatch keeper_;
    bool shoot_out_taken_ = false;
    std::vector<GameBar> games_;
    std::vector<TimedGoal> goals_;
    int longest_regular_time_ = 0;
    bool any_extra_time_ = false;
    GoalShapes shapes_{counts_for(md::words::goal_body_parts), counts_for(md::words::areas),
                       counts_for(md::words::finish_actions)};
    std::map<QString, std::map<size_t, QStringList>> cautions_;  // meeting, member line, dates
};

}  // namespace

SeasonCharts compute_season_charts(const QStringList& game_lines, const StatsFilter& filter) {
    SeasonReplay replay;
    md::RecordView game;
    for (const QString& line : game_lines) {
        if (game.read(line) && select_games(filter, game)) {
            replay.add_game(game);
        }
    }
    return replay.finish();
}

int points_of(GameResult result) {
    return result == GameResult::win ? 3 : result == GameResult::draw ? 1 : 0;
}

std::vector<SquadLine> scorers_order(const std::vector<SquadLine>& squad) {
    std::vector<SquadLine> scorers;
    std::copy_if(squad.begin(), squad.end(), std::back_inserter(scorers),
                 [](const SquadLine& line) { return line.goals > 0 || line.assists > 0; });
    std::stable_sort(scorers.begin(), scorers.end(), [](const SquadLine& a, const SquadLine& b) {
        return a.goals != b.goals ? a.goals > b.goals : a.assists > b.assists;
    });
    return scorers;
}

std::vector<SquadLine> minutes_order(const std::vector<SquadLine>& squad) {
    std::vector<SquadLine> ordered = squad;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const SquadLine& a, const SquadLine& b) { return a.minutes > b.minutes; });
    return ordered;
}

double minutes_share(int minutes, double possible) {
    if (possible <= 0 || minutes <= 0) {
        return 0;
    }
    return std::min(minutes / possible, 1.0);
}

}  // namespace kl
