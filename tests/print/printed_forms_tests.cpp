#include "print/pdf_output.h"
#include "print/score_sheet_drawings.h"
#include "print/view_documents.h"
#include "support/pdf_reader.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace kl {
namespace {

using test::in_reading_order;

TEST(PrintedForms, TheBlankScoreSheetIsOnePageOfLabelsToFillIn) {
    const test::PdfReading pdf = test::read_pdf_bytes(pdf_bytes(score_sheet_form_document({}), {}));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(in_reading_order(pdf.text, {QStringLiteral(u"スコアシート"), QStringLiteral(u"日付")}));
    for (const QString& label :
         {QStringLiteral(u"開始時間"), QStringLiteral(u"場所"), QStringLiteral(u"対戦相手"),
          QStringLiteral(u"起票者"), QStringLiteral(u"大会名"), QStringLiteral(u"延長前半"),
          QStringLiteral(u"スターティングメンバー"), QStringLiteral(u"リザーブメンバー"),
          QStringLiteral(u"フォーメーション"), QStringLiteral(u"PK戦"), QStringLiteral(u"アシスト・OUT")}) {
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

// The form painted at 8 dots per millimetre: its design is 180 mm wide and 270 mm high.
QImage painted_form(const ScoreSheetForm& form) {
    constexpr int dots_per_mm = 8;
    QImage image(180 * dots_per_mm, 270 * dots_per_mm, QImage::Format_RGB32);
    image.setDotsPerMeterX(dots_per_mm * 1000);
    image.setDotsPerMeterY(dots_per_mm * 1000);
    image.fill(Qt::white);
    QPainter painter(&image);
    const PageStyle style(image);
    score_sheet_form_drawing(form).paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), style);
    return image;
}

// Text is drawn in black; the pitch's lines are green.
bool looks_like_text(const QColor& colour) {
    return colour.value() < 110 && std::abs(colour.green() - colour.red()) < 25;
}

TEST(PrintedForms, TheNamesOnThePitchKeepClearOfTheHalfwayLine) {
    const QImage image = painted_form(demo_score_sheet());
    // The pitch sketch lies 137 to 177 mm from the left and 148 to 208 mm from the top.
    const int halfway = 178 * 8;
    int text_dots = 0;
    for (int x = 137 * 8 + 4; x < 177 * 8 - 4; ++x) {
        for (int y = halfway - 2; y <= halfway + 2; ++y) {
            text_dots += looks_like_text(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(text_dots, 0);
}

}  // namespace
}  // namespace kl
