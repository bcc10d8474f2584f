#include "toolbar_icons.h"

#include <QPainter>
#include <QPixmap>

namespace kl {

QIcon badge_icon(const QString& character, const QColor& colour) {
    QIcon icon;
    for (const int size : {24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const qreal inset = size / 12.0;
        painter.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 5.0,
                                size / 5.0);
        QFont font = painter.font();
        font.setPixelSize(size * 9 / 16);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, character);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace kl
