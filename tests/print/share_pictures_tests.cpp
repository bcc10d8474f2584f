#include "print/pitch_drawing.h"
#include "print/season_chart_svgs.h"
#include "print/share_pictures.h"
#include "reports/season_site.h"
#include "store/vocabulary.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>
#include <QXmlStreamReader>
#include <set>

namespace kl {
namespace {

using test::GameBuilder;

// For the picture the lines in use share the pitch evenly, forwards on top; wingers take the ends
// of their line and the goalkeeper stands alone at the bottom.
TEST(PitchPlaces, ThePictureSpreadsTheLinesInUseEvenly) {
    const std::vector<QString> positions = {
        QStringLiteral(u"GK"), QStringLiteral(u"SB"), QStringLiteral(u"CB"), QStringLiteral(u"CB"),
        QStringLiteral(u"SB"), QStringLiteral(u"DH"), QStringLiteral(u"DH"), QStringLiteral(u"OH"),
        QStringLiteral(u"WF"), QStringLiteral(u"CF"), QStringLiteral(u"WF"), QString()};
    const QRectF pitch(0, 0, 600, 500);
    const std::vector<PitchPlace> places = pitch_places(positions, pitch, true);
    ASSERT_EQ(places.size(), 11U);  // the slot without a position is left out
    std::set<double> rows;
    for (const PitchPlace& place : places) {
        rows.insert(place.at.y());
    }
    EXPECT_EQ(rows, (std::set<double>{50, 150, 250, 350, 450}));
    // The top line: a winger, the centre forward, the other winger.
    EXPECT_EQ(places[0].index, 8U);
    EXPECT_EQ(places[1].index, 9U);
    EXPECT_EQ(places[2].index, 10U);
    EXPECT_DOUBLE_EQ(places[0].room, 150);
    EXPECT_EQ(places.back().index, 0U);
    EXPECT_DOUBLE_EQ(places.back().at.x(), 300);
    // The score sheet's sketch keeps each line's depth on a real pitch.
    EXPECT_DOUBLE_EQ(pitch_places(positions, pitch, false).back().at.y(), 470);
}

QColor colour_at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// However many goals a game has, the picture keeps its size and the pitch its place at the bottom.
TEST(ResultPictureImage, KeepsItsSizeAndThePitchWithManyGoals) {
    GameBuilder game;
    for (int minute = 3; minute < 90; minute += 7) {
        game.goal(minute, QStringLiteral(u"S10"), QStringLiteral(u"S9"));
    }
    const QImage image = result_picture_image(result_picture(game.record(), QStringLiteral(u"テストFC")));
    EXPECT_EQ(image.size(), QSize(share_picture_width, share_picture_height));
    EXPECT_EQ(colour_at(image, 540, 10), QColor(0x1f, 0x5f, 0x3a));  // the band of the meeting
    EXPECT_EQ(colour_at(image, 80, share_picture_height - 80), QColor(0x2f, 0x7d, 0x4a));  // grass
    EXPECT_EQ(colour_at(image, 540, share_picture_height - 5), QColor(Qt::white));
    const QByteArray png = png_bytes(image);
    EXPECT_TRUE(png.startsWith("\x89PNG"));
}

QStringList svg_texts(const QByteArray& svg, QString& title) {
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            if (reader.name() == QStringLiteral(u"title")) {
                title = reader.readElementText();
            } else if (reader.name() == QStringLiteral(u"text")) {
                texts.append(reader.readElementText());
            }
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

// The charts are SVG of the chart view's figures, each under its title.
TEST(SeasonChartSvgs, DrawTheFiguresUnderTheirTitles) {
    GameBuilder won;
    won.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9")).goal(80, QStringLiteral(u"S11"));
    GameBuilder lost;
    lost.date = QStringLiteral(u"2006/05/01");
    lost.conceded(5);
    const SeasonCharts charts = compute_season_charts({won.line(), lost.line()}, {});
    for (int chart = 0; chart < site_chart_count; ++chart) {
        QString title;
        const QStringList texts = svg_texts(season_chart_svg(chart, charts), title);
        EXPECT_EQ(title, site_charts()[static_cast<size_t>(chart)].title);
        EXPECT_FALSE(texts.isEmpty());
    }
    QString title;
    const QStringList scorers = svg_texts(season_chart_svg(1, charts), title);
    EXPECT_TRUE(scorers.contains(QStringLiteral(u"S10")));
    EXPECT_TRUE(scorers.contains(QStringLiteral(u"1/0")));
    EXPECT_TRUE(scorers.contains(QStringLiteral(u"0/1")));  // S9's assist
    const QStringList results = svg_texts(season_chart_svg(0, charts), title);
    EXPECT_TRUE(results.contains(QStringLiteral(u"04/01")));
    EXPECT_TRUE(results.contains(QStringLiteral(u"05/01")));
}

}  // namespace
}  // namespace kl
