#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace kl {

// A toolbar picture: a rounded square in its group's colour with one white character, so the
// buttons read clearly and look alike.
QIcon badge_icon(const QString& character, const QColor& colour);

}  // namespace kl
