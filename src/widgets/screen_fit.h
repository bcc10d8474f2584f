#pragma once

#include <QRect>

namespace kl {

// Where a window of frame goes on a screen whose free area (without panels and docks) is area: no
// larger than the area, and moved up or left just enough to lie inside it; a window already inside
// stays where it is.
QRect fitted_frame(const QRect& frame, const QRect& area);

}  // namespace kl
