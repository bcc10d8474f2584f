#include "twips.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace kl {

int column_width(const QWidget* widget, int twips) {
    const int design_text = px(1440) - 6;
    const int text = widget->fontMetrics().horizontalAdvance(QStringLiteral(u"2006/04/01 10:00"));
    return px(twips) * std::max(design_text, text) / design_text;
}

}  // namespace kl
