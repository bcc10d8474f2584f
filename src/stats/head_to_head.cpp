#include "head_to_head.h"

#include "store/game_record.h"
#include "store/text_order.h"
#include "team_stats.h"

#include <map>

namespace kl {

void OpponentRecord::add(const GameBar& game) {
    ++games;
    switch (game.score.result()) {
        case GameResult::win:
            ++wins;
            break;
        case GameResult::draw:
            ++draws;
            break;
        case GameResult::loss:
            ++losses;
            break;
    }
    goals_for += game.score.goals_for;
    conceded += game.score.conceded;
    // A later file's game of the same day and time is the later one.
    if (!last || !md::text_less(md::game_key(game.date, game.start_time),
                                md::game_key(last->date, last->start_time))) {
        last = game;
    }
}

std::vector<OpponentRecord> head_to_head(const std::vector<const SeasonRecord*>& seasons) {
    struct TextOrder {
        bool operator()(const QString& a, const QString& b) const { return md::text_less(a, b); }
    };
    std::map<QString, OpponentRecord, TextOrder> records;
    for (const SeasonRecord* season : seasons) {
        for (const GameBar& game : season->games) {
            OpponentRecord& record = records[game.opponent];
            record.opponent = game.opponent;
            record.add(game);
        }
    }
    std::vector<OpponentRecord> ordered;
    ordered.reserve(records.size());
    for (auto& [opponent, record] : records) {
        ordered.push_back(std::move(record));
    }
    return ordered;
}

OpponentRecord record_before(const QStringList& game_lines, QStringView opponent, const QString& date,
                             const QString& start_time) {
    const QString key = md::game_key(date, start_time);
    QStringList earlier;
    std::vector<QStringView> fields;
    for (const QString& line : game_lines) {
        md::split_record_line(line, fields);
        auto field = [&fields](int position) {
            return static_cast<size_t>(position) < fields.size() ? fields[static_cast<size_t>(position)]
                                                                 : QStringView();
        };
        if (field(md::record::opponent) == opponent &&
            md::text_less(
                md::game_key(field(md::record::date).toString(), field(md::record::start_time).toString()),
                key)) {
            earlier.append(line);
        }
    }
    // The team view's totals over those games are the record; the last game is not asked for.
    const TeamTotals totals = compute_team_stats(earlier, {}).totals;
    OpponentRecord record;
    record.opponent = opponent.toString();
    record.games = totals.games;
    record.wins = totals.wins;
    record.draws = totals.draws;
    record.losses = totals.losses;
    record.goals_for = totals.goals;
    record.conceded = totals.conceded;
    return record;
}

}  // namespace kl
