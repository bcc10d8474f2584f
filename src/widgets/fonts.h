#pragma once

#include <QFont>

namespace kl {

// A fixed-pitch Japanese font, so the blanks that pad a number line columns up: Noto Sans Mono CJK
// JP where installed, the system's fixed font otherwise; an odd size is taken up to the next even one.
QFont fixed_pitch_font(int pixel_size);

}  // namespace kl
