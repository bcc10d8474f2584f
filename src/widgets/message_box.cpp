#include "message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace kl {
namespace {

// Qt's box wraps a text wider than a fixed width, and Japanese text wraps between any two
// characters, so a word breaks in two ("選/択"). The box is made as wide as the text's longest line,
// up to half the screen's width.
void fit_text_width(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral(u"qt_msgbox_label"));
    const QScreen* screen = box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    if (label == nullptr || screen == nullptr) {
        return;
    }
    int widest = 0;
    for (const QString& line : box.text().split(u'\n')) {
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    }
    label->setMinimumWidth(std::min(widest + 1, screen->availableGeometry().width() / 2));
}

int run_box(const QString& title, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral(u"message_box"));
    // Some desktop styles put icons on standard buttons; the program's boxes show words only.
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
    fit_text_width(box);
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
