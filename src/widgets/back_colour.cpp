#include "back_colour.h"

#include <QWidget>

namespace kl {

void set_back_colour(QWidget* widget, const std::optional<QColor>& colour) {
    // Only the style sheet carries the colour: a palette set beside it would come back when the sheet
    // is cleared, and most styles draw a button's face from their own gradient, not the palette.
    const QString sheet = colour ? QStringLiteral(u"background-color: %1;").arg(colour->name()) : QString();
    if (widget->styleSheet() != sheet) {
        widget->setStyleSheet(sheet);
    }
}

}  // namespace kl
