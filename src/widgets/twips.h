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
