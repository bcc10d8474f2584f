#include "reports/chart_images.h"
#include "reports/season_texts.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace kl {
namespace {

using test::GameBuilder;

SquadLine keeper() {
    SquadLine line;
    line.name = QStringLiteral(u"佐藤 翔");
    line.games = 3;
    line.starts = 2;
    line.came_on = 1;
    line.minutes = 225;
    line.minutes_named = 270;
    line.goals = 0;
    line.assists = 1;
    line.cautions = 2;
    line.kept_goal = true;
    line.conceded_in_goal = 4;
    line.clean_sheets = 1;
    return line;
}

TEST(SeasonTexts, ASquadRowShowsGoalkeepingOnlyForMembersWhoKeptGoal) {
    const SquadRow row = squad_row(keeper());
    EXPECT_EQ(QStringList(row.begin(), row.end()).join(u'|'),
              QStringLiteral(u"佐藤 翔|3|2|1|225|83%|0|1|2|0|4|1"));
    SquadLine outfield = keeper();
    outfield.kept_goal = false;
    EXPECT_EQ(squad_row(outfield)[10], QString());
    EXPECT_EQ(squad_row(outfield)[11], QString());
    EXPECT_FALSE(squad_value(outfield, 10).has_value());
    EXPECT_DOUBLE_EQ(*squad_value(keeper(), 5), 225.0 / 270);
    EXPECT_EQ(squad_headers()[5], QStringLiteral(u"出場率"));
}

TEST(SeasonTexts, PercentagesRoundHalfToEven) {
    EXPECT_EQ(percent_text(0.125), QStringLiteral(u"12%"));
    EXPECT_EQ(percent_text(0.135), QStringLiteral(u"14%"));
    EXPECT_EQ(percent_text(1.0), QStringLiteral(u"100%"));
}

TEST(SeasonTexts, AGameBarTellsDateOpponentScoreAndResult) {
    GameBar game;
    game.date = QStringLiteral(u"2024/05/18");
    game.start_time = QStringLiteral(u"14:00");
    game.opponent = QStringLiteral(u"東町クラブ");
    game.score = {3, 3, 2, 2, 4, 3};
    game.shoot_out = true;
    EXPECT_EQ(game_bar_tooltip(game), QStringLiteral(u"2024/05/18 14:00\n東町クラブ\n3-3 (PK 4-3)　勝"));
    game.shoot_out = false;
    game.score = {0, 1, 0, 1, 0, 0};
    EXPECT_EQ(game_bar_score(game), QStringLiteral(u"0-1"));
    EXPECT_EQ(result_text(game.score.result()), QStringLiteral(u"敗"));
}

std::vector<GameBar> games_on(std::initializer_list<const char16_t*> dates) {
    std::vector<GameBar> games;
    int points = 0;
    for (const char16_t* date : dates) {
        GameBar game;
        game.date = QString::fromUtf16(date);
        game.start_time = QStringLiteral(u"10:00");
        game.opponent = QStringLiteral(u"青葉FC");
        game.score = {games.size() % 2 == 0 ? 2 : 0, 1, 0, 0, 0, 0};
        points += points_of(game.score.result());
        game.points_after = points;
        games.push_back(game);
    }
    return games;
}

TEST(SeasonTexts, TrendBarsAreLabelledByDayMonthOrSeason) {
    const std::vector<GameBar> games =
        games_on({u"2023/04/01", u"2023/04/01", u"2024/04/01", u"2024/04/08", u"2024/05/06"});
    const ResultsTrend by_game = results_trend(games, 10);
    // Two years: each day carries its year.
    EXPECT_EQ(trend_labels(by_game, games),
              (QStringList{QStringLiteral(u"2023/04/01"), QStringLiteral(u"2023/04/01(2)"),
                           QStringLiteral(u"2024/04/01"), QStringLiteral(u"2024/04/08"),
                           QStringLiteral(u"2024/05/06")}));
    const std::vector<GameBar> one_year = games_on({u"2024/04/01", u"2024/04/01", u"2024/05/06"});
    EXPECT_EQ(trend_labels(results_trend(one_year, 10), one_year),
              (QStringList{QStringLiteral(u"04/01"), QStringLiteral(u"04/01(2)"), QStringLiteral(u"05/06")}));
    EXPECT_EQ(trend_bar_tooltip(by_game, by_game.bars[1], games),
              QStringLiteral(u"2023/04/01 10:00\n青葉FC\n0-1　敗"));

    const ResultsTrend by_month = results_trend(games, 4);
    EXPECT_EQ(
        trend_labels(by_month, games),
        (QStringList{QStringLiteral(u"2023/04"), QStringLiteral(u"2024/04"), QStringLiteral(u"2024/05")}));
    EXPECT_EQ(trend_bar_tooltip(by_month, by_month.bars[1], games),
              QStringLiteral(u"2024/04（2試合）\n1勝 0分 1敗\n得点 2　失点 2\n勝点 3（累計 6）"));
    const ResultsTrend by_season = results_trend(games, 2);
    EXPECT_EQ(trend_labels(by_season, games),
              (QStringList{QStringLiteral(u"2023年"), QStringLiteral(u"2024年")}));
}

TEST(SeasonTexts, TheTextIsTabSeparatedBlocksBeginningWithTheBreakdown) {
    GameBuilder won;
    won.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
        .card(20, QStringLiteral(u"警告"), QStringLiteral(u"S3"));
    GameBuilder again;
    again.date = QStringLiteral(u"2006/04/08");
    again.card(20, QStringLiteral(u"警告"), QStringLiteral(u"S3"));
    const SeasonCharts charts = compute_season_charts({won.line(), again.line()}, {});
    FilterTexts filter;
    filter.from = QStringLiteral(u"2006/04/01 10:00");
    filter.to = QStringLiteral(u"2006/04/08 10:00");
    filter.meeting = QStringLiteral(u"リーグ戦");
    const QString text = season_copy_text(charts, filter);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral(u"（内訳）規定時間: 1勝 1分 0敗　延長: 0勝 0敗　PK: 0勝 0敗\r\n"
                       u"決着\t勝\t分\t敗\r\n規定時間\t1\t1\t0\r\n延長\t0\t0\t0\r\nPK\t0\t0\t0\r\n\r\n"
                       u"試合結果の推移\r\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral(u"2006/04/01\t10:00\t青葉FC\tリーグ戦\t1\t0\t\t勝\t規定時間\t3\r\n"
                                     u"2006/04/08\t10:00\t青葉FC\tリーグ戦\t0\t0\t\t分\t\t4\r\n")));
    EXPECT_TRUE(text.contains(
        QStringLiteral(u"得点・アシスト\r\n名前\t得点\tアシスト\r\nS10\t1\t0\r\nS9\t0\t1\r\n\r\n")));
    EXPECT_TRUE(text.contains(
        QStringLiteral(u"出場時間\r\n名前\t出場時間\t出場可能時間\t割合\r\nS1\t180\t180\t100%\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        u"\r\nS1\t2\t2\t0\t180\t100%\t0\t0\t0\t0\t0\t2\r\nS2\t2\t2\t0\t180\t100%\t0\t0\t0\t0\t\t\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        u"警告の累積\r\n大会名\t名前\t警告\t日付\r\nリーグ戦\tS3\t2\t2006/04/01, 2006/04/08\r\n\r\n")));
    EXPECT_TRUE(
        text.endsWith(QStringLiteral(u"抽出条件\r\n期間（開始）\t期間（終了）\t大会名\r\n"
                                     u"2006/04/01 10:00\t2006/04/08 10:00\tリーグ戦\r\n\r\n")));
    // Every line ends with CR LF.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral(u"[^\r]\n"))));
}

TEST(SeasonTexts, CautionsThatAddUpAreWrittenOnePerLine) {
    EXPECT_EQ(caution_summary({}), QStringLiteral(u"警告の累積：なし"));
    const std::vector<CautionRun> runs = {
        {QStringLiteral(u"春季リーグ"),
         QStringLiteral(u"田中 陽向"),
         {QStringLiteral(u"2024/04/13"), QStringLiteral(u"2024/05/03")}},
        {QStringLiteral(u"県大会"),
         QStringLiteral(u"中村 陸"),
         {QStringLiteral(u"2024/05/18"), QStringLiteral(u"2024/05/18"), QStringLiteral(u"2024/07/20")}}};
    EXPECT_EQ(caution_summary(runs),
              QStringLiteral(u"警告の累積\n春季リーグ　田中 陽向　2回（2024/04/13, 2024/05/03）\n"
                             u"県大会　中村 陸　3回（2024/05/18, 2024/05/18, 2024/07/20）"));
}

TEST(ChartImages, TheTypedNameDecidesTheFormatOrGetsTheChosenSuffix) {
    EXPECT_EQ(chart_image_file(QStringLiteral(u"/tmp/a.SVG"), ImageFormat::png).format, ImageFormat::svg);
    EXPECT_EQ(chart_image_file(QStringLiteral(u"/tmp/a.png"), ImageFormat::svg).format, ImageFormat::png);
    const ImageFile plain = chart_image_file(QStringLiteral(u"/tmp/グラフ"), ImageFormat::svg);
    EXPECT_EQ(plain.path, QStringLiteral(u"/tmp/グラフ.svg"));
    EXPECT_EQ(plain.format, ImageFormat::svg);
    EXPECT_EQ(proposed_image_name(QStringLiteral(u"さくら/FC"), QStringLiteral(u"出場時間")),
              QStringLiteral(u"さくら_FC_出場時間.png"));
}

}  // namespace
}  // namespace kl
