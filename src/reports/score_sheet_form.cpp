#include "score_sheet_form.h"

#include "game_analysis.h"
#include "game_sheet.h"
#include "store/vocabulary.h"

#include <algorithm>
#include <optional>

namespace kl {
namespace {

const QString scored_mark = QStringLiteral(u"○");
const QString missed_mark = QStringLiteral(u"×");

QString minutes_text(int minutes) {
    return QString::number(minutes);
}

QString kind_with_mark(const QString& kind, const md::GameEvent& event) {
    return event.mark().isEmpty() ? kind
                                  : kind + QStringLiteral(u"（") + event.mark() + QStringLiteral(u"）");
}

std::optional<ScoreSheetForm::Entry> timeline_entry(const md::GameEvent& event, const md::GameRecord& game) {
    const QString minute = event.time();
    switch (event.kind) {
        case md::EventKind::Goal:
            return ScoreSheetForm::Entry{minute, kind_with_mark(QStringLiteral(u"得点"), event),
                                         event.scorer(), event.assister(), detail_words(event.finish())};
        case md::EventKind::Conceded: {
            QString note = detail_words(event.finish());
            if (const QString before = detail_words(event.play_before()); !before.isEmpty()) {
                note += QStringLiteral(u" ← ") + before;
            }
            return ScoreSheetForm::Entry{
                minute, kind_with_mark(QStringLiteral(u"失点"), event), {}, {}, note};
        }
        case md::EventKind::Card:
            return ScoreSheetForm::Entry{minute, event.card(), event.carded_member(), {}, {}};
        case md::EventKind::Substitution:
            return ScoreSheetForm::Entry{minute, md::words::substitution, event.member_in(),
                                         event.member_out(), event.slot_position()};
        case md::EventKind::PositionChange:
            return ScoreSheetForm::Entry{
                minute, md::words::position_change, event.member_1(), event.member_2(),
                event.new_position_1() + QStringLiteral(u" ⇔ ") + event.new_position_2()};
        case md::EventKind::FormationChange:
            return ScoreSheetForm::Entry{minute,
                                         md::words::formation_change,
                                         {},
                                         {},
                                         game.formation() + QStringLiteral(u" → ") + event.new_formation()};
        case md::EventKind::ShootOut:
            break;
    }
    return std::nullopt;
}

void fill_scores(ScoreSheetForm& form, const md::GameRecord& game, const QString& team_name) {
    const SheetScore score = sheet_score(compose_game_sheet(game, team_name));
    for (const SheetScore::Row& row : score.rows) {
        const auto column = std::find(score_columns().begin(), score_columns().end(), row.label);
        if (column != score_columns().end()) {
            const auto index = static_cast<size_t>(column - score_columns().begin());
            form.own_goals[index] = row.own;
            form.opponent_goals[index] = row.opponent;
        }
    }
    form.own_goals.back() = score.own_total;
    form.opponent_goals.back() = score.opponent_total;
}

// The minutes of every spell name played, in whichever slot: with free re-entry a member can come
// on more than once. Nothing when name never played.
std::optional<int> minutes_played(const GameAnalysis& analysis, const QString& name) {
    std::optional<int> minutes;
    for (const StartingSlot& held : analysis.starting_slots) {
        for (const SlotHolder& holder : held.holders) {
            if (holder.name == name && !name.isEmpty()) {
                minutes = minutes.value_or(0) + holder.minutes;
            }
        }
    }
    return minutes;
}

// The position of the slot where a reserve first came on.
QString position_came_on(const md::GameRecord& game, const QString& name) {
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Substitution && event.member_in() == name) {
            return event.slot_position();
        }
    }
    return {};
}

// The starters in line-up order of the slots in use (eight rows for an eight-a-side game), then
// the reserves, each with the minutes they played.
void fill_members(ScoreSheetForm& form, const md::GameRecord& game) {
    const GameAnalysis analysis = analyse_game(game);
    size_t row = 0;
    for (int slot = 0; slot < md::record::starting_slots; ++slot) {
        if (!game.slot_in_use(slot)) {
            continue;
        }
        ScoreSheetForm::Member& starter = form.starters[row];
        starter = {analysis.starting_slots[row].position, game.starting_member(slot), {}};
        if (const std::optional<int> minutes = minutes_played(analysis, starter.name)) {
            starter.minutes = minutes_text(*minutes);
        }
        ++row;
    }
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        ScoreSheetForm::Member& reserve = form.reserves[static_cast<size_t>(slot)];
        reserve.name = game.reserve(slot);
        if (const std::optional<int> minutes = minutes_played(analysis, reserve.name)) {
            reserve.position = position_came_on(game, reserve.name);
            reserve.minutes = minutes_text(*minutes);
        }
    }
}

void fill_shoot_out(ScoreSheetForm& form, const md::GameEvent& event) {
    form.kicks_first = event.own_kicks_first() ? md::words::kicks_first : md::words::kicks_second;
    size_t own = 0;
    size_t opponent = 0;
    for (const md::ShootOutKick& kick : event.kicks()) {
        size_t& round = kick.own ? own : opponent;
        if (form.rounds.size() <= round) {
            form.rounds.resize(round + 1);
        }
        ScoreSheetForm::Round& entry = form.rounds[round];
        (kick.own ? entry.own : entry.opponent) = kick.scored ? scored_mark : missed_mark;
        if (kick.own) {
            entry.kicker = kick.kicker;
        }
        ++round;
    }
}

}  // namespace

const std::array<QString, 6>& score_columns() {
    static const std::array<QString, 6> columns = {QStringLiteral(u"前半"),     QStringLiteral(u"後半"),
                                                   QStringLiteral(u"延長前半"), QStringLiteral(u"延長後半"),
                                                   QStringLiteral(u"PK"),       QStringLiteral(u"合計")};
    return columns;
}

ScoreSheetForm filled_score_sheet(const md::GameRecord& game, const QString& team_name) {
    ScoreSheetForm form;
    form.team_name = team_name;
    form.date = game.date();
    form.start_time = game.start_time();
    form.ground = game.ground();
    form.opponent = game.opponent();
    form.meeting = game.meeting();
    form.recorder = game.recorder();
    form.formation = game.formation();
    fill_scores(form, game, team_name);
    fill_members(form, game);
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::ShootOut) {
            fill_shoot_out(form, event);
        } else if (const std::optional<ScoreSheetForm::Entry> entry = timeline_entry(event, game)) {
            form.timeline.push_back(*entry);
        }
    }
    return form;
}

std::optional<md::GameRecord> sample_game(const QStringList& game_lines) {
    std::optional<md::GameRecord> chosen;
    for (const QString& line : game_lines) {
        std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        if (game && (!chosen || game->events.size() > chosen->events.size())) {
            chosen = std::move(game);
        }
    }
    return chosen;
}

}  // namespace kl
