#pragma once

namespace kl {

// Design sizes are given in twips; 15 twips are one pixel at 96 dpi.
constexpr int twips_per_pixel = 15;
constexpr int px(int twips) {
    return twips / twips_per_pixel;
}
constexpr int twips(int pixels) {
    return pixels * twips_per_pixel;
}

}  // namespace kl

class QWidget;

namespace kl {

// A column width of the design for widget's font: the design fits a date and time
// ("2006/04/01 10:00") into 1440 twips; a wider font widens every column in proportion.
int column_width(const QWidget* widget, int twips);

}  // namespace kl
