#include "app/report.h"
#include "support/pdf_reader.h"
#include "support/season_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace kl {
namespace {

const QString bom = QString(QChar(0xFEFF));

class SeasonReport : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::write_season_files();
    }
    static QStringList club() { return {test::season_2025, test::season_2023, test::season_2024}; }
};

TEST_F(SeasonReport, CareerCsvHasARowPerFileInDateOrderAndTheTotal) {
    const ReportOutcome career = run_report(
        QStringList{QStringLiteral(u"career")} + club() +
        QStringList{QStringLiteral(u"--member"), QStringLiteral(u"S10"), QStringLiteral(u"--csv")});
    EXPECT_EQ(career.exit_code, 0);
    EXPECT_EQ(career.err, QString());
    EXPECT_EQ(career.out,
              bom + QStringLiteral(u"ファイル,チーム名,出場,先発,出場時間,出場率,得点,アシスト,警告,退場\r\n"
                                   u"さくらFC 2023.kld,さくらFC 2023,2,2,150,83%,1,0,1,0\r\n"
                                   u"さくらFC 2024.kld,さくらFC 2024,2,1,35,44%,1,1,0,0\r\n"
                                   u"さくらFC 2025.kld,さくらFC 2025,2,2,210,95%,1,0,0,1\r\n"
                                   u"通算,,6,5,395,82%,3,1,1,1\r\n"));
}

TEST_F(SeasonReport, CareerTextHasTheTablePositionsMilestonesAndGoals) {
    const ReportOutcome career = run_report(QStringList{QStringLiteral(u"career")} + club() +
                                            QStringList{QStringLiteral(u"--member"), QStringLiteral(u"S10")});
    EXPECT_EQ(career.exit_code, 0);
    EXPECT_TRUE(test::in_reading_order(
        career.out,
        {QStringLiteral(u"通算成績　S10"), QStringLiteral(u"通算\t\t6\t5\t395\t82%\t3\t1\t1\t1"),
         QStringLiteral(u"ポジション\r\nポジション\t出場時間\r\nCF\t350\r\nSH\t45\r\n"),
         QStringLiteral(u"記録\r\n日付\t記録\t対戦相手\r\n2023/05/03\t初出場\t青葉FC\r\n"),
         QStringLiteral(u"2024/06/01\t初アシスト\t白山FC"),
         QStringLiteral(u"得点\r\n日付\t対戦相手\t大会名\t得点\r\n2023/05/03\t青葉FC\tリーグ戦\t1\r\n")}));
}

TEST_F(SeasonReport, AFileThatCannotBeReadIsNamedAndLeftOutOfTheRest) {
    const ReportOutcome career =
        run_report({QStringLiteral(u"career"), test::season_2023, test::unreadable_season,
                    QStringLiteral(u"--member"), QStringLiteral(u"S10"), QStringLiteral(u"--csv")});
    EXPECT_EQ(career.exit_code, report_unreadable);
    EXPECT_EQ(
        career.err,
        QStringLiteral(
            u"「壊れたファイル.kld」　を読み込めません。（4行目：試合データの形式が正しくありません）\n"));
    EXPECT_EQ(career.out.count(QStringLiteral(u"\r\n")), 3);  // header, the readable file, 通算
    EXPECT_EQ(run_report({QStringLiteral(u"h2h"), test::unreadable_season}).exit_code, report_unreadable);
}

TEST_F(SeasonReport, AMemberOfNoFileAndBadArgumentsAreRefused) {
    const ReportOutcome nobody = run_report(
        {QStringLiteral(u"career"), test::season_2023, QStringLiteral(u"--member"), QStringLiteral(u"誰か")});
    EXPECT_EQ(nobody.exit_code, report_check_failed);
    EXPECT_EQ(nobody.err, QStringLiteral(u"「誰か」　はどのファイルのメンバーでもありません。\n"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral(u"career"), test::season_2023},
          QStringList{QStringLiteral(u"career"), QStringLiteral(u"--member"), QStringLiteral(u"S10")},
          QStringList{QStringLiteral(u"career"), test::season_2023, QStringLiteral(u"--member"),
                      QStringLiteral(u"S10"), QStringLiteral(u"--csv"), QStringLiteral(u"--pdf"),
                      QStringLiteral(u"a.pdf")},
          QStringList{QStringLiteral(u"book"), test::season_2023},
          QStringList{QStringLiteral(u"h2h"), test::season_2023, QStringLiteral(u"--member"),
                      QStringLiteral(u"S10")}}) {
        const ReportOutcome refused = run_report(arguments);
        EXPECT_EQ(refused.exit_code, report_usage) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral(u"career FILE... --member NAME")));
    }
}

TEST_F(SeasonReport, HeadToHeadCsvIsOneRowPerOpponentOrTheOneAsked) {
    const ReportOutcome all =
        run_report(QStringList{QStringLiteral(u"h2h")} + club() + QStringList{QStringLiteral(u"--csv")});
    EXPECT_EQ(all.exit_code, 0);
    EXPECT_EQ(all.out, bom + QStringLiteral(u"対戦相手,試合,勝,分,敗,得点,失点,最終対戦\r\n"
                                            u"白山FC,2,0,1,1,2,3,2025/07/01 1-1\r\n"
                                            u"赤坂SC,2,0,0,2,0,1,2025/06/07 0-0 (PK 2-3)\r\n"
                                            u"青葉FC,3,3,0,0,4,2,2025/05/05 1-1 (PK 4-3)\r\n"));
    const ReportOutcome one =
        run_report(QStringList{QStringLiteral(u"h2h")} + club() +
                   QStringList{QStringLiteral(u"--opponent"), QStringLiteral(u"赤坂SC")});
    EXPECT_EQ(one.out, QStringLiteral(u"対戦相手\t試合\t勝\t分\t敗\t得点\t失点\t最終対戦\r\n"
                                      u"赤坂SC\t2\t0\t0\t2\t0\t1\t2025/06/07 0-0 (PK 2-3)\r\n"));
}

// The program itself: the book needs no display either.
TEST_F(SeasonReport, TheBookAndACareersPdfAreWrittenByTheProgram) {
    auto run = [](const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral(u"DISPLAY"));
        environment.remove(QStringLiteral(u"QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KL_REPORT_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.readAllStandardOutput(), QByteArray());
        return program.exitCode();
    };
    EXPECT_EQ(run(QStringList{QStringLiteral(u"book")} + club() + QStringList{QStringLiteral(u"book.pdf")}),
              0);
    const test::PdfReading book = test::read_pdf(QStringLiteral(u"book.pdf"));
    EXPECT_EQ(book.pages, 15);  // the cover and fourteen members who were named in a game
    EXPECT_TRUE(book.page_texts.value(0).contains(QStringLiteral(u"2023年～2025年")));

    EXPECT_EQ(run({QStringLiteral(u"career"), test::season_2024, QStringLiteral(u"--member"),
                   QStringLiteral(u"S10"), QStringLiteral(u"--pdf"), QStringLiteral(u"s10.pdf")}),
              0);
    const test::PdfReading one = test::read_pdf(QStringLiteral(u"s10.pdf"));
    EXPECT_EQ(one.pages, 2);
    EXPECT_TRUE(test::in_reading_order(one.page_texts.value(1),
                                       {QStringLiteral(u"S10"), QStringLiteral(u"さくらFC 2024.kld"),
                                        QStringLiteral(u"35"), QStringLiteral(u"44%")}));
}

}  // namespace
}  // namespace kl
