#include "support/game_builder.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QImage>
#include <QPushButton>
#include <QTimer>

namespace kl {
namespace {

using test::GameBuilder;

// A main window on two games of テストFC whose shared outputs show no names.
class ShareWindow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder league;
        league.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9")).conceded(20);
        GameBuilder cup;
        cup.date = QStringLiteral(u"2006/05/01");
        cup.opponent = QStringLiteral(u"赤坂SC");
        test::write_cp932_lines(QStringLiteral(u"team.kld"),
                                {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                                 QStringLiteral(u"[試合データ]"), league.line(), cup.line()});
        test::write_cp932_lines(QStringLiteral(u"setting.ini"),
                                {QStringLiteral(u"team.kld"), QString(), QStringLiteral(u" 1 "),
                                 QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 0 "),
                                 QStringLiteral(u" 0 "), QStringLiteral(u" 0 "), QStringLiteral(u" 3 ")});
        window = std::make_unique<fm_main>(store);
        window->start();
    }
    void choose_game(int index) {
        find<QAction>(u"tb_main_13")->trigger();
        find<QComboBox>(u"cb_game_data")->setCurrentIndex(index);
    }
};

TEST_F(ShareWindow, TheFileMenuOffersThePictureTheCardAndTheSite) {
    EXPECT_EQ(find<QAction>(u"menu_share_image")->text(), QStringLiteral(u"結果画像を保存..."));
    EXPECT_EQ(find<QAction>(u"menu_copy_image")->text(), QStringLiteral(u"結果画像をコピー"));
    EXPECT_EQ(find<QAction>(u"menu_share_card")->text(), QStringLiteral(u"個人カードを保存..."));
    EXPECT_EQ(find<QAction>(u"menu_export_site")->text(), QStringLiteral(u"Webページとして書き出し..."));
}

TEST_F(ShareWindow, ThePictureIsOfTheGameTheDetailViewShows) {
    test::MessageBoxAnswerer answerer;
    find<QAction>(u"menu_share_image")->trigger();  // on the game list
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「試合データ詳細」　で試合を選択して下さい。"));

    choose_game(1);
    QApplication::clipboard()->clear();
    find<QAction>(u"menu_copy_image")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(1080, 1350));

    test::FileChooserAnswerer chooser(path(QStringLiteral(u"result.png")));
    find<QAction>(u"menu_share_image")->trigger();
    EXPECT_EQ(chooser.offered, QStringLiteral(u"テストFC_赤坂SC_2006-05-01.png"));
    EXPECT_EQ(QImage(path(QStringLiteral(u"result.png"))).size(), QSize(1080, 1350));
}

// The card is of the member the personal view computed, named as the setting says.
TEST_F(ShareWindow, TheCardIsOfThePersonalViewsMember) {
    test::MessageBoxAnswerer answerer;
    find<QAction>(u"tb_main_15")->trigger();
    find<QAction>(u"menu_share_card")->trigger();
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「個人データ」　で　「更新」　をクリックしてから選択して下さい。"));

    auto* member = find<QComboBox>(u"cb_player");
    member->setCurrentIndex(member->findText(QStringLiteral(u"S10")));
    find<QPushButton>(u"cm_renew")->click();
    test::FileChooserAnswerer chooser(path(QStringLiteral(u"card.png")));
    find<QAction>(u"menu_share_card")->trigger();
    EXPECT_EQ(chooser.offered, QStringLiteral(u"テストFC_選手10_") +
                                   QDate::currentDate().toString(QStringLiteral(u"yyyy-MM-dd")) +
                                   QStringLiteral(u".png"));
    EXPECT_EQ(QImage(path(QStringLiteral(u"card.png"))).size(), QSize(1080, 1350));
}

TEST_F(ShareWindow, TheSiteIsWrittenIntoTheChosenFolder) {
    test::FileChooserAnswerer chooser(path(QStringLiteral(u"web")));
    QDir().mkdir(path(QStringLiteral(u"web")));
    find<QAction>(u"menu_export_site")->trigger();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral(u"web/index.html"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral(u"web/games/002.html"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral(u"web/members"))));
}

}  // namespace
}  // namespace kl
