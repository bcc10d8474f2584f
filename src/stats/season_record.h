#pragma once

#include "season_charts.h"
#include "store/data_store.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kl {

// One game of a team file as the squad table counts it alone: who was named in it and what each did.
struct SeasonGame {
    QString key;  // date and start time, as the period lists compare them
    QString date;
    QString start_time;
    QString opponent;
    QString meeting;
    std::vector<SquadLine> squad;
};

// What one team file's games come to, computed once for all of its members: the career, the book and
// the head-to-head records read it, each member's figures exactly as the squad table shows them.
struct SeasonRecord {
    QString file;  // as loaded: a name in the data folder, or a path
    QString team_name;
    QStringList members;                   // the member list and every name of a line-up, in text order
    QStringList game_lines;                // as stored, for the personal view's positions
    std::vector<SquadLine> squad;          // the squad table over every game of the file
    std::vector<GameBar> games;            // in date and start time order
    std::vector<SeasonGame> season_games;  // the same games, one by one

    // The dates of the first and the last game; empty without games.
    QString first_date() const;
    QString last_date() const;
    // The member's squad line; nothing for a name no game of the file has in its line-up.
    const SquadLine* squad_line(QStringView member) const;
};

SeasonRecord read_season(const QString& file, const md::DataStore& store);

// A team file loaded through the store's checks: its record, or why it cannot be read (a file is
// counted whole or not at all).
struct SeasonSource {
    QString file;
    std::optional<SeasonRecord> record;
    md::LoadResult load;
};
SeasonSource load_season(const QString& file);

// The date order of seasons: by their first game's date and start time, then by file; files without
// games last.
bool season_before(const SeasonRecord& a, const SeasonRecord& b);
// The same for loaded files; those that cannot be read come last.
bool source_before(const SeasonSource& a, const SeasonSource& b);
void sort_seasons(std::vector<SeasonRecord>& seasons);

}  // namespace kl
