#include "dialogs/new_season.h"
#include "store/data_store.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

class NewSeason : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::GameBuilder game;
        game.date = QStringLiteral(u"2025/04/12");
        test::write_cp932_lines(
            QStringLiteral(u"さくらFC 2025.kld"),
            {QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC 2025"), QStringLiteral(u"[メンバー]"),
             QStringLiteral(u"田中,佐藤,鈴木"), QStringLiteral(u"[グラウンド]"),
             QStringLiteral(u"市民グラウンド"), QStringLiteral(u"[対戦チーム]"), QStringLiteral(u"青葉FC"),
             QStringLiteral(u"[起票者]"), QStringLiteral(u"監督"), QStringLiteral(u"[フォーメーション]"),
             QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"), QString(), QStringLiteral(u"[大会]"),
             QStringLiteral(u"リーグ戦,90,なし,,,なし"), QString(), QStringLiteral(u"[試合データ]"),
             game.line()});
        ASSERT_TRUE(open.load_team_file(QStringLiteral(u"さくらFC 2025.kld")).ok());
    }
    md::DataStore open;
};

TEST_F(NewSeason, TheYearOfTheTeamNameMovesOnOrTheFileGetsTheNextSeasonsYear) {
    const NewSeasonNames names = next_season_names(open, 2031);
    EXPECT_EQ(names.team_name, QStringLiteral(u"さくらFC 2026"));
    EXPECT_EQ(names.file_base, QStringLiteral(u"さくらFC 2026"));
    open.team_name = QStringLiteral(u"さくらFC");
    // Without a year in the name: the season after the file's first game, never the open file.
    EXPECT_EQ(next_season_names(open, 2031).team_name, QStringLiteral(u"さくらFC"));
    EXPECT_EQ(next_season_names(open, 2031).file_base, QStringLiteral(u"さくらFC 2026"));
    open.game_lines.clear();
    EXPECT_EQ(next_season_names(open, 2031).file_base, QStringLiteral(u"さくらFC 2032"));
}

TEST_F(NewSeason, TheNewFileHasTheMasterDataTheKeptMembersAndNoGames) {
    ASSERT_FALSE(write_next_season(open, {QStringLiteral(u"鈴木"), QStringLiteral(u"田中")},
                                   QStringLiteral(u"さくらFC 2026"), QStringLiteral(u"さくらFC 2026.kld")));
    EXPECT_EQ(
        test::read_lines_cp932(QStringLiteral(u"さくらFC 2026.kld")),
        (QStringList{
            QStringLiteral(u"[チーム名]"), QStringLiteral(u"さくらFC 2026"), QStringLiteral(u"[メンバー]"),
            QStringLiteral(u"田中,鈴木"), QStringLiteral(u"[グラウンド]"), QStringLiteral(u"市民グラウンド"),
            QStringLiteral(u"[対戦チーム]"), QStringLiteral(u"青葉FC"), QStringLiteral(u"[起票者]"),
            QStringLiteral(u"監督"), QStringLiteral(u"[フォーメーション]"),
            QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"), QString(), QStringLiteral(u"[大会]"),
            QStringLiteral(u"リーグ戦,90,なし,,,なし"), QString(), QStringLiteral(u"[試合データ]")}));
    EXPECT_EQ(season_members(open),
              (QStringList{QStringLiteral(u"佐藤"), QStringLiteral(u"田中"), QStringLiteral(u"鈴木")}));
}

TEST_F(NewSeason, TheOpenFileAndBadNamesAreRefused) {
    EXPECT_EQ(
        check_next_season(open, QStringLiteral(u"さくらFC 2026"), QStringLiteral(u"さくらFC 2025"))->text,
        QStringLiteral(u"「さくらFC 2025.kld」　は開いているファイルです。別のファイル名を入力して下さい。"));
    EXPECT_EQ(check_next_season(open, QString(), QStringLiteral(u"x"))->text,
              QStringLiteral(u"チーム名を入力して下さい。"));
    EXPECT_EQ(check_next_season(open, QStringLiteral(u"A"), QString())->text,
              QStringLiteral(u"ファイル名を入力して下さい。"));
    EXPECT_TRUE(check_next_season(open, QStringLiteral(u"A,B"), QStringLiteral(u"x")));
    EXPECT_FALSE(check_next_season(open, QStringLiteral(u"さくらFC 2026"), QStringLiteral(u"さくらFC 2026")));
}

}  // namespace
}  // namespace kl
