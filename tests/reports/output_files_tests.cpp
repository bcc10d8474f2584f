#include "reports/output_files.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

TEST(CsvExport, CellsBecomeFieldsAndTheClosingTabOpensNone) {
    EXPECT_EQ(
        csv_from_copy_text(QStringLiteral(u"T\r\n\r\n日付\t対戦相手\t\r\n2006/04/01 10:00\t青葉FC\t\r\n")),
        QStringLiteral(u"T\r\n\r\n日付,対戦相手\r\n2006/04/01 10:00,青葉FC\r\n"));
    // A line that ends without a TAB keeps its last cell, an empty one included.
    EXPECT_EQ(csv_from_copy_text(QStringLiteral(u"メンバー\tS9\r\n80分\tGK\t\t\r\n")),
              QStringLiteral(u"メンバー,S9\r\n80分,GK,\r\n"));
    EXPECT_EQ(csv_from_copy_text(QString()), QString());
}

TEST(CsvExport, FieldsWithCommasQuotesOrLineBreaksAreQuoted) {
    EXPECT_EQ(csv_from_copy_text(QStringLiteral(u" （頭 , 右サイド , CK）\t\"赤\"SC\tA\nB\tplain\r\n")),
              QStringLiteral(u"\" （頭 , 右サイド , CK）\",\"\"\"赤\"\"SC\",\"A\nB\",plain\r\n"));
}

// A name such as "=HYPERLINK(…)" became a live formula when the file was opened in a spreadsheet.
TEST(CsvExport, TextThatAFormulaWouldStartWithIsWrittenAsTextNumbersStayNumbers) {
    EXPECT_EQ(csv_from_copy_text(QStringLiteral(u"=1+2\t+81\t-選手\t@SUM(1+1)\t=HYPERLINK(\"x\",\"y\")\r\n")),
              QStringLiteral(u"'=1+2,'+81,'-選手,'@SUM(1+1),\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"\r\n"));
    EXPECT_EQ(csv_from_copy_text(QStringLiteral(u"\rA\tB\r\n")), QStringLiteral(u"\"'\rA\",B\r\n"));
    EXPECT_EQ(csv_from_copy_text(QStringLiteral(u"-3\t-12.5\t0\t1-0\tA=B\t-\r\n")),
              QStringLiteral(u"-3,-12.5,0,1-0,A=B,'-\r\n"));
}

TEST(CsvExport, FilesAreUtf8WithAByteOrderMark) {
    const QString text = QStringLiteral(u"さくらFC\r\n日付\tスコア\t\r\n");
    EXPECT_EQ(export_file_bytes(text, ExportFormat::csv),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral(u"さくらFC\r\n日付,スコア\r\n").toUtf8());
    EXPECT_EQ(export_file_bytes(text, ExportFormat::tsv), QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    EXPECT_EQ(export_format_of(QStringLiteral(u"a.TSV")), ExportFormat::tsv);
    EXPECT_EQ(export_format_of(QStringLiteral(u"a.txt")), ExportFormat::tsv);
    EXPECT_EQ(export_format_of(QStringLiteral(u"a.csv")), ExportFormat::csv);
    EXPECT_EQ(export_format_of(QStringLiteral(u"a")), ExportFormat::csv);
}

TEST(OutputNames, AreTeamViewAndDayWithoutCharactersFilesCannotHold) {
    EXPECT_EQ(
        output_base_name(QStringLiteral(u"さくらFC"), QStringLiteral(u"試合データ詳細"), QDate(2024, 5, 18)),
        QStringLiteral(u"さくらFC_試合データ詳細_2024-05-18"));
    EXPECT_EQ(
        output_base_name(QStringLiteral(u"A/B:C*?"), QStringLiteral(u"チームデータ"), QDate(2024, 1, 2)),
        QStringLiteral(u"A_B_C___チームデータ_2024-01-02"));
}

}  // namespace
}  // namespace kl
