#include "store/team_year.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace md {
namespace {

TEST(TeamYear, TheLastFourDigitYearOfTheNameMovesOnInItsOwnDigits) {
    EXPECT_EQ(with_year(QStringLiteral(u"さくらFC 2025"), 2026), QStringLiteral(u"さくらFC 2026"));
    EXPECT_EQ(with_year(QStringLiteral(u"さくらFC２０２５年度"), 2026),
              QStringLiteral(u"さくらFC２０２６年度"));
    // U-12 is no year, nor is a longer run of digits; the last year is the season's.
    EXPECT_EQ(with_year(QStringLiteral(u"U-12 2019-2020"), 2021), QStringLiteral(u"U-12 2019-2021"));
    EXPECT_EQ(with_year(QStringLiteral(u"FC 20250"), 2026), QStringLiteral(u"FC 20250"));
    EXPECT_EQ(with_year(QStringLiteral(u"さくらFC"), 2026), QStringLiteral(u"さくらFC"));
    EXPECT_FALSE(year_in_name(QStringLiteral(u"チーム 1234")));
    EXPECT_EQ(year_in_name(QStringLiteral(u"2099年")).value().year, 2099);
}

TEST(TeamYear, WithoutItsYearANameKeepsItsWords) {
    EXPECT_EQ(without_year(QStringLiteral(u"さくらFC 2025")), QStringLiteral(u"さくらFC"));
    EXPECT_EQ(without_year(QStringLiteral(u"さくらFC　2025年度　U-12")), QStringLiteral(u"さくらFC U-12"));
    EXPECT_EQ(without_year(QStringLiteral(u"2025 さくらFC")), QStringLiteral(u"さくらFC"));
    EXPECT_EQ(without_year(QStringLiteral(u"2025")), QStringLiteral(u"2025"));
}

}  // namespace
}  // namespace md
