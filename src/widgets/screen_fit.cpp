#include "screen_fit.h"

#include <algorithm>

namespace kl {

QRect fitted_frame(const QRect& frame, const QRect& area) {
    const QSize size = frame.size().boundedTo(area.size());
    // Right and bottom edges first, so a window that is pushed back is never pushed past the left
    // or top edge.
    const int left = std::max(area.left(), std::min(frame.left(), area.right() - size.width() + 1));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() - size.height() + 1));
    return {QPoint(left, top), size};
}

}  // namespace kl
