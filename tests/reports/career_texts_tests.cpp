#include "reports/career_texts.h"
#include "reports/game_sheet.h"
#include "reports/output_files.h"
#include "support/game_builder.h"
#include "support/season_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

class CareerTexts : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::write_season_files();
        for (const QString& file : {test::season_2023, test::season_2024, test::season_2025}) {
            seasons.push_back(*load_season(file).record);
        }
    }
    std::vector<const SeasonRecord*> chosen() const {
        std::vector<const SeasonRecord*> pointers;
        for (const SeasonRecord& season : seasons) {
            pointers.push_back(&season);
        }
        return pointers;
    }
    std::vector<SeasonRecord> seasons;
};

TEST_F(CareerTexts, TheTableAsCsvHasARowPerFileAndTheTotal) {
    const Career career = compute_career(chosen(), QStringLiteral(u"S10"));
    EXPECT_EQ(csv_from_copy_text(career_table_text(career)),
              QStringLiteral(u"ファイル,チーム名,出場,先発,出場時間,出場率,得点,アシスト,警告,退場\r\n"
                             u"さくらFC 2023.kld,さくらFC 2023,2,2,150,83%,1,0,1,0\r\n"
                             u"さくらFC 2024.kld,さくらFC 2024,2,1,35,44%,1,1,0,0\r\n"
                             u"さくらFC 2025.kld,さくらFC 2025,2,2,210,95%,1,0,0,1\r\n"
                             u"通算,,6,5,395,82%,3,1,1,1\r\n"));
}

TEST_F(CareerTexts, PositionsMilestonesAndGoalsReadAsTheyAreShown) {
    const Career career = compute_career(chosen(), QStringLiteral(u"S10"));
    EXPECT_EQ(career_position_rows(career),
              (std::vector<std::array<QString, 2>>{{QStringLiteral(u"CF"), QStringLiteral(u"350")},
                                                   {QStringLiteral(u"SH"), QStringLiteral(u"45")}}));
    const std::vector<std::array<QString, 3>> milestones = milestone_rows(career);
    ASSERT_EQ(milestones.size(), 3u);
    EXPECT_EQ(milestones[0], (std::array<QString, 3>{QStringLiteral(u"2023/05/03"), QStringLiteral(u"初出場"),
                                                     QStringLiteral(u"青葉FC")}));
    EXPECT_EQ(milestones[1][1], QStringLiteral(u"初得点"));
    EXPECT_EQ(milestones[2][1], QStringLiteral(u"初アシスト"));
    EXPECT_EQ(goal_games_text(career),
              QStringLiteral(u"2023/05/03 青葉FC 1、2024/05/04 青葉FC 1、2025/05/05 青葉FC 1"));
    EXPECT_EQ(milestone_text({MilestoneKind::games, 50, {}, {}, {}}), QStringLiteral(u"50試合出場"));
    EXPECT_EQ(milestone_text({MilestoneKind::goals, 10, {}, {}, {}}), QStringLiteral(u"通算10得点"));
    EXPECT_TRUE(
        career_copy_text(career).startsWith(QStringLiteral(u"通算成績　S10\r\nファイル\tチーム名\t")));
}

TEST_F(CareerTexts, HeadToHeadRowsEndWithTheLastGameAndItsScore) {
    EXPECT_EQ(csv_from_copy_text(h2h_table_text(head_to_head(chosen()))),
              QStringLiteral(u"対戦相手,試合,勝,分,敗,得点,失点,最終対戦\r\n"
                             u"白山FC,2,0,1,1,2,3,2025/07/01 1-1\r\n"
                             u"赤坂SC,2,0,0,2,0,1,2025/06/07 0-0 (PK 2-3)\r\n"
                             u"青葉FC,3,3,0,0,4,2,2025/05/05 1-1 (PK 4-3)\r\n"));
    OpponentRecord record;
    record.wins = 3;
    record.draws = 1;
    EXPECT_EQ(record_line(record), QStringLiteral(u"対戦成績: 3勝 1分 0敗"));
}

TEST_F(CareerTexts, FilesAreListedWithTheirTeamAndDates) {
    EXPECT_EQ(season_file_entry(seasons[2]),
              QStringLiteral(u"さくらFC 2025.kld　さくらFC 2025　2025/05/05～2025/07/01"));
    EXPECT_EQ(unreadable_file_entry(test::unreadable_season),
              QStringLiteral(u"壊れたファイル.kld　（読み込めません）"));
    EXPECT_EQ(season_file_name(QStringLiteral(u"/tmp/old/さくらFC 2019.kld")),
              QStringLiteral(u"さくらFC 2019.kld"));
    EXPECT_EQ(seasons_years(chosen()), QStringLiteral(u"2023年～2025年"));
    EXPECT_EQ(seasons_team_names(chosen()), QStringLiteral(u"さくらFC"));
    SeasonRecord empty;
    EXPECT_EQ(season_date_range(empty), QStringLiteral(u"試合なし"));
}

TEST(SheetLine, TheLineBelowTheHeaderMovesEveryOtherBoxDownOneLine) {
    const GameSheet sheet = compose_game_sheet(test::GameBuilder().record(), QStringLiteral(u"テストFC"));
    const GameSheet with_line = with_line_below_header(sheet, QStringLiteral(u"対戦成績: 1勝 0分 2敗"));
    EXPECT_EQ(with_line.boxes[0].text, sheet.boxes[0].text + QStringLiteral(u"\r\n対戦成績: 1勝 0分 2敗"));
    EXPECT_EQ(with_line.boxes[0].height, sheet.boxes[0].height + 200);
    EXPECT_EQ(with_line.boxes[0].top, sheet.boxes[0].top);
    for (size_t box = 1; box < sheet.boxes.size(); ++box) {
        EXPECT_EQ(with_line.boxes[box].top, sheet.boxes[box].top + 200) << box;
    }
    EXPECT_EQ(with_line.frame_height, sheet.frame_height + 200);
    EXPECT_EQ(with_line.content_height(), sheet.content_height() + 200);
}

}  // namespace
}  // namespace kl
