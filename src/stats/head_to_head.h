#pragma once

#include "season_charts.h"
#include "season_record.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kl {

// The team's record against one opponent; results decided as the team view decides them (a
// shoot-out decides a game, its kicks are no goals).
struct OpponentRecord {
    QString opponent;
    int games = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int goals_for = 0;
    int conceded = 0;
    std::optional<GameBar> last;  // the latest game by date and start time

    void add(const GameBar& game);
};

// One record per opponent over the seasons' games, in text order of the opponents.
std::vector<OpponentRecord> head_to_head(const std::vector<const SeasonRecord*>& seasons);

// The record against opponent in the games of game_lines that were played before the game of the
// given date and start time (an earlier game key); without its last game.
OpponentRecord record_before(const QStringList& game_lines, QStringView opponent, const QString& date,
                             const QString& start_time);

}  // namespace kl
