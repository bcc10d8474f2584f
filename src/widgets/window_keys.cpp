#include "window_keys.h"

#include <QPushButton>
#include <QShortcut>

namespace kl {

void press_on_enter(QPushButton* button) {
    button->setDefault(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QObject::connect(new QShortcut(QKeySequence(key), button->window()), &QShortcut::activated, button,
                         [button] {
                             if (button->isEnabled()) {
                                 button->click();
                             }
                         });
    }
}

void close_on_escape(QWidget* window, std::function<void()> close_asked) {
    if (!close_asked) {
        close_asked = [window] { window->close(); };
    }
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window,
                     std::move(close_asked));
}

}  // namespace kl
