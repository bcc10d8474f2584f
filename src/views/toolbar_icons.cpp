#include "toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace kl {
namespace {

// Paints a badge at the size asked for, when it is first shown: a start shows only one size.
class BadgeEngine : public QIconEngine {
  public:
    BadgeEngine(const QString& character, const QColor& colour) : character_(character), colour_(colour) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(colour_);
        const qreal size = std::min(rect.width(), rect.height());
        const qreal inset = size / 12.0;
        const QRectF square(rect.x() + (rect.width() - size) / 2 + inset,
                            rect.y() + (rect.height() - size) / 2 + inset, size - 2 * inset,
                            size - 2 * inset);
        painter->drawRoundedRect(square, size / 5.0, size / 5.0);
        QFont font = painter->font();
        font.setPixelSize(static_cast<int>(size * 9 / 16));
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(square.adjusted(-inset, -inset, inset, inset), Qt::AlignCenter, character_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QString key = QStringLiteral(u"kl_badge_%1_%2_%3_%4")
                                .arg(character_, colour_.name())
                                .arg(size.width())
                                .arg(int(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap)) {
            return pixmap;
        }
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        painter.end();
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new BadgeEngine(character_, colour_); }

  private:
    QString character_;
    QColor colour_;
};

}  // namespace

QIcon badge_icon(const QString& character, const QColor& colour) {
    return QIcon(new BadgeEngine(character, colour));
}

}  // namespace kl
