#include "app/report.h"
#include "support/game_builder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QFile>

namespace kl {
namespace {

using test::GameBuilder;

class Report : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder late;
        late.date = QStringLiteral(u"2006/05/01");
        late.opponent = QStringLiteral(u"赤坂SC");
        late.goal(10, QStringLiteral(u"S9"));
        GameBuilder early;
        early.recorder = QStringLiteral(u"後の記録者");  // stored after the later game
        test::write_cp932_lines(QStringLiteral(u"team.kld"),
                                {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                                 QStringLiteral(u"[試合データ]"), late.line(), early.line()});
        original_ = test::read_bytes(QStringLiteral(u"team.kld"));
    }
    QByteArray original_;
};

TEST_F(Report, GamesPrintsTheGameListCopyTextInTheClickedOrder) {
    const ReportOutcome by_date = run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld")});
    EXPECT_EQ(by_date.exit_code, 0);
    EXPECT_EQ(by_date.err, QString());
    EXPECT_EQ(by_date.out, QStringLiteral(u"テストFC\r\n\r\n日付\t対戦相手\tスコア\t大会名\t場所\t\r\n"
                                          u"2006/04/01 10:00\t青葉FC\t0-0\tリーグ戦\t市民グラウンド\t\r\n"
                                          u"2006/05/01 10:00\t赤坂SC\t1-0\tリーグ戦\t市民グラウンド\t\r\n"));
    const ReportOutcome by_opponent = run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld"),
                                                  QStringLiteral(u"--sort"), QStringLiteral(u"2")});
    EXPECT_TRUE(by_opponent.out.indexOf(QStringLiteral(u"赤坂SC")) <
                by_opponent.out.indexOf(QStringLiteral(u"青葉FC")));
}

TEST_F(Report, DetailPrintsTheNthGameInStoredOrder) {
    const ReportOutcome detail =
        run_report({QStringLiteral(u"detail"), QStringLiteral(u"team.kld"), QStringLiteral(u"1")});
    EXPECT_EQ(detail.exit_code, 0);
    EXPECT_TRUE(detail.out.startsWith(QStringLiteral(u"◇ 2006/05/01  10:00～")));
    EXPECT_TRUE(detail.out.endsWith(QStringLiteral(u"その他\r\n\r\n")));
}

TEST_F(Report, AFileThatCannotBeReadEndsWithOneLineAndCodeOne) {
    const ReportOutcome missing = run_report({QStringLiteral(u"games"), QStringLiteral(u"none.kld")});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_EQ(missing.err, QStringLiteral(u"「none.kld」　を読み込めません。（ファイルがありません）\n"));

    test::write_cp932_lines(QStringLiteral(u"bad.kld"),
                            {QStringLiteral(u"[試合データ]"), QStringLiteral(u"#,壊れた行")});
    const ReportOutcome bad =
        run_report({QStringLiteral(u"detail"), QStringLiteral(u"bad.kld"), QStringLiteral(u"1")});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_EQ(
        bad.err,
        QStringLiteral(u"「bad.kld」　を読み込めません。（2行目：試合データの形式が正しくありません）\n"));
}

TEST_F(Report, BadUsageEndsWithCode64) {
    const QString file = QStringLiteral(u"team.kld");
    const QList<QStringList> bad = {
        {},
        {QStringLiteral(u"list"), file},
        {QStringLiteral(u"games")},
        {QStringLiteral(u"games"), file, QStringLiteral(u"--sort"), QStringLiteral(u"6")},
        {QStringLiteral(u"games"), file, QStringLiteral(u"--sort")},
        {QStringLiteral(u"detail"), file},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"x")},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"0")},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"3")},
    };
    for (const QStringList& arguments : bad) {
        const ReportOutcome outcome = run_report(arguments);
        EXPECT_EQ(outcome.exit_code, 64) << arguments.join(u' ').toStdString();
        EXPECT_EQ(outcome.out, QString());
        EXPECT_TRUE(outcome.err.startsWith(QStringLiteral(u"usage: kickledger-report")));
    }
    // Nothing was written.
    EXPECT_EQ(test::read_bytes(file), original_);
    EXPECT_FALSE(QFile::exists(QStringLiteral(u"setting.ini")));
}

}  // namespace
}  // namespace kl
