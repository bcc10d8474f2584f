#include "game_correction.h"

#include "store/master_lists.h"
#include "store/text_order.h"
#include "store/vocabulary.h"

#include <unordered_map>

namespace kl {
namespace {

md::UserMessage refused(const QString& reason) {
    return {QStringLiteral(u"読み込みエラー"),
            QStringLiteral(u"この試合データは修正できません。（") + reason + QStringLiteral(u"）")};
}

int row_of(const EventPage& page, const QString& member) {
    const auto& pitch = page.state().pitch;
    for (size_t row = 0; row < pitch.size(); ++row) {
        if (!member.isEmpty() && pitch[row].member == member) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// A pick of the pitch list by name; false when the member is not on the pitch.
bool click_member(EventPage& page, const QString& member) {
    const int row = row_of(page, member);
    page.click_pitch_row(row);
    return row >= 0;
}

// A detail panel filled as the scorer fills it: body part, then the action (whose rule may move
// the area), then the area, and OK. False when a stored text is none of the panel's options.
bool fill_details(EventPage& page, DetailPanel panel, const md::GoalDetail& detail) {
    const int choices[3] = {static_cast<int>(EventPage::options(panel, 0).indexOf(detail.body)),
                            static_cast<int>(EventPage::options(panel, 1).indexOf(detail.area)),
                            static_cast<int>(EventPage::options(panel, 2).indexOf(detail.action))};
    if (choices[0] < 0 || choices[1] < 0 || choices[2] < 0) {
        return false;
    }
    page.open_details(panel);
    page.choose_detail(panel, 0, choices[0]);
    page.choose_detail(panel, 2, choices[2]);
    page.choose_detail(panel, 1, choices[1]);
    page.close_details(panel);
    return true;
}

// The period the event belongs in: the shoot-out, extra time after the game time, regular time.
std::optional<QString> enter_period(EventPage& page, const md::GameEvent& event) {
    const EventPageState& state = page.state();
    Period wanted = Period::regular;
    if (event.kind == md::EventKind::ShootOut) {
        wanted = Period::shoot_out;
    } else if (event.minute() > state.game_minutes) {
        wanted = Period::extra;
    }
    if (state.period != wanted) {
        if (const std::optional<md::UserMessage> refusal = page.choose_period(wanted)) {
            return refusal->text;
        }
    }
    if (page.state().period != wanted) {
        return QStringLiteral(u"その時間帯に入力できません");
    }
    if (wanted != Period::shoot_out) {
        page.type_time(event.time());
    }
    return std::nullopt;
}

std::optional<QString> pick_substitution(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::substitution);
    const int reserve = static_cast<int>(page.state().reserves.indexOf(event.member_in()));
    if (!click_member(page, event.member_out()) || reserve < 0) {
        return QStringLiteral(u"メンバーがいません");
    }
    page.click_reserve(reserve);
    return std::nullopt;
}

std::optional<QString> pick_position_change(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::position_change);
    if (!click_member(page, event.member_1()) || !click_member(page, event.member_2())) {
        return QStringLiteral(u"メンバーがいません");
    }
    return std::nullopt;
}

std::optional<QString> pick_card(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::card);
    if (!click_member(page, event.carded_member())) {
        return QStringLiteral(u"メンバーがいません");
    }
    page.choose_card(event.card() == md::words::sending_off);
    return std::nullopt;
}

std::optional<QString> pick_goal(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::goal);
    const QString details_refused = QStringLiteral(u"得点の詳細が選べません");
    if (event.is_own_goal()) {
        page.set_own_goal(true);
        return fill_details(page, DetailPanel::own_goal, event.finish()) ? std::nullopt
                                                                         : std::optional(details_refused);
    }
    if (!click_member(page, event.scorer())) {
        return QStringLiteral(u"メンバーがいません");
    }
    if (!fill_details(page, DetailPanel::finish, event.finish())) {
        return details_refused;
    }
    if (!event.assister().isEmpty()) {
        if (!click_member(page, event.assister())) {
            return QStringLiteral(u"メンバーがいません");
        }
        if (!fill_details(page, DetailPanel::assist, event.assist())) {
            return details_refused;
        }
    }
    return std::nullopt;
}

std::optional<QString> pick_conceded(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::conceded);
    if (!fill_details(page, DetailPanel::conceded_finish, event.finish()) ||
        !fill_details(page, DetailPanel::play_before, event.play_before())) {
        return QStringLiteral(u"失点の詳細が選べません");
    }
    return std::nullopt;
}

std::optional<QString> pick_formation_change(EventPage& page, const md::GameEvent& event) {
    page.choose_kind(KindOption::formation_change);
    page.choose_formation_change(event.new_formation());
    return std::nullopt;
}

// The kicks of a shoot-out, each side's kick as its button records it.
std::optional<QString> kick_shoot_out(EventPage& page, const md::GameEvent& event) {
    page.choose_kick_order(event.own_kicks_first());
    for (const md::ShootOutKick& kick : event.kicks()) {
        if (kick.own && !click_member(page, kick.kicker)) {
            return QStringLiteral(u"キッカーがいません");
        }
        if (const std::optional<md::UserMessage> refusal = page.record_kick(kick.own, kick.scored)) {
            return refusal->text;
        }
    }
    return std::nullopt;
}

std::optional<QString> pick(EventPage& page, const md::GameEvent& event) {
    switch (event.kind) {
        case md::EventKind::Substitution:
            return pick_substitution(page, event);
        case md::EventKind::PositionChange:
            return pick_position_change(page, event);
        case md::EventKind::Card:
            return pick_card(page, event);
        case md::EventKind::Goal:
            return pick_goal(page, event);
        case md::EventKind::Conceded:
            return pick_conceded(page, event);
        case md::EventKind::FormationChange:
            return pick_formation_change(page, event);
        case md::EventKind::ShootOut:
            break;
    }
    return kick_shoot_out(page, event);
}

// Whether the event the page added is the stored one: every field, or every field but the
// position codes when they may follow a changed line-up.
bool matches(const QStringList& added, const md::GameEvent& stored, ReplayMatch match) {
    if (added.size() != stored.fields.size()) {
        return false;
    }
    const std::vector<int> positions =
        match == ReplayMatch::positions_may_follow ? md::position_field_numbers(stored) : std::vector<int>{};
    for (qsizetype i = 0; i < added.size(); ++i) {
        const bool may_differ = std::find(positions.begin(), positions.end(), i + 1) != positions.end();
        if (!may_differ && added[i] != stored.fields[i]) {
            return false;
        }
    }
    return true;
}

std::optional<QString> replay_event(EventPage& page, const md::GameEvent& event, ReplayMatch match) {
    if (std::optional<QString> refusal = enter_period(page, event)) {
        return refusal;
    }
    if (std::optional<QString> refusal = pick(page, event)) {
        return refusal;
    }
    const int count_before = page.state().event_field_count;
    if (const std::optional<md::UserMessage> refusal = page.add()) {
        return refusal->text;
    }
    const QStringList& fields = page.state().event_fields;
    const QStringList added = fields.mid(md::fixed_field_count + count_before);
    if (page.state().event_field_count == count_before || !matches(added, event, match)) {
        return QStringLiteral(u"同じイベントになりません");
    }
    return std::nullopt;
}

// page 1 and page 2 as a game's fixed fields show them.
GameInfo info_of(const md::GameRecord& game) {
    const QStringList time = game.start_time().split(u':');
    return {game.recorder(), game.date(),     time.value(0), time.value(1),
            game.ground(),   game.opponent(), game.meeting()};
}

// small_sided_games: the option as it is now; a game entered small-sided stays small-sided.
Lineup lineup_of(const md::GameRecord& game, const QString& member_list, bool small_sided_games) {
    Lineup lineup;
    lineup.formation = game.formation();
    int positions = 0;
    for (int slot = 0; slot < starting_rows; ++slot) {
        positions += game.starting_position(slot).isEmpty() ? 0 : 1;
    }
    lineup.small_sided_games = small_sided_games || md::is_small_sided(positions);
    lineup.side = lineup.small_sided_games ? positions : md::full_side;
    QStringList in_lineup;
    for (int slot = 0; slot < starting_rows; ++slot) {
        lineup.positions[static_cast<size_t>(slot)] = game.starting_position(slot);
        lineup.starters[static_cast<size_t>(slot)] = game.starting_member(slot);
        in_lineup.append(game.starting_member(slot));
    }
    for (int slot = 0; slot < reserve_slots; ++slot) {
        lineup.reserves[static_cast<size_t>(slot)] = game.reserve(slot);
        in_lineup.append(game.reserve(slot));
    }
    for (const QString& member : md::split_list(member_list)) {
        if (!in_lineup.contains(member)) {
            lineup.available.append(member);
        }
    }
    return lineup;
}

}  // namespace

std::optional<ReplayStop> replay_events(EventPage& page, const std::vector<md::GameEvent>& events,
                                        ReplayMatch match) {
    for (const md::GameEvent& event : events) {
        if (std::optional<QString> reason = replay_event(page, event, match)) {
            return ReplayStop{event, *reason};
        }
    }
    return std::nullopt;
}

QString event_label(const md::GameEvent& event) {
    const QString kind = md::kind_literal(event.kind);
    return event.kind == md::EventKind::ShootOut ? kind : event.time() + QStringLiteral(u"分 ") + kind;
}

std::vector<md::Formation> replay_formations(const std::vector<md::Formation>& master,
                                             const md::GameRecord& game) {
    std::vector<md::Formation> formations = master;
    for (const md::GameEvent& event : game.events) {
        if (event.kind != md::EventKind::FormationChange) {
            continue;
        }
        // The counts the change's rows show, forwards first as formations list them.
        md::Formation own{event.new_formation(), {}};
        for (size_t position = 0; position < own.counts.size(); ++position) {
            int count = 0;
            for (int row = 1; row < starting_rows; ++row) {
                count += event.row_position(row) == md::words::outfield_positions[position] ? 1 : 0;
            }
            own.counts[position] = QString::number(count);
        }
        const auto same_name = [&](const md::Formation& formation) { return formation.name == own.name; };
        formations.erase(std::remove_if(formations.begin(), formations.end(), same_name), formations.end());
        formations.push_back(own);
    }
    return formations;
}

std::variant<GameCorrection, md::UserMessage> open_correction(const md::DataStore& store, int position) {
    const std::optional<md::GameRecord> game = position >= 0 && position < store.game_lines.size()
                                                   ? md::GameRecord::parse(store.game_lines[position])
                                                   : std::nullopt;
    if (!game) {
        return refused(QStringLiteral(u"試合データがありません"));
    }
    GameCorrection correction{position, store.game_lines[position],
                              *game,    info_of(*game),
                              {},       lineup_of(*game, store.member_list, store.small_sided_games)};
    correction.rules = {game->meeting(),    game->game_time(),    game->extra_time(),
                        game->extra_mode(), game->extra_length(), game->shoot_out()};
    // Pages 1 and 2 must show the game as its fixed fields hold it, and pass their own checks.
    const QStringList fixed = game->fields.mid(1, md::fixed_field_count);
    const bool pages_hold_it =
        hour_choices().contains(correction.info.hour) && minute_choices().contains(correction.info.minute) &&
        !check_game_info(correction.info, store, position) && !check_lineup(correction.lineup).refusal &&
        game_info_fields(correction.info, correction.rules) + lineup_fields(correction.lineup) == fixed;
    if (!pages_hold_it) {
        return refused(QStringLiteral(u"試合情報かメンバーが入力できる形ではありません"));
    }
    EventPage page(fixed, replay_formations(store.formations(), *game), correction.lineup.small_sided_games);
    if (const std::optional<ReplayStop> stop = replay_events(page, game->events, ReplayMatch::exact)) {
        return refused(QStringLiteral(u"「") + event_label(stop->event) +
                       QStringLiteral(u"」　を入力し直せません"));
    }
    // Whatever a reader skips (fields after the end marker) the wizard would not write again.
    if (md::compose_record_line(page.state().event_fields, page.state().event_field_count) !=
        store.game_lines[position]) {
        return refused(QStringLiteral(u"試合データが入力できる形ではありません"));
    }
    return correction;
}

std::vector<md::GameEvent> events_for_lineup(const GameCorrection& correction, const Lineup& now) {
    std::unordered_map<QStringView, QString, md::TextHash> renamed;
    const auto carry = [&](const QString& stored, const QString& current) {
        if (!stored.isEmpty() && !current.isEmpty() && stored != current) {
            renamed.emplace(stored, current);
        }
    };
    const md::GameRecord& game = correction.game;
    for (int slot = 0; slot < starting_rows; ++slot) {
        carry(game.starting_member(slot), now.starters[static_cast<size_t>(slot)]);
    }
    for (int slot = 0; slot < reserve_slots; ++slot) {
        carry(game.reserve(slot), now.reserves[static_cast<size_t>(slot)]);
    }
    std::vector<md::GameEvent> events = game.events;
    for (md::GameEvent& event : events) {
        for (const int number : md::member_field_numbers(event)) {
            QString& name = event.fields[number - 1];
            const auto found = renamed.find(name);
            if (found != renamed.end()) {
                name = found->second;
            }
        }
    }
    return events;
}

md::UserMessage replay_cut_message(const ReplayStop& stop) {
    return {QStringLiteral(u"確認"), QStringLiteral(u"「") + event_label(stop.event) +
                                         QStringLiteral(u"」　以降のイベントを入力し直して下さい。")};
}

void count_stored_names_as_known(TypedNames& typed, const GameCorrection& correction) {
    typed.known_names += {correction.info.recorder, correction.info.ground, correction.info.opponent};
    for (int slot = 0; slot < starting_rows; ++slot) {
        typed.known_names.append(correction.game.starting_member(slot));
    }
    for (int slot = 0; slot < reserve_slots; ++slot) {
        typed.known_names.append(correction.game.reserve(slot));
    }
}

std::optional<md::UserMessage> replace_game(md::DataStore& store, int position,
                                            const QStringList& event_fields, int event_field_count,
                                            const std::optional<TypedNames>& typed) {
    if (position < 0 || position >= store.game_lines.size()) {
        return refused(QStringLiteral(u"試合データがありません"));
    }
    const QString stored = store.game_lines.takeAt(position);
    if (std::optional<md::UserMessage> refusal =
            complete_game(store, event_fields, event_field_count, typed)) {
        store.game_lines.insert(position, stored);
        return refusal;
    }
    return std::nullopt;
}

}  // namespace kl
