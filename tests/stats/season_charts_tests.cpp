#include "stats/season_charts.h"
#include "stats/team_stats.h"
#include "store/data_store.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

const QString golden_mode = QStringLiteral(u"ゴールデンゴール方式");
const QString golden_goal = QStringLiteral(u"ゴールデンゴール");
const QString caution = QStringLiteral(u"警告");

QStringList lines_of(std::initializer_list<GameBuilder> games) {
    QStringList lines;
    for (const GameBuilder& game : games) {
        lines.append(game.line());
    }
    return lines;
}

SeasonCharts charts_of(std::initializer_list<GameBuilder> games, const StatsFilter& filter = {}) {
    return compute_season_charts(lines_of(games), filter);
}

const SquadLine& member(const SeasonCharts& charts, const QString& name) {
    for (const SquadLine& line : charts.squad) {
        if (line.name == name) {
            return line;
        }
    }
    static const SquadLine none;
    ADD_FAILURE() << "no squad line for " << name.toStdString();
    return none;
}

// A shoot-out of rounds kicks each side; the own team scores own of its kicks, the opponent theirs.
QStringList shoot_out(int rounds, int own, int theirs) {
    QStringList kicks;
    for (int round = 0; round < rounds; ++round) {
        kicks += {round < own ? QStringLiteral(u"1") : QStringLiteral(u"0"), QStringLiteral(u"S11"),
                  round < theirs ? QStringLiteral(u"1") : QStringLiteral(u"0")};
    }
    return md::compose_shoot_out(true, kicks);
}

GameBuilder on(const QString& date) {
    GameBuilder game;
    game.date = date;
    return game;
}

// Regular-time results, a golden goal, a game through goalless extra time lost on penalties, and one
// drawn after goalless extra time without a shoot-out.
std::vector<GameBuilder> decided_games() {
    GameBuilder won = on(QStringLiteral(u"2006/04/01"));
    won.goal(10, QStringLiteral(u"S10")).goal(80, QStringLiteral(u"S11")).conceded(50);
    GameBuilder lost = on(QStringLiteral(u"2006/04/08"));
    lost.conceded(5);
    GameBuilder drawn = on(QStringLiteral(u"2006/04/15"));
    drawn.goal(20, QStringLiteral(u"S9")).conceded(30);
    GameBuilder golden = on(QStringLiteral(u"2006/04/22"));
    golden.with_extra_time(golden_mode, 20).conceded(40).goal(70, QStringLiteral(u"S10"));
    golden.goal(97, QStringLiteral(u"R1"), {}, golden_goal);
    GameBuilder penalties = on(QStringLiteral(u"2006/04/29"));
    penalties.with_extra_time(QStringLiteral(u"前・後半"), 20).with_shoot_out().add(shoot_out(5, 3, 4));
    GameBuilder level = on(QStringLiteral(u"2006/05/06"));
    level.with_extra_time(QStringLiteral(u"前・後半"), 20);
    return {won, lost, drawn, golden, penalties, level};
}

QStringList decided_lines() {
    QStringList lines;
    for (const GameBuilder& game : decided_games()) {
        lines.append(game.line());
    }
    return lines;
}

TEST(SeasonCharts, ResultsAreSplitByHowTheyWereDecidedAsTheTeamViewCountsThem) {
    const SeasonCharts charts = compute_season_charts(decided_lines(), {});
    EXPECT_EQ(decision_breakdown_line(charts.decisions),
              QStringLiteral(u"（内訳）規定時間: 1勝 2分 1敗　延長: 1勝 0敗　PK: 0勝 1敗"));
    // The team view computes the same breakdown in its own pass.
    const TeamStats team = compute_team_stats(decided_lines(), {});
    EXPECT_EQ(decision_breakdown_line(team.decisions), decision_breakdown_line(charts.decisions));
    EXPECT_EQ(team.totals.wins, 2);
    EXPECT_EQ(team.totals.draws, 2);
    EXPECT_EQ(team.totals.losses, 2);
}

TEST(SeasonCharts, AGoalInRegularTimeOfAGameWithoutExtraTimeIsNeverAnExtraTimeDecision) {
    GameBuilder late;  // 90 minutes, no extra time, a goal recorded at 93
    late.goal(93, QStringLiteral(u"S10"));
    GameBuilder silver;
    silver.with_extra_time(QStringLiteral(u"シルバーゴール方式"), 30)
        .conceded(20)
        .goal(60, QStringLiteral(u"S9"));
    silver.goal(100, QStringLiteral(u"S9"), {}, QStringLiteral(u"シルバーゴール"));
    EXPECT_EQ(decision_breakdown_line(charts_of({late, silver}).decisions),
              QStringLiteral(u"（内訳）規定時間: 1勝 0分 0敗　延長: 1勝 0敗　PK: 0勝 0敗"));
}

TEST(SeasonCharts, GamesAreInDateOrderWithTheirScoresAndThePointsSoFar) {
    std::vector<GameBuilder> games = decided_games();
    games[0].recorder = QStringLiteral(u"後の記録者");  // stored last, played first
    QStringList lines;
    for (const GameBuilder& game : games) {
        lines.append(game.line());
    }
    md::sort_game_lines(lines);
    const SeasonCharts charts = compute_season_charts(lines, {});
    ASSERT_EQ(charts.games.size(), 6u);
    EXPECT_EQ(charts.games[0].date, QStringLiteral(u"2006/04/01"));
    EXPECT_EQ(charts.games[0].score.goals_for, 2);
    EXPECT_EQ(charts.games[0].score.conceded, 1);
    EXPECT_EQ(charts.games[0].opponent, QStringLiteral(u"青葉FC"));
    std::vector<int> points;
    for (const GameBar& game : charts.games) {
        points.push_back(game.points_after);
    }
    EXPECT_EQ(points, (std::vector<int>{3, 3, 4, 7, 7, 8}));
    // The shoot-out decides the result, not the goals.
    const GameBar& penalties = charts.games[4];
    EXPECT_TRUE(penalties.shoot_out);
    EXPECT_EQ(penalties.score.result(), GameResult::loss);
    EXPECT_EQ(penalties.score.own_kicks, 3);
    EXPECT_EQ(penalties.score.opponent_kicks, 4);
    EXPECT_FALSE(charts.games[5].shoot_out);
}

TEST(SeasonCharts, GoalsFallIntoFifteenMinuteBandsOfRegularTimeAndExtraTime) {
    GameBuilder short_game;
    short_game.game_time = QStringLiteral(u"80");
    short_game.goal(0, QStringLiteral(u"S10"))
        .goal(15, QStringLiteral(u"S10"))
        .goal(16, QStringLiteral(u"S10"));
    short_game.conceded(80);
    GameBuilder golden;
    golden.with_extra_time(golden_mode, 20).conceded(90).goal(97, QStringLiteral(u"S9"), {}, golden_goal);
    const SeasonCharts charts = charts_of({short_game, golden});
    EXPECT_EQ(charts.bands.labels,
              (QStringList{QStringLiteral(u"0-15分"), QStringLiteral(u"16-30分"), QStringLiteral(u"31-45分"),
                           QStringLiteral(u"46-60分"), QStringLiteral(u"61-75分"), QStringLiteral(u"76-90分"),
                           QStringLiteral(u"延長")}));
    EXPECT_EQ(charts.bands.goals_for, (std::vector<int>{2, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(charts.bands.conceded, (std::vector<int>{0, 0, 0, 0, 0, 2, 0}));
    // Without extra time in the chosen games there is no extra-time band; 80 minutes end at 80.
    const TimeBands league = charts_of({short_game}).bands;
    EXPECT_EQ(league.labels.back(), QStringLiteral(u"76-80分"));
    EXPECT_EQ(league.labels.size(), 6);
    EXPECT_TRUE(charts_of({}).bands.labels.isEmpty());
}

TEST(SeasonCharts, AnOwnGoalCountsForTheTeamAndInNobodysLine) {
    GameBuilder game;
    game.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9"));
    game.add(md::compose_goal(
        QStringLiteral(u"40"), {}, md::words::own_goal,
        {QStringLiteral(u"足"), QStringLiteral(u"右サイド"), QStringLiteral(u"シュート")}, {}, {}));
    game.goal(60, QStringLiteral(u"S9"));
    const SeasonCharts charts = charts_of({game});
    EXPECT_EQ(charts.totals.goals, 3);
    int member_goals = 0;
    for (const SquadLine& line : charts.squad) {
        member_goals += line.goals;
    }
    EXPECT_EQ(member_goals, charts.totals.goals - 1);
    // The shapes of the goals: the own goal a bar of its own in each.
    const GoalShapes& shapes = charts.shapes;
    EXPECT_EQ(shapes.body.labels.back(), md::words::own_goal);
    EXPECT_EQ(shapes.body.counts, (std::vector<int>{0, 2, 0, 0, 1}));
    EXPECT_EQ(shapes.area.counts, (std::vector<int>{2, 0, 0, 0, 0, 1}));
    EXPECT_EQ(shapes.action.counts, (std::vector<int>{0, 1, 1, 0, 0, 0, 1}));
    // Scorers: most goals first, then most assists; members with neither left out.
    const std::vector<SquadLine> scorers = scorers_order(charts.squad);
    ASSERT_EQ(scorers.size(), 2u);
    EXPECT_EQ(scorers[0].name, QStringLiteral(u"S9"));
    EXPECT_EQ(scorers[0].goals, 1);
    EXPECT_EQ(scorers[0].assists, 1);
    EXPECT_EQ(scorers[1].name, QStringLiteral(u"S10"));
}

TEST(SeasonCharts, TheSquadSaysWhoStartedCameOnAndForHowLong) {
    GameBuilder first;
    first.substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"))
        .card(30, caution, QStringLiteral(u"S3"))
        .card(70, QStringLiteral(u"警告（退場）"), QStringLiteral(u"S3"));
    GameBuilder second = on(QStringLiteral(u"2006/04/08"));
    second.with_extra_time(golden_mode, 20).goal(97, QStringLiteral(u"S10"), {}, golden_goal);
    second.starters[10] = QStringLiteral(u"R1");
    second.reserves = {QStringLiteral(u"S11"), QStringLiteral(u"R2")};
    const SeasonCharts charts = charts_of({first, second});
    const TeamStats team = compute_team_stats(lines_of({first, second}), {});

    const SquadLine& r1 = member(charts, QStringLiteral(u"R1"));
    EXPECT_EQ(r1.games, 2);
    EXPECT_EQ(r1.starts, 1);
    EXPECT_EQ(r1.came_on, 1);
    EXPECT_EQ(r1.minutes, 30 + 97);
    EXPECT_DOUBLE_EQ(r1.minutes_named, 90 + 97);
    const SquadLine& s11 = member(charts, QStringLiteral(u"S11"));
    EXPECT_EQ(s11.games, 1);  // named but not on in the second game
    EXPECT_EQ(s11.minutes, 60);
    EXPECT_DOUBLE_EQ(s11.minutes_named, 90 + 97);
    const SquadLine& s3 = member(charts, QStringLiteral(u"S3"));
    EXPECT_EQ(s3.minutes, 70 + 97);
    EXPECT_EQ(s3.cautions, 1);
    EXPECT_EQ(s3.sendings_off, 1);
    const SquadLine& r2 = member(charts, QStringLiteral(u"R2"));
    EXPECT_EQ(r2.games, 0);
    EXPECT_EQ(minutes_share(r2.minutes, r2.minutes_named), 0);
    // The figures the team view also shows are the team view's, member by member.
    ASSERT_EQ(charts.squad.size(), team.players.size());
    for (size_t i = 0; i < team.players.size(); ++i) {
        EXPECT_EQ(charts.squad[i].name, team.players[i].name);
        EXPECT_EQ(charts.squad[i].minutes, team.players[i].minutes);
        EXPECT_EQ(charts.squad[i].cautions, team.players[i].cautions);
    }
    // Minutes: the most first, ties in squad order.
    const std::vector<SquadLine> ordered = minutes_order(charts.squad);
    EXPECT_EQ(ordered.front().name, QStringLiteral(u"S1"));
    EXPECT_EQ(ordered[ordered.size() - 2].name, QStringLiteral(u"R2"));
    EXPECT_EQ(ordered.back().name, QStringLiteral(u"R3"));
}

TEST(SeasonCharts, AShareOfMinutesStopsAtTheWhole) {
    EXPECT_DOUBLE_EQ(minutes_share(45, 90), 0.5);
    // 97.5 minutes of a silver-goal game round to 98 for the members who played them all.
    EXPECT_DOUBLE_EQ(minutes_share(98, 97.5), 1.0);
    EXPECT_DOUBLE_EQ(minutes_share(10, 0), 0.0);
}

TEST(SeasonCharts, GoalkeepersCountGoalsConcededInGoalAndWholeGamesWithoutOne) {
    GameBuilder clean;
    clean.goal(10, QStringLiteral(u"S10"));
    GameBuilder changed = on(QStringLiteral(u"2006/04/08"));
    changed.conceded(20).substitution(45, QStringLiteral(u"GK"), QStringLiteral(u"R1"),
                                      QStringLiteral(u"S1"));
    changed.conceded(50);
    changed.add(md::compose_position_change(QStringLiteral(u"70"), QStringLiteral(u"GK"),
                                            QStringLiteral(u"S2"), QStringLiteral(u"SB"),
                                            QStringLiteral(u"R1")));
    changed.conceded(80).conceded(85);
    GameBuilder sent_off = on(QStringLiteral(u"2006/04/15"));
    sent_off.card(30, QStringLiteral(u"退場"), QStringLiteral(u"S1"));
    const SeasonCharts charts = charts_of({clean, changed, sent_off});

    const SquadLine& s1 = member(charts, QStringLiteral(u"S1"));
    EXPECT_TRUE(s1.kept_goal);
    EXPECT_EQ(s1.conceded_in_goal, 1);
    EXPECT_EQ(s1.clean_sheets, 1);  // not the game he was sent off in: not in goal to the end
    const SquadLine& r1 = member(charts, QStringLiteral(u"R1"));
    EXPECT_TRUE(r1.kept_goal);
    EXPECT_EQ(r1.conceded_in_goal, 1);
    EXPECT_EQ(r1.clean_sheets, 0);
    const SquadLine& s2 = member(charts, QStringLiteral(u"S2"));
    EXPECT_TRUE(s2.kept_goal);
    EXPECT_EQ(s2.conceded_in_goal, 2);
    EXPECT_FALSE(member(charts, QStringLiteral(u"S3")).kept_goal);
}

TEST(SeasonCharts, CautionsThatReachTwoInOneMeetingAreListedWithTheirDates) {
    GameBuilder first = on(QStringLiteral(u"2006/05/01"));
    first.card(10, caution, QStringLiteral(u"S3")).card(20, caution, QStringLiteral(u"S4"));
    GameBuilder second = on(QStringLiteral(u"2006/04/01"));
    second.card(10, caution, QStringLiteral(u"S3")).card(20, caution, QStringLiteral(u"S5"));
    second.card(30, caution, QStringLiteral(u"S4"))
        .card(35, QStringLiteral(u"警告（退場）"), QStringLiteral(u"S4"));
    GameBuilder cup = on(QStringLiteral(u"2006/06/01"));
    cup.meeting = QStringLiteral(u"カップ戦");
    cup.card(10, caution, QStringLiteral(u"S5"));
    const SeasonCharts charts = charts_of({first, second, cup});
    ASSERT_EQ(charts.cautions.size(), 2u);
    EXPECT_EQ(charts.cautions[0].meeting, QStringLiteral(u"リーグ戦"));
    EXPECT_EQ(charts.cautions[0].member, QStringLiteral(u"S3"));
    EXPECT_EQ(charts.cautions[0].dates,
              (QStringList{QStringLiteral(u"2006/04/01"), QStringLiteral(u"2006/05/01")}));
    EXPECT_EQ(charts.cautions[1].member, QStringLiteral(u"S4"));
    // S5's cautions were in two meetings; the filter leaves out what it does not choose.
    EXPECT_TRUE(
        charts_of({first, second}, {false, {}, {}, true, QStringLiteral(u"カップ戦")}).cautions.empty());
}

// Every figure the team view shows agrees with the charts over a whole season, with and without a filter.
TEST(SeasonCharts, AgreeWithTheTeamViewOverWholeSeasons) {
    for (const QString& file :
         {QStringLiteral(KL_DEMO_FILE), test::data_file(QStringLiteral(u"rich_team.kld"))}) {
        md::DataStore store;
        ASSERT_TRUE(store.load_team_file(file).ok());
        for (const StatsFilter& filter :
             {StatsFilter{}, StatsFilter{false, {}, {}, true, QStringLiteral(u"県大会")},
              StatsFilter{false, {}, {}, true, QStringLiteral(u"カップ戦")}}) {
            const TeamStats team = compute_team_stats(store.game_lines, filter);
            const SeasonCharts charts = compute_season_charts(store.game_lines, filter);
            EXPECT_EQ(team_totals_line(charts.totals), team_totals_line(team.totals));
            EXPECT_EQ(decision_breakdown_line(charts.decisions), decision_breakdown_line(team.decisions));
            ResultCounts all;
            for (const ResultCounts& counts :
                 {team.decisions.regular_time, team.decisions.extra_time, team.decisions.shoot_out}) {
                all.wins += counts.wins;
                all.draws += counts.draws;
                all.losses += counts.losses;
            }
            EXPECT_EQ(all.wins, team.totals.wins);
            EXPECT_EQ(all.draws, team.totals.draws);
            EXPECT_EQ(all.losses, team.totals.losses);
            ASSERT_EQ(charts.squad.size(), team.players.size());
            int goals = 0;
            int conceded_in_goal = 0;
            for (size_t i = 0; i < team.players.size(); ++i) {
                const PlayerLine& line = team.players[i];
                const SquadLine& squad = charts.squad[i];
                EXPECT_EQ(squad.name, line.name);
                EXPECT_EQ(squad.minutes, line.minutes) << line.name.toStdString();
                EXPECT_EQ(squad.goals, line.goals);
                EXPECT_EQ(squad.assists, line.assists);
                EXPECT_EQ(squad.cautions, line.cautions);
                EXPECT_EQ(squad.sendings_off, line.sendings_off);
                EXPECT_EQ(squad.games, squad.starts + squad.came_on);
                goals += squad.goals;
                conceded_in_goal += squad.conceded_in_goal;
            }
            int own_goals = 0;
            for (size_t i = 0; i < charts.shapes.body.counts.size(); ++i) {
                if (charts.shapes.body.labels[static_cast<qsizetype>(i)] == md::words::own_goal) {
                    own_goals = charts.shapes.body.counts[i];
                }
            }
            EXPECT_EQ(goals, team.totals.goals - own_goals);
            EXPECT_EQ(conceded_in_goal, team.totals.conceded);  // a keeper stood in goal throughout
            int band_goals = 0;
            int band_conceded = 0;
            for (size_t i = 0; i < charts.bands.goals_for.size(); ++i) {
                band_goals += charts.bands.goals_for[i];
                band_conceded += charts.bands.conceded[i];
            }
            EXPECT_EQ(band_goals, team.totals.goals);
            EXPECT_EQ(band_conceded, team.totals.conceded);
            EXPECT_EQ(charts.games.size(), static_cast<size_t>(team.totals.games));
        }
    }
}

}  // namespace
}  // namespace kl
