#include "message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace kl {
namespace {

int run_box(const QString& title, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral(u"message_box"));
    // Some desktop styles put icons on standard buttons; the program's boxes show words only.
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
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
