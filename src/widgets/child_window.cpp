#include "child_window.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kl {

void open_child_window(QWidget* owner, QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> guarded_owner(owner);
    QObject::connect(window, &QObject::destroyed, owner, [guarded_owner] {
        if (guarded_owner) {
            guarded_owner->setEnabled(true);
            guarded_owner->activateWindow();
            guarded_owner->setFocus();
        }
    });
    window->show();
    owner->setEnabled(false);
}

void centre_over(QWidget* window, const QWidget* owner) {
    const QRect frame = owner->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(frame.left() + (frame.width() - size.width()) / 2,
                 frame.top() + (frame.height() - size.height()) / 2);
}

}  // namespace kl
