#include "career.h"

#include "store/numbers.h"
#include "store/text_order.h"

#include <algorithm>
#include <array>

namespace kl {
namespace {

void add_to(SquadLine& total, const SquadLine& line) {
    auto add = [](int& sum, int value) { sum = md::saturated(static_cast<long long>(sum) + value); };
    add(total.games, line.games);
    add(total.starts, line.starts);
    add(total.came_on, line.came_on);
    add(total.minutes, line.minutes);
    total.minutes_named += line.minutes_named;
    add(total.goals, line.goals);
    add(total.assists, line.assists);
    add(total.cautions, line.cautions);
    add(total.sendings_off, line.sendings_off);
}

void add_positions(PositionTally& total, const PositionTally& file) {
    for (size_t row = 0; row < total.size(); ++row) {
        PositionFigures& sum = total[row];
        const PositionFigures& add = file[row];
        sum.minutes = md::saturated(static_cast<long long>(sum.minutes) + add.minutes);
        sum.goals += add.goals;
        sum.assists += add.assists;
        sum.cautions += add.cautions;
        sum.sendings_off += add.sendings_off;
    }
}

const SquadLine* line_of(const std::vector<SquadLine>& squad, const QString& member) {
    const auto found =
        std::find_if(squad.begin(), squad.end(), [&](const SquadLine& line) { return line.name == member; });
    return found == squad.end() ? nullptr : &*found;
}

// The member's counts game by game in date order, and the milestones and goal games they pass.
class MilestoneWalk {
  public:
    explicit MilestoneWalk(Career& career) : career_(career) {}

    void add(const SeasonGame& game, const QString& team_name) {
        const SquadLine* line = line_of(game.squad, career_.member);
        if (line == nullptr) {
            return;
        }
        if (career_.first_date.isEmpty()) {
            career_.first_date = game.date;
        }
        career_.last_date = game.date;
        reach(MilestoneKind::games, line->games, game, team_name);
        reach(MilestoneKind::goals, line->goals, game, team_name);
        reach(MilestoneKind::assists, line->assists, game, team_name);
        if (line->goals > 0) {
            career_.goal_games.push_back({game.date, game.opponent, game.meeting, line->goals});
        }
    }

  private:
    // Adds the game's count; each milestone passed in this game is reached on its date.
    void reach(MilestoneKind kind, int added, const SeasonGame& game, const QString& team_name) {
        int& count = counts_[static_cast<size_t>(kind)];
        const int before = count;
        count = md::saturated(static_cast<long long>(count) + added);
        for (const int milestone : milestone_counts(kind)) {
            if (before < milestone && milestone <= count) {
                career_.milestones.push_back({kind, milestone, game.date, game.opponent, team_name});
            }
        }
    }

    Career& career_;
    std::array<int, 3> counts_{};
};

struct DatedGame {
    const SeasonGame* game;
    const QString* team_name;
};

}  // namespace

const std::vector<int>& milestone_counts(MilestoneKind kind) {
    static const std::vector<int> games = {1, 50, 100};
    static const std::vector<int> goals = {1, 10, 25, 50};
    static const std::vector<int> assists = {1};
    switch (kind) {
        case MilestoneKind::games:
            return games;
        case MilestoneKind::goals:
            return goals;
        case MilestoneKind::assists:
            break;
    }
    return assists;
}

Career compute_career(const std::vector<const SeasonRecord*>& seasons, const QString& member) {
    Career career;
    career.member = member;
    career.total.name = member;
    std::vector<DatedGame> games;
    for (const SeasonRecord* season : seasons) {
        if (!season->members.contains(member)) {
            continue;
        }
        const SquadLine* line = season->squad_line(member);
        career.rows.push_back({season->file, season->team_name, line != nullptr ? *line : SquadLine{member}});
        add_to(career.total, career.rows.back().line);
        if (line == nullptr) {
            continue;
        }
        add_positions(career.positions, compute_personal_stats(season->game_lines, {}, member).positions);
        for (const SeasonGame& game : season->season_games) {
            games.push_back({&game, &season->team_name});
        }
    }
    // Seasons may overlap: the milestones follow the dates, whichever file holds the game.
    std::stable_sort(games.begin(), games.end(), [](const DatedGame& a, const DatedGame& b) {
        return md::text_less(a.game->key, b.game->key);
    });
    MilestoneWalk walk(career);
    for (const DatedGame& game : games) {
        walk.add(*game.game, *game.team_name);
    }
    return career;
}

QStringList career_members(const std::vector<const SeasonRecord*>& seasons) {
    QStringList members;
    for (const SeasonRecord* season : seasons) {
        members += season->members;
    }
    md::sort_texts(members);
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

QStringList members_with_games(const std::vector<const SeasonRecord*>& seasons) {
    QStringList members;
    for (const SeasonRecord* season : seasons) {
        for (const SquadLine& line : season->squad) {
            members.append(line.name);
        }
    }
    md::sort_texts(members);
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

}  // namespace kl
