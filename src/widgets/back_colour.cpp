#include "back_colour.h"

#include <QAbstractButton>
#include <QApplication>

namespace kl {

void set_back_colour(QWidget* widget, const std::optional<QColor>& colour) {
    const bool button = qobject_cast<QAbstractButton*>(widget) != nullptr;
    const QPalette::ColorRole role = button ? QPalette::Button : QPalette::Window;
    QPalette palette = widget->palette();
    palette.setColor(role, colour.value_or(QApplication::palette(widget).color(role)));
    widget->setPalette(palette);
    if (!button) {
        widget->setAutoFillBackground(colour.has_value());
    } else {
        // The style draws a button's face from its own gradient unless a sheet names the colour.
        widget->setStyleSheet(colour ? QStringLiteral(u"background-color: %1;").arg(colour->name())
                                     : QString());
    }
}

}  // namespace kl
