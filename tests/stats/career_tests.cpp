#include "stats/career.h"
#include "stats/head_to_head.h"
#include "stats/season_charts.h"
#include "stats/season_record.h"
#include "support/game_builder.h"
#include "support/season_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDate>

namespace kl {
namespace {

using test::GameBuilder;

const QString member = QStringLiteral(u"S10");

// The three seasons of the club (support/season_files.h) and the other files, read from disk.
class Seasons : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::write_season_files();
        for (const QString& file :
             {test::season_2025, test::other_team, test::season_2023, test::season_2024}) {
            SeasonSource source = load_season(file);
            ASSERT_TRUE(source.record.has_value()) << file.toStdString();
            seasons.push_back(std::move(*source.record));
        }
        sort_seasons(seasons);
    }
    // The seasons of the named files, in date order.
    std::vector<const SeasonRecord*> chosen(const QStringList& files) const {
        std::vector<const SeasonRecord*> picked;
        for (const SeasonRecord& season : seasons) {
            if (files.contains(season.file)) {
                picked.push_back(&season);
            }
        }
        return picked;
    }
    std::vector<const SeasonRecord*> club() const {
        return chosen({test::season_2023, test::season_2024, test::season_2025});
    }

    std::vector<SeasonRecord> seasons;
};

struct Figures {
    int games;
    int starts;
    int minutes;
    double minutes_named;
    int goals;
    int assists;
    int cautions;
    int sendings_off;
};

void expect_figures(const SquadLine& line, const Figures& expected, const QString& where) {
    SCOPED_TRACE(where.toStdString());
    EXPECT_EQ(line.games, expected.games);
    EXPECT_EQ(line.starts, expected.starts);
    EXPECT_EQ(line.minutes, expected.minutes);
    EXPECT_DOUBLE_EQ(line.minutes_named, expected.minutes_named);
    EXPECT_EQ(line.goals, expected.goals);
    EXPECT_EQ(line.assists, expected.assists);
    EXPECT_EQ(line.cautions, expected.cautions);
    EXPECT_EQ(line.sendings_off, expected.sendings_off);
}

TEST_F(Seasons, AMemberInThreeFilesHasALinePerFileAsHandCountedAndTheirSum) {
    const Career career = compute_career(club(), member);
    ASSERT_EQ(career.rows.size(), 3u);
    EXPECT_EQ(career.rows[0].file, test::season_2023);
    EXPECT_EQ(career.rows[0].team_name, QStringLiteral(u"さくらFC 2023"));
    // 90 on, then 60 before going off; a caution.
    expect_figures(career.rows[0].line, {2, 2, 150, 180, 1, 0, 1, 0}, test::season_2023);
    // Eight a side: off at 20 and on again at 35 (20 + 5), on at 30 in the other game (10).
    expect_figures(career.rows[1].line, {2, 1, 35, 80, 1, 1, 0, 0}, test::season_2024);
    // Extra time counts in full (110); sent off at 100. The game without him counts nowhere.
    expect_figures(career.rows[2].line, {2, 2, 210, 220, 1, 0, 0, 1}, test::season_2025);
    expect_figures(career.total, {6, 5, 395, 480, 3, 1, 1, 1}, QStringLiteral(u"通算"));
}

TEST_F(Seasons, EachFilesLineIsTheSquadTablesLine) {
    for (const SeasonRecord* season : club()) {
        const SeasonCharts charts = compute_season_charts(season->game_lines, {});
        const SquadLine* line = season->squad_line(member);
        ASSERT_NE(line, nullptr);
        const auto table = std::find_if(charts.squad.begin(), charts.squad.end(),
                                        [](const SquadLine& squad) { return squad.name == member; });
        ASSERT_NE(table, charts.squad.end());
        EXPECT_EQ(line->minutes, table->minutes);
        EXPECT_EQ(line->games, table->games);
        EXPECT_EQ(line->goals, table->goals);
    }
}

TEST_F(Seasons, PositionsAreThePersonalViewsMinutesAddedUp) {
    const Career career = compute_career(club(), member);
    const auto& labels = position_row_labels();
    auto minutes_at = [&](const QString& position) {
        const auto row = std::find(labels.begin(), labels.end(), position) - labels.begin();
        return career.positions[static_cast<size_t>(row)].minutes;
    };
    // CF until the move at 45 in the first game, then SH; CF in every other game.
    EXPECT_EQ(minutes_at(QStringLiteral(u"SH")), 45);
    EXPECT_EQ(minutes_at(QStringLiteral(u"CF")), 45 + 60 + 35 + 210);
    EXPECT_EQ(career.positions[0].minutes, 395);
    EXPECT_EQ(career.positions[0].sendings_off, 1);
}

TEST_F(Seasons, MilestonesCarryTheDateAndOpponentOfTheGameThatReachedThem) {
    const Career career = compute_career(club(), member);
    ASSERT_EQ(career.milestones.size(), 3u);
    EXPECT_EQ(career.milestones[0].kind, MilestoneKind::games);
    EXPECT_EQ(career.milestones[0].date, QStringLiteral(u"2023/05/03"));
    EXPECT_EQ(career.milestones[1].kind, MilestoneKind::goals);
    EXPECT_EQ(career.milestones[1].opponent, QStringLiteral(u"青葉FC"));
    EXPECT_EQ(career.milestones[2].kind, MilestoneKind::assists);
    EXPECT_EQ(career.milestones[2].date, QStringLiteral(u"2024/06/01"));
    EXPECT_EQ(career.milestones[2].team_name, QStringLiteral(u"さくらFC 2024"));
    EXPECT_EQ(career.first_date, QStringLiteral(u"2023/05/03"));
    EXPECT_EQ(career.last_date, QStringLiteral(u"2025/06/07"));
    ASSERT_EQ(career.goal_games.size(), 3u);
    EXPECT_EQ(career.goal_games[1].date, QStringLiteral(u"2024/05/04"));
}

TEST(Milestones, TheFiftiethGameAndTheTenthGoalFallOnTheGamesThatReachThem) {
    md::DataStore store;
    store.team_name = QStringLiteral(u"さくらFC");
    const QDate first(2024, 4, 1);
    for (int game_number = 1; game_number <= 55; ++game_number) {
        GameBuilder game;
        game.date = first.addDays(game_number).toString(QStringLiteral(u"yyyy/MM/dd"));
        if (game_number <= 4) {
            game.goal(10, member).goal(20, member).goal(30, member);  // hat-tricks: 3, 6, 9, 12
        }
        store.game_lines.append(game.line());
    }
    const SeasonRecord season = read_season(QStringLiteral(u"a.kld"), store);
    const Career career = compute_career({&season}, member);
    std::vector<std::pair<MilestoneKind, int>> reached;
    for (const Milestone& milestone : career.milestones) {
        reached.emplace_back(milestone.kind, milestone.count);
    }
    EXPECT_EQ(reached, (std::vector<std::pair<MilestoneKind, int>>{{MilestoneKind::games, 1},
                                                                   {MilestoneKind::goals, 1},
                                                                   {MilestoneKind::goals, 10},
                                                                   {MilestoneKind::games, 50}}));
    EXPECT_EQ(career.milestones[2].date, QStringLiteral(u"2024/04/05"));  // the fourth game
    EXPECT_EQ(career.milestones[3].date, QStringLiteral(u"2024/05/21"));
    EXPECT_EQ(career.total.games, 55);
}

TEST_F(Seasons, FilesOfOtherTeamsTickedOffCountNothing) {
    const std::vector<const SeasonRecord*> all =
        chosen({test::season_2023, test::season_2024, test::season_2025, test::other_team});
    const Career with_other = compute_career(all, member);
    EXPECT_EQ(with_other.rows.size(), 4u);
    EXPECT_EQ(with_other.total.goals, 5);  // the other team's S10 scored twice
    const Career club_only = compute_career(club(), member);
    EXPECT_EQ(club_only.rows.size(), 3u);
    EXPECT_EQ(club_only.total.goals, 3);
    EXPECT_EQ(head_to_head(all).size(), 4u);  // さくらFC as an opponent
    EXPECT_EQ(head_to_head(club()).size(), 3u);
}

TEST_F(Seasons, MembersAreEveryNameOfTheListsAndLineUpsOnce) {
    const QStringList members = career_members(club());
    EXPECT_TRUE(members.contains(QStringLiteral(u"OLD")));
    EXPECT_EQ(members.count(member), 1);
    EXPECT_FALSE(members_with_games(club()).contains(QStringLiteral(u"OLD")));
    // On the list only: a row of zeros in the file that lists him.
    const Career listed_only = compute_career(club(), QStringLiteral(u"OLD"));
    ASSERT_EQ(listed_only.rows.size(), 1u);
    EXPECT_EQ(listed_only.rows[0].line.games, 0);
    EXPECT_TRUE(listed_only.milestones.empty());
}

TEST_F(Seasons, FilesAreInTheOrderOfTheirFirstGame) {
    ASSERT_EQ(seasons.size(), 4u);
    EXPECT_EQ(seasons[0].file, test::season_2023);
    EXPECT_EQ(seasons[3].file, test::season_2025);
    EXPECT_EQ(seasons[3].first_date(), QStringLiteral(u"2025/05/05"));
    EXPECT_EQ(seasons[3].last_date(), QStringLiteral(u"2025/07/01"));
}

TEST_F(Seasons, AFileThatCannotBeReadIsRefusedWholeWithItsReason) {
    const SeasonSource source = load_season(test::unreadable_season);
    EXPECT_FALSE(source.record.has_value());
    EXPECT_EQ(
        source.load.refusal_text(),
        QStringLiteral(
            u"「壊れたファイル.kld」　を読み込めません。（4行目：試合データの形式が正しくありません）"));
    EXPECT_FALSE(load_season(QStringLiteral(u"ない.kld")).record.has_value());
}

TEST_F(Seasons, HeadToHeadCountsResultsAsTheTeamViewDecidesThem) {
    const std::vector<OpponentRecord> records = head_to_head(club());
    ASSERT_EQ(records.size(), 3u);
    // In text order: 白山FC, 赤坂SC, 青葉FC.
    const OpponentRecord& hakusan = records[0];
    EXPECT_EQ(hakusan.opponent, QStringLiteral(u"白山FC"));
    EXPECT_EQ((std::array{hakusan.games, hakusan.wins, hakusan.draws, hakusan.losses, hakusan.goals_for,
                          hakusan.conceded}),
              (std::array{2, 0, 1, 1, 2, 3}));
    // Lost 0-1, and 0-0 lost on penalties: the kicks decide but are no goals.
    const OpponentRecord& akasaka = records[1];
    EXPECT_EQ((std::array{akasaka.games, akasaka.wins, akasaka.draws, akasaka.losses, akasaka.goals_for,
                          akasaka.conceded}),
              (std::array{2, 0, 0, 2, 0, 1}));
    const OpponentRecord& aoba = records[2];
    EXPECT_EQ((std::array{aoba.games, aoba.wins, aoba.draws, aoba.losses, aoba.goals_for, aoba.conceded}),
              (std::array{3, 3, 0, 0, 4, 2}));
    ASSERT_TRUE(aoba.last.has_value());
    EXPECT_EQ(aoba.last->date, QStringLiteral(u"2025/05/05"));
    EXPECT_EQ(aoba.last->score.own_kicks, 4);
}

TEST(RecordBefore, CountsOnlyEarlierGamesAgainstTheSameOpponent) {
    GameBuilder won;
    won.date = QStringLiteral(u"2024/04/06");
    won.goal(10, member);
    GameBuilder drawn = won;
    drawn.date = QStringLiteral(u"2024/05/06");
    drawn.conceded(20);
    GameBuilder other_opponent;
    other_opponent.date = QStringLiteral(u"2024/05/10");
    other_opponent.opponent = QStringLiteral(u"赤坂SC");
    GameBuilder shown = won;
    shown.date = QStringLiteral(u"2024/06/01");
    GameBuilder same_time = shown;  // the same day and start time on another ground: not before
    same_time.ground = QStringLiteral(u"河川敷");
    const QStringList lines = {shown.line(), other_opponent.line(), drawn.line(), won.line(),
                               same_time.line()};

    const OpponentRecord before = record_before(lines, shown.opponent, shown.date, shown.time);
    EXPECT_EQ(before.games, 2);
    EXPECT_EQ(before.wins, 1);
    EXPECT_EQ(before.draws, 1);
    EXPECT_EQ(before.losses, 0);
    EXPECT_EQ(record_before(lines, shown.opponent, won.date, won.time).games, 0);
}

}  // namespace
}  // namespace kl
