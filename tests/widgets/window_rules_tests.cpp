// Where windows go on a small screen and how wide list columns are: the rules alone.
#include "widgets/column_fit.h"
#include "widgets/screen_fit.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

// A 1366 x 768 laptop screen with a panel of 32 pixels at its top.
const QRect laptop(0, 32, 1366, 736);

TEST(ScreenFit, AWindowInsideTheFreeAreaStaysWhereItIs) {
    const QRect frame(100, 100, 600, 400);
    EXPECT_EQ(fitted_frame(frame, laptop), frame);
    EXPECT_EQ(fitted_frame(QRect(0, 32, 1366, 736), laptop), laptop);
}

TEST(ScreenFit, AWindowRunningOffTheScreenMovesUpAndLeftJustEnough) {
    // The wizard's third page, grown downwards from the first page's place.
    EXPECT_EQ(fitted_frame(QRect(260, 200, 700, 650), laptop), QRect(260, 118, 700, 650));
    EXPECT_EQ(fitted_frame(QRect(900, 100, 600, 400), laptop), QRect(766, 100, 600, 400));
    // Above or left of the free area (under the panel), it comes down and right.
    EXPECT_EQ(fitted_frame(QRect(-50, 0, 600, 400), laptop), QRect(0, 32, 600, 400));
}

TEST(ScreenFit, AWindowLargerThanTheFreeAreaIsMadeItsSize) {
    EXPECT_EQ(fitted_frame(QRect(300, 300, 1100, 900), laptop), QRect(266, 32, 1100, 736));
    EXPECT_EQ(fitted_frame(QRect(300, 300, 2000, 2000), laptop), laptop);
}

TEST(ColumnFit, ColumnsGrowToTheirWidestCellButNeverBelowTheirDesignWidth) {
    // The game list: a date and time wider than its design width, a short score.
    EXPECT_EQ(fitted_column_widths({96, 96, 96, 200, 96}, {118, 90, 60, 150, 120}, 0),
              (std::vector<int>{118, 96, 96, 200, 120}));
}

TEST(ColumnFit, TheLastColumnReachesTheListsEdge) {
    EXPECT_EQ(fitted_column_widths({100, 100}, {50, 50}, 500), (std::vector<int>{100, 400}));
    // A list narrower than its columns: nothing is taken from them, the list scrolls sideways.
    EXPECT_EQ(fitted_column_widths({100, 100}, {50, 150}, 120), (std::vector<int>{100, 150}));
    // Columns without a design width take their cells' width.
    EXPECT_EQ(fitted_column_widths({40, 0, 0}, {30, 80, 70}, 0), (std::vector<int>{40, 80, 70}));
    EXPECT_TRUE(fitted_column_widths({}, {}, 300).empty());
}

}  // namespace
}  // namespace kl
