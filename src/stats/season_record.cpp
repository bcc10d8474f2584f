#include "season_record.h"

#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/text_order.h"

#include <algorithm>

namespace kl {
namespace {

QStringList members_of(const md::DataStore& store, const std::vector<SquadLine>& squad) {
    QStringList members;
    for (const QString& name : md::split_list(store.member_list)) {
        if (!name.isEmpty()) {
            members.append(name);
        }
    }
    for (const SquadLine& line : squad) {
        members.append(line.name);
    }
    md::sort_texts(members);
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

QString first_key(const SeasonRecord& season) {
    return season.games.empty() ? QString()
                                : md::game_key(season.games.front().date, season.games.front().start_time);
}

}  // namespace

QString SeasonRecord::first_date() const {
    return games.empty() ? QString() : games.front().date;
}

QString SeasonRecord::last_date() const {
    return games.empty() ? QString() : games.back().date;
}

const SquadLine* SeasonRecord::squad_line(QStringView member) const {
    const auto found = std::find_if(squad.begin(), squad.end(),
                                    [member](const SquadLine& line) { return line.name == member; });
    return found == squad.end() ? nullptr : &*found;
}

SeasonRecord read_season(const QString& file, const md::DataStore& store) {
    // The whole file in stored order gives the squad table's figures to the minute (a half minute is
    // rounded at each update, so the order of the games can matter); each game alone gives what a
    // member reached in it.
    SeasonCharts charts = compute_season_charts(store.game_lines, {});
    SeasonRecord season{file,
                        store.team_name,
                        members_of(store, charts.squad),
                        store.game_lines,
                        std::move(charts.squad),
                        std::move(charts.games),
                        {}};
    season.season_games.reserve(season.games.size());
    for (const QString& line : store.game_lines) {
        SeasonCharts alone = compute_season_charts(QStringList{line}, {});
        if (alone.games.empty()) {
            continue;
        }
        const GameBar& game = alone.games.front();
        season.season_games.push_back({md::game_key(game.date, game.start_time), game.date, game.start_time,
                                       game.opponent, game.meeting, std::move(alone.squad)});
    }
    std::stable_sort(season.season_games.begin(), season.season_games.end(),
                     [](const SeasonGame& a, const SeasonGame& b) { return md::text_less(a.key, b.key); });
    return season;
}

SeasonSource load_season(const QString& file) {
    md::DataStore store;
    SeasonSource source{file, std::nullopt, store.load_team_file(file)};
    if (source.load.ok()) {
        source.record = read_season(file, store);
    }
    return source;
}

bool season_before(const SeasonRecord& a, const SeasonRecord& b) {
    const QString a_key = first_key(a);
    const QString b_key = first_key(b);
    if (a_key.isEmpty() != b_key.isEmpty()) {
        return b_key.isEmpty();
    }
    return a_key != b_key ? md::text_less(a_key, b_key) : md::text_less(a.file, b.file);
}

bool source_before(const SeasonSource& a, const SeasonSource& b) {
    if (!a.record || !b.record) {
        return a.record.has_value() && !b.record.has_value();
    }
    return season_before(*a.record, *b.record);
}

void sort_seasons(std::vector<SeasonRecord>& seasons) {
    std::stable_sort(seasons.begin(), seasons.end(), season_before);
}

}  // namespace kl
