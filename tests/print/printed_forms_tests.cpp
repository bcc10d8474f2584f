#include "print/pdf_output.h"
#include "print/view_documents.h"
#include "support/pdf_reader.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::in_reading_order;

TEST(PrintedForms, TheBlankScoreSheetIsOnePageOfLabelsToFillIn) {
    const test::PdfReading pdf = test::read_pdf_bytes(pdf_bytes(score_sheet_form_document({}), {}));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(in_reading_order(pdf.text, {QStringLiteral(u"スコアシート"), QStringLiteral(u"日付")}));
    for (const QString& label :
         {QStringLiteral(u"開始時刻"), QStringLiteral(u"グラウンド"), QStringLiteral(u"対戦相手"),
          QStringLiteral(u"大会名"), QStringLiteral(u"延長前半"), QStringLiteral(u"スターティングメンバー"),
          QStringLiteral(u"リザーブメンバー"), QStringLiteral(u"フォーメーション"), QStringLiteral(u"PK戦"),
          QStringLiteral(u"アシスト・OUT")}) {
        EXPECT_TRUE(pdf.text.contains(label)) << label.toStdString();
    }
    // A form has no running header or page numbers.
    EXPECT_FALSE(pdf.text.contains(QStringLiteral(u"1 / 1")));
    EXPECT_TRUE(test::fonts_embedded_as_text(pdf));
}

TEST(PrintedForms, TheSampleIsTheFormFilledInWithADemoGame) {
    const ScoreSheetForm sample = demo_score_sheet();
    ASSERT_FALSE(sample.team_name.isEmpty());
    ASSERT_FALSE(sample.timeline.empty());
    const test::PdfReading pdf = test::read_pdf_bytes(pdf_bytes(score_sheet_form_document(sample), {}));
    EXPECT_EQ(pdf.pages, 1);
    for (const QString& text : {sample.team_name, sample.opponent, sample.date, sample.ground,
                                sample.starters[0].name, sample.timeline.front().player}) {
        EXPECT_TRUE(pdf.text.contains(text)) << text.toStdString();
    }
}

}  // namespace
}  // namespace kl
