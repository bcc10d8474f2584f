#include "support/test_files.h"
#include "views/window_caption.h"

#include <gtest/gtest.h>
#include <QDir>

namespace kl {
namespace {

class WindowCaption : public test::InTemporaryFolder {};

TEST_F(WindowCaption, AFileOfTheDataFolderGivesTheCaptionAsAlways) {
    EXPECT_EQ(main_window_caption(QStringLiteral(u"さくらFC"), QStringLiteral(u"  [試合データ一覧]"),
                                  QStringLiteral(u"さくらFC.kld")),
              QStringLiteral(u"Kickledger - さくらFC  [試合データ一覧]"));
    EXPECT_EQ(main_window_caption(QStringLiteral(u"さくらFC"), QString(), QStringLiteral(u"さくらFC.kld")),
              QStringLiteral(u"Kickledger - さくらFC"));
    EXPECT_EQ(main_window_caption(QString(), QStringLiteral(u"  [個人データ]"), QString()),
              QStringLiteral(u"Kickledger -   [個人データ]"));
}

TEST_F(WindowCaption, AFileElsewhereAddsItsFolder) {
    EXPECT_EQ(main_window_caption(QStringLiteral(u"さくらFC"), QStringLiteral(u"  [試合データ詳細]"),
                                  QStringLiteral(u"/media/usb/チーム/さくらFC.kld")),
              QStringLiteral(u"Kickledger - さくらFC  [試合データ詳細]  （/media/usb/チーム）"));
    const QString in_home = QDir::homePath() + QStringLiteral(u"/ダウンロード/さくらFC.kld");
    EXPECT_EQ(
        main_window_caption(QStringLiteral(u"さくらFC"), QStringLiteral(u"  [試合データ詳細]"), in_home),
        QStringLiteral(u"Kickledger - さくらFC  [試合データ詳細]  （~/ダウンロード）"));
}

}  // namespace
}  // namespace kl
