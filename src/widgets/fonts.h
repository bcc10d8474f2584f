#pragma once

#include <QFont>

namespace kl {

// The program's font: 9 points, as the twip sizes of the windows' design assume, and text drawn
// without the shaping that Japanese and Latin text do not need (lists of many rows draw faster).
// Call once, after the application object is made and before any window.
void use_program_font();

// A fixed-pitch Japanese font, so the blanks that pad a number line columns up: Noto Sans Mono CJK
// JP where installed, the system's fixed font otherwise; an odd size is taken up to the next even one.
QFont fixed_pitch_font(int pixel_size);

}  // namespace kl
