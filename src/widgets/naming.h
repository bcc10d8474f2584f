#pragma once

#include <QString>

namespace kl {

// Gives a control its objectName: the name tests and the screen tour find it by.
template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// The name of element index of a control array: "tx_member_3".
inline QString indexed(const QString& name, int index) {
    return name + u'_' + QString::number(index);
}
inline QString indexed(const char16_t* name, int index) {
    return indexed(QString::fromUtf16(name), index);
}

}  // namespace kl
