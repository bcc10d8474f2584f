#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace kl {

// Colours that mark state on the entry pages.
inline const QColor light_cyan(0xC0, 0xFF, 0xFF);  // a button whose part is done
inline const QColor magenta(0xFF, 0x00, 0xFF);     // the label of the box the next pick fills

// Paints a button's face or a label's background; no colour gives back the default.
void set_back_colour(QWidget* widget, const std::optional<QColor>& colour);

}  // namespace kl
