#include "game_analysis.h"

#include "store/numbers.h"
#include "store/vocabulary.h"

namespace kl {
namespace {

struct GameTimes {
    int game = 0;   // G
    int extra = 0;  // E
    bool has_extra_length = false;
    double extra_half_end() const { return game + extra / 2.0; }
    int rounded_extra_half_end() const {
        return md::saturated(static_cast<long long>(game) + md::round_half_even(extra / 2.0));
    }
    int extra_end() const { return md::saturated(static_cast<long long>(game) + extra); }
};

GameTimes times_of(const md::GameRecord& game) {
    return {md::leading_int(game.game_time()), md::leading_int(game.extra_length()),
            !game.extra_length().isEmpty()};
}

int minutes_between(int from, int to) {
    return md::saturated(static_cast<long long>(to) - from);
}

bool is_scoring(const md::GameEvent& event) {
    return event.kind == md::EventKind::Goal || event.kind == md::EventKind::Conceded;
}

bool has_extra_time_mark(const md::GameEvent& event) {
    return event.mark() == md::words::golden_goal || event.mark() == md::words::silver_goal;
}

// 1 first half, 2 second half, 3 extra first half, 4 extra second half; 0 beyond all four.
int period_of(int minute, const GameTimes& times) {
    const int bounds[4] = {md::round_half_even(times.game / 2.0), times.game,
                           times.has_extra_length ? times.rounded_extra_half_end() : 0,
                           times.has_extra_length ? times.extra_end() : 0};
    for (int period = 0; period < 4; ++period) {
        if (minute <= bounds[period]) {
            return period + 1;
        }
    }
    return 0;
}

// A golden-goal game ends at the first half of extra time when its last goal came before that half
// ended. A game without goals is taken to have played all its extra time.
int golden_goal_length(const md::GameRecord& game, const GameTimes& times) {
    int length = times.extra_end();
    for (const md::GameEvent& event : game.events) {
        if (is_scoring(event)) {
            length =
                times.extra_half_end() > event.minute() ? times.rounded_extra_half_end() : times.extra_end();
        }
    }
    return length;
}

// A silver-goal game ends at the first half of extra time when a side leads then.
int silver_goal_length(const md::GameRecord& game, const GameTimes& times) {
    enum class Lead { none, own, opponent } lead = Lead::none;
    for (const md::GameEvent& event : game.events) {
        const bool own = event.kind == md::EventKind::Goal;
        if (!is_scoring(event)) {
            continue;
        }
        if (lead == Lead::none && event.minute() < times.extra_half_end()) {
            lead = own ? Lead::own : Lead::opponent;
        } else if (lead == (own ? Lead::opponent : Lead::own)) {
            lead = Lead::none;
        }
    }
    return lead != Lead::none ? times.rounded_extra_half_end() : times.extra_end();
}

int game_length(const md::GameRecord& game, const GameTimes& times) {
    if (!game.has_extra_time()) {
        return times.game;
    }
    if (game.extra_mode() == md::words::golden_goal_mode) {
        return golden_goal_length(game, times);
    }
    if (game.extra_mode() == md::words::silver_goal_mode) {
        return silver_goal_length(game, times);
    }
    return times.extra_end();
}

// The holders of a starting slot: substitutions pass it on, a sending-off leaves it empty. A member
// who comes back on (free re-entry) holds a slot again, so his minutes are those of his spells.
StartingSlot slot_holders(const md::GameRecord& game, int slot, int length, int& substitutions) {
    StartingSlot result{game.starting_position(slot), {}};
    QString holder = game.starting_member(slot);
    if (holder.isEmpty()) {
        return result;
    }
    int came_on = 0;
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Substitution && event.member_out() == holder) {
            result.holders.push_back({holder, minutes_between(came_on, event.minute())});
            holder = event.member_in();
            came_on = event.minute();
            ++substitutions;
        } else if (event.kind == md::EventKind::Card && event.sends_off() &&
                   event.carded_member() == holder) {
            result.holders.push_back({holder, minutes_between(came_on, event.minute())});
            return result;
        }
    }
    result.holders.push_back({holder, minutes_between(came_on, length)});
    return result;
}

}  // namespace

GameAnalysis analyse_game(const md::GameRecord& game) {
    GameAnalysis analysis;
    const GameTimes times = times_of(game);
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::ShootOut) {
            const md::ShootOutScore kicks = event.shoot_out_score();
            analysis.own[5] = kicks.own;
            analysis.opponent[5] = kicks.opponent;
            continue;
        }
        if (!is_scoring(event)) {
            continue;
        }
        PeriodGoals& side = event.kind == md::EventKind::Goal ? analysis.own : analysis.opponent;
        ++side[0];
        if (const int period = period_of(event.minute(), times); period > 0) {
            ++side[static_cast<size_t>(period)];
        }
        if (has_extra_time_mark(event) && event.minute() <= times.extra_half_end()) {
            analysis.ended_in_first_extra_half = true;
        }
    }
    analysis.game_length = game_length(game, times);
    for (int slot = 0; slot < md::record::starting_slots; ++slot) {
        if (game.slot_in_use(slot)) {
            analysis.starting_slots.push_back(
                slot_holders(game, slot, analysis.game_length, analysis.substitutions));
        }
    }
    return analysis;
}

QString game_header_line(const md::GameRecord& game) {
    QString line = QStringLiteral(u"◇ ") + game.date() + QStringLiteral(u"  ") + game.start_time() +
                   QStringLiteral(u"～　◇　") + game.ground() + QStringLiteral(u"　◇　") + game.meeting() +
                   QStringLiteral(u"　◇　") + game.game_time() + QStringLiteral(u" 分（前後半）");
    if (game.has_extra_time()) {
        line += QStringLiteral(u"　") + game.extra_length() + QStringLiteral(u" 分（延長[") +
                game.extra_mode() + QStringLiteral(u"]）");
        if (game.has_shoot_out()) {
            line += QStringLiteral(u"　◇　PK戦あり");
        }
    }
    return line;
}

QString detail_group(const md::GoalDetail& detail) {
    return QStringLiteral(u" （") + detail.body + QStringLiteral(u" , ") + detail.area +
           QStringLiteral(u" , ") + detail.action + QStringLiteral(u"）");
}

QString side_with_mark(const QString& side, const md::GameEvent& event) {
    if (event.mark().isEmpty()) {
        return u'[' + side + u']';
    }
    return u'[' + side + QStringLiteral(u"] - [") + event.mark() + u']';
}

QString detail_words(const md::GoalDetail& detail) {
    QStringList parts;
    for (const QString& part : {detail.body, detail.area, detail.action}) {
        if (!part.isEmpty()) {
            parts.append(part);
        }
    }
    return parts.join(u'・');
}

}  // namespace kl
