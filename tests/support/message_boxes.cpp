#include "support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace kl::test {

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer_open_box);
    timer_.start(5);
}

void MessageBoxAnswerer::answer_at_random(unsigned seed) {
    random_.emplace(seed);
}

void MessageBoxAnswerer::answer_open_box() {
    QWidget* modal = QApplication::activeModalWidget();
    // Any other dialog run to its end (the print dialog) is cancelled when asked.
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (cancel_dialogs_ && dialog != nullptr && qobject_cast<QMessageBox*>(dialog) == nullptr &&
        qobject_cast<QFileDialog*>(dialog) == nullptr && dialog->windowModality() == Qt::ApplicationModal) {
        dialog->reject();
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        return;
    }
    seen_.push_back({box->windowTitle(), box->text()});
    if (random_) {
        const QList<QAbstractButton*> buttons = box->buttons();
        buttons.value(static_cast<qsizetype>((*random_)() % static_cast<unsigned>(buttons.size())))->click();
        return;
    }
    QAbstractButton* button = box->button(answer_);
    if (button == nullptr) {
        button = box->buttons().value(0);
    }
    button->click();
}

}  // namespace kl::test

namespace kl::test {

QWidget* find_window(const QString& object_name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == object_name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

void close_windows_opened_from(const QWidget* main) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != main && top->testAttribute(Qt::WA_DeleteOnClose)) {
            top->close();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FileChooserAnswerer::FileChooserAnswerer(const QString& path) {
    connect(&timer_, &QTimer::timeout, this, [this, path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    timer_.start(5);
}

}  // namespace kl::test
