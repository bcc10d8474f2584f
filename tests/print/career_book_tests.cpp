#include "print/career_book.h"
#include "print/pdf_output.h"
#include "support/pdf_reader.h"
#include "support/season_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::in_reading_order;

class CareerBook : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        test::write_season_files();
        for (const QString& file : {test::season_2023, test::season_2024, test::season_2025}) {
            seasons.push_back(*load_season(file).record);
        }
        for (const SeasonRecord& season : seasons) {
            chosen.push_back(&season);
        }
    }
    std::vector<SeasonRecord> seasons;
    std::vector<const SeasonRecord*> chosen;
};

TEST_F(CareerBook, TheCoverNamesTheTeamAndTheYearsThenAPagePerMember) {
    const QStringList members = members_with_games(chosen);
    const test::PdfReading pdf = test::read_pdf_bytes(
        pdf_bytes(career_book_document(chosen, members, QDate(2026, 3, 20)), QStringLiteral(u"卒団記録帳")));
    // The cover, then one page for each of the members who played (OLD, on a list only, has none).
    ASSERT_EQ(pdf.pages, 1 + members.size());
    EXPECT_TRUE(in_reading_order(
        pdf.page_texts[0],
        {QStringLiteral(u"卒団記録帳"), QStringLiteral(u"さくらFC"), QStringLiteral(u"2023年～2025年")}));
    const QString s10 = pdf.page_texts[1 + members.indexOf(QStringLiteral(u"S10"))];
    EXPECT_TRUE(in_reading_order(s10, {QStringLiteral(u"さくらFC"),
                                       QStringLiteral(u"卒団記録帳"),
                                       QStringLiteral(u"2026/03/20"),
                                       QStringLiteral(u"S10"),
                                       QStringLiteral(u"期間 2023/05/03 ～ 2025/06/07"),
                                       QStringLiteral(u"通算成績"),
                                       QStringLiteral(u"さくらFC 2023.kld"),
                                       QStringLiteral(u"150"),
                                       QStringLiteral(u"83%"),
                                       QStringLiteral(u"395"),
                                       QStringLiteral(u"82%"),
                                       QStringLiteral(u"ポジション別出場時間"),
                                       QStringLiteral(u"CF"),
                                       QStringLiteral(u"SH"),
                                       QStringLiteral(u"350分"),
                                       QStringLiteral(u"45分"),
                                       QStringLiteral(u"記録"),
                                       QStringLiteral(u"初出場"),
                                       QStringLiteral(u"初アシスト"),
                                       QStringLiteral(u"得点"),
                                       QStringLiteral(u"2024/05/04 青葉FC 1")}));
    EXPECT_TRUE(test::fonts_embedded_as_text(pdf));
}

TEST_F(CareerBook, OneMembersBookIsTheCoverAndTheirPage) {
    const test::PdfReading pdf = test::read_pdf_bytes(
        pdf_bytes(career_book_document(chosen, {QStringLiteral(u"R2")}, QDate(2026, 3, 20)),
                  QStringLiteral(u"卒団記録帳")));
    ASSERT_EQ(pdf.pages, 2);
    // Named in line-ups but never on the pitch: no milestones and no goals.
    EXPECT_TRUE(in_reading_order(pdf.page_texts[1],
                                 {QStringLiteral(u"R2"), QStringLiteral(u"記録"), QStringLiteral(u"なし"),
                                  QStringLiteral(u"得点"), QStringLiteral(u"なし")}));
}

}  // namespace
}  // namespace kl
