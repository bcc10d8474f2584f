#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace kl {
namespace {

int run_box(const QString& title, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral(u"message_box"));
    return box.exec();
}

}  // namespace

void show_message(const md::UserMessage& message) {
    run_box(message.title, message.text, QMessageBox::Ok);
}

bool ask_yes_no(const QString& title, const QString& text) {
    return run_box(title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kl
