#include "child_window.h"

#include "screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace kl {
namespace {

// The frame the window system last put around a window: a window about to open for the first time
// has none yet, and is fitted as if it had the same.
QMargins known_frame;

QMargins frame_margins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (!margins.isNull()) {
        known_frame = margins;
        return margins;
    }
    return window->isVisible() ? margins : known_frame;
}

const QScreen* screen_of(const QWidget* window) {
    if (const QScreen* under_centre = QGuiApplication::screenAt(window->frameGeometry().center())) {
        return under_centre;
    }
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

bool is_fitted_window(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr || !widget->isWindow()) {
        return false;
    }
    // Menus, the lists of combo boxes and tooltips place themselves; a maximized window fills the
    // free area already.
    const Qt::WindowType type = widget->windowType();
    return (type == Qt::Window || type == Qt::Dialog) &&
           !(widget->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

class ScreenKeeper : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Resize) && is_fitted_window(watched)) {
            fit_on_screen(static_cast<QWidget*>(watched));
        }
        return false;
    }
};

}  // namespace

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
    // The window system keeps the window above its owner, also when the owner is activated after
    // the window opened (as a window closed just before gives the owner back its focus).
    window->winId();
    if (QWindow* handle = window->windowHandle();
        handle != nullptr && owner->window()->windowHandle() != nullptr) {
        handle->setTransientParent(owner->window()->windowHandle());
    }
    window->show();
    window->raise();
    window->activateWindow();
    owner->setEnabled(false);
}

void centre_over(QWidget* window, const QWidget* owner) {
    const QRect frame = owner->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(frame.left() + (frame.width() - size.width()) / 2,
                 frame.top() + (frame.height() - size.height()) / 2);
}

void keep_windows_on_screen() {
    qApp->installEventFilter(new ScreenKeeper(qApp));
}

void fit_on_screen(QWidget* window) {
    const QScreen* screen = screen_of(window);
    if (screen == nullptr) {
        return;
    }
    const QMargins margins = frame_margins(window);
    const QRect frame = window->geometry().marginsAdded(margins);
    const QRect area = screen->availableGeometry();
    QRect fitted = fitted_frame(frame, area);
    if (fitted.size() != frame.size()) {
        // The least size of the window's layout may keep it larger than asked.
        window->resize(fitted.size().shrunkBy(margins));
        fitted = fitted_frame(window->geometry().marginsAdded(margins), area);
    }
    if (fitted.topLeft() != frame.topLeft()) {
        // A top-level window is moved by its frame's corner.
        window->move(fitted.topLeft());
    }
}

}  // namespace kl
