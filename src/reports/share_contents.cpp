#include "share_contents.h"

#include "game_analysis.h"
#include "output_files.h"
#include "season_texts.h"
#include "stats/player_stats.h"
#include "store/vocabulary.h"

#include <QDate>
#include <algorithm>

namespace kl {
namespace {

const QString date_form = QStringLiteral(u"yyyy/MM/dd");

QString minute_text(const QString& minute) {
    return minute + QStringLiteral(u"分");
}

// "2024/05/18（土）": the day of the week in Japanese, which a reader of the picture looks for.
QString date_with_weekday(const QString& date) {
    static const std::array<QString, 7> days = {
        QStringLiteral(u"月"), QStringLiteral(u"火"), QStringLiteral(u"水"), QStringLiteral(u"木"),
        QStringLiteral(u"金"), QStringLiteral(u"土"), QStringLiteral(u"日")};
    const QDate day = QDate::fromString(date, date_form);
    if (!day.isValid()) {
        return date;
    }
    return date + QStringLiteral(u"（") + days[static_cast<size_t>(day.dayOfWeek() - 1)] +
           QStringLiteral(u"）");
}

// The game as the results chart counts it: its score, its result and whether a shoot-out decided it.
GameBar game_bar(const QString& line) {
    const SeasonCharts charts = compute_season_charts({line}, {});
    return charts.games.empty() ? GameBar{} : charts.games.front();
}

QString result_words(const GameScore& score) {
    const bool on_kicks = score.decision() == Decision::shoot_out;
    switch (score.result()) {
        case GameResult::win:
            return on_kicks ? QStringLiteral(u"PK勝ち") : QStringLiteral(u"勝ち");
        case GameResult::loss:
            return on_kicks ? QStringLiteral(u"PK負け") : QStringLiteral(u"負け");
        case GameResult::draw:
            break;
    }
    return QStringLiteral(u"引き分け");
}

QString periods_line(const SheetScore& score) {
    QStringList periods;
    for (const SheetScore::Row& row : score.rows) {
        if (row.label != QStringLiteral(u"PK")) {
            periods.append(row.label + u' ' + row.own + u'-' + row.opponent);
        }
    }
    return periods.join(QStringLiteral(u"　"));
}

QString mark_words(const md::GameEvent& event) {
    return event.mark();
}

void add_event(ResultPicture& picture, const md::GameEvent& event) {
    using Kind = ResultPicture::Event::Kind;
    const QString minute = minute_text(event.time());
    switch (event.kind) {
        case md::EventKind::Goal: {
            QStringList details;
            if (!event.assister().isEmpty()) {
                details.append(QStringLiteral(u"アシスト ") + event.assister());
            }
            if (!event.mark().isEmpty()) {
                details.append(mark_words(event));
            }
            if (event.is_own_goal()) {
                picture.own_events.push_back({minute, Kind::goal, md::words::own_goal, details.join(u' ')});
            } else {
                picture.own_events.push_back({minute, Kind::goal, event.scorer(), details.join(u' ')});
            }
            break;
        }
        case md::EventKind::Conceded:
            picture.opponent_events.push_back({minute, Kind::conceded, {}, mark_words(event)});
            break;
        case md::EventKind::Card:
            picture.own_events.push_back({minute, event.sends_off() ? Kind::sending_off : Kind::caution,
                                          event.carded_member(), event.card()});
            break;
        default:
            break;
    }
}

// The starter of each slot in use and who came on there, with the minute: a holder comes on when
// the holders before them have played their minutes.
std::vector<ResultPicture::Player> pitch_players(const md::GameRecord& game) {
    std::vector<ResultPicture::Player> players;
    for (const StartingSlot& slot : analyse_game(game).starting_slots) {
        ResultPicture::Player player{slot.position, {}, {}};
        int minute = 0;
        for (size_t k = 0; k < slot.holders.size(); ++k) {
            if (k == 0) {
                player.name = slot.holders[k].name;
            } else {
                player.came_on.append(QStringLiteral(u"→ ") + slot.holders[k].name + u' ' +
                                      minute_text(QString::number(minute)));
            }
            minute += slot.holders[k].minutes;
        }
        players.push_back(player);
    }
    return players;
}

const SquadLine* squad_line_of(const std::vector<SquadLine>& squad, const QString& member);

const SquadLine* squad_line_of(const SeasonCharts& charts, const QString& member) {
    return squad_line_of(charts.squad, member);
}

std::vector<MemberCard::Position> positions_played(const PersonalStats& stats) {
    std::vector<MemberCard::Position> positions;
    for (int row = 1; row < position_row_count; ++row) {
        if (const int minutes = stats.positions[static_cast<size_t>(row)].minutes; minutes > 0) {
            positions.push_back({position_row_labels()[static_cast<size_t>(row)], minutes});
        }
    }
    std::stable_sort(positions.begin(), positions.end(),
                     [](const auto& a, const auto& b) { return a.minutes > b.minutes; });
    return positions;
}

// What the member did in one game: "80分 得点2 アシスト1", "出場なし" when named but not on the
// pitch, "—" when not named at all.
QString part_in_game(const SquadLine* line) {
    if (line == nullptr) {
        return QStringLiteral(u"—");
    }
    if (line->games == 0) {
        return QStringLiteral(u"出場なし");
    }
    QString part = QString::number(line->minutes) + QStringLiteral(u"分");
    if (line->goals > 0) {
        part += QStringLiteral(u" 得点") + QString::number(line->goals);
    }
    if (line->assists > 0) {
        part += QStringLiteral(u" アシスト") + QString::number(line->assists);
    }
    return part;
}

std::vector<MemberCard::Figure> figures_of(const SquadLine& line, const QString& share) {
    std::vector<MemberCard::Figure> figures = {
        {QStringLiteral(u"出場"), QString::number(line.games), QStringLiteral(u"試合")},
        {QStringLiteral(u"出場時間"), QString::number(line.minutes), QStringLiteral(u"分")},
        {QStringLiteral(u"出場率"), share, {}},
        {QStringLiteral(u"得点"), QString::number(line.goals), {}},
        {QStringLiteral(u"アシスト"), QString::number(line.assists), {}}};
    if (line.cautions + line.sendings_off > 0) {
        figures.push_back({QStringLiteral(u"警告・退場"),
                           QString::number(line.cautions) + u'/' + QString::number(line.sendings_off),
                           {}});
    }
    return figures;
}

const SquadLine* squad_line_of(const std::vector<SquadLine>& squad, const QString& member) {
    const auto found =
        std::find_if(squad.begin(), squad.end(), [&](const SquadLine& line) { return line.name == member; });
    return found == squad.end() ? nullptr : &*found;
}

// The member's part in each event of the game that names them; the other members stay unnamed.
QStringList moments_of(const md::GameRecord& game, const QString& member) {
    QStringList moments;
    const auto moment = [&](const md::GameEvent& event, const QString& what) {
        moments.append(minute_text(event.time()) + QStringLiteral(u"　") + what);
    };
    for (const md::GameEvent& event : game.events) {
        switch (event.kind) {
            case md::EventKind::Goal:
                if (event.scorer() == member) {
                    const QString details = detail_words(event.finish());
                    moment(event, QStringLiteral(u"得点") +
                                      (details.isEmpty() ? QString() : u'（' + details + u'）'));
                } else if (event.assister() == member) {
                    moment(event, QStringLiteral(u"アシスト"));
                }
                break;
            case md::EventKind::Card:
                if (event.carded_member() == member) {
                    moment(event, event.card());
                }
                break;
            case md::EventKind::Substitution:
                if (event.member_in() == member) {
                    moment(event, QStringLiteral(u"途中出場（") + event.slot_position() + u'）');
                } else if (event.member_out() == member) {
                    moment(event, QStringLiteral(u"交代で退く"));
                }
                break;
            case md::EventKind::PositionChange:
                if (event.member_1() == member || event.member_2() == member) {
                    moment(event, QStringLiteral(u"ポジション変更（") +
                                      (event.member_1() == member ? event.new_position_1()
                                                                  : event.new_position_2()) +
                                      u'）');
                }
                break;
            default:
                break;
        }
    }
    return moments;
}

QString way_of_playing(const SquadLine& line) {
    if (line.starts > 0) {
        return QStringLiteral(u"先発");
    }
    return line.came_on > 0 ? QStringLiteral(u"途中出場") : QStringLiteral(u"出場なし");
}

}  // namespace

ResultPicture result_picture(const md::GameRecord& game, const QString& team_name) {
    ResultPicture picture;
    picture.meeting = game.meeting();
    picture.date_line = date_with_weekday(game.date()) + u' ' + game.start_time();
    picture.ground = game.ground();
    picture.team_name = team_name;
    picture.opponent = game.opponent();
    const GameBar bar = game_bar(game.fields.join(u','));
    picture.own_total = QString::number(bar.score.goals_for);
    picture.opponent_total = QString::number(bar.score.conceded);
    if (bar.shoot_out) {
        picture.shoot_out = QStringLiteral(u"PK ") + QString::number(bar.score.own_kicks) + u'-' +
                            QString::number(bar.score.opponent_kicks);
    }
    picture.outcome = bar.score.result();
    picture.result = result_words(bar.score);
    picture.periods = periods_line(sheet_score(compose_game_sheet(game, team_name)));
    for (const md::GameEvent& event : game.events) {
        add_event(picture, event);
    }
    picture.formation = game.formation();
    picture.players = pitch_players(game);
    return picture;
}

MemberCard season_card(const QString& team_name, const QStringList& shared_lines, const StatsFilter& filter,
                       const FilterTexts& filter_texts, const QString& member) {
    MemberCard card;
    card.team_name = team_name;
    card.member = member;
    card.title = QStringLiteral(u"シーズンの記録");
    card.scope = filter_texts.from + QStringLiteral(u" ～ ") + filter_texts.to + QStringLiteral(u"　") +
                 (filter.use_meeting ? filter.meeting_name : QStringLiteral(u"全大会"));
    const SeasonCharts charts = compute_season_charts(shared_lines, filter);
    const SquadLine line = [&] {
        const SquadLine* found = squad_line_of(charts, member);
        return found != nullptr ? *found : SquadLine{member};
    }();
    card.figures = figures_of(line, percent_text(minutes_share(line.minutes, line.minutes_named)));
    card.positions = positions_played(compute_personal_stats(shared_lines, filter, member));
    const TeamTotals& totals = charts.totals;
    card.team_record = QString::number(totals.wins) + QStringLiteral(u"勝 ") + QString::number(totals.draws) +
                       QStringLiteral(u"分 ") + QString::number(totals.losses) +
                       QStringLiteral(u"敗　得点 ") + QString::number(totals.goals) +
                       QStringLiteral(u"　失点 ") + QString::number(totals.conceded);
    card.games = member_games(games_of_season(shared_lines, filter), member);
    return card;
}

std::vector<GameOfSeason> games_of_season(const QStringList& shared_lines, const StatsFilter& filter) {
    std::vector<GameOfSeason> games;
    for (const QString& line : shared_lines) {
        SeasonCharts one = compute_season_charts({line}, filter);
        if (!one.games.empty()) {
            games.push_back({one.games.front(), std::move(one.squad)});
        }
    }
    std::stable_sort(games.begin(), games.end(), [](const GameOfSeason& a, const GameOfSeason& b) {
        return md::game_key(a.bar.date, a.bar.start_time) < md::game_key(b.bar.date, b.bar.start_time);
    });
    return games;
}

std::vector<MemberCard::Game> member_games(const std::vector<GameOfSeason>& games, const QString& member) {
    std::vector<MemberCard::Game> rows;
    for (const GameOfSeason& game : games) {
        rows.push_back({game.bar.date, game.bar.opponent, game_bar_score(game.bar),
                        result_text(game.bar.score.result()),
                        part_in_game(squad_line_of(game.squad, member))});
    }
    return rows;
}

MemberCard game_card(const QString& team_name, const QString& shared_line, const QString& member) {
    MemberCard card;
    card.team_name = team_name;
    card.member = member;
    card.title = QStringLiteral(u"試合の記録");
    const std::optional<md::GameRecord> game = md::GameRecord::parse(shared_line);
    if (!game) {
        return card;
    }
    card.scope = date_with_weekday(game->date()) + QStringLiteral(u"　") + game->meeting() +
                 QStringLiteral(u"　vs ") + game->opponent();
    const SeasonCharts one = compute_season_charts({shared_line}, {});
    const SquadLine* found = squad_line_of(one, member);
    const SquadLine line = found != nullptr ? *found : SquadLine{member};
    const int length = analyse_game(*game).game_length;
    card.figures = figures_of(line, percent_text(minutes_share(line.minutes, length)));
    card.figures.front() = {QStringLiteral(u"出場"), way_of_playing(line), {}};
    card.positions = positions_played(compute_personal_stats({shared_line}, {}, member));
    card.moments = moments_of(*game, member);
    const GameBar bar = game_bar(shared_line);
    card.team_record = game_bar_score(bar) + QStringLiteral(u"　") + result_words(bar.score);
    card.games = member_games(games_of_season({shared_line}, {}), member);
    return card;
}

QString result_picture_file_name(const QString& team_name, const md::GameRecord& game) {
    return output_base_name(team_name, game.opponent(), QDate::fromString(game.date(), date_form)) +
           QStringLiteral(u".png");
}

QString member_card_file_name(const QString& team_name, const QString& shown_member,
                              const QString& game_date) {
    const QDate day = game_date.isEmpty() ? QDate::currentDate() : QDate::fromString(game_date, date_form);
    return output_base_name(team_name, shown_member, day) + QStringLiteral(u".png");
}

}  // namespace kl
