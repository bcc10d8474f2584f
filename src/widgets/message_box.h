#pragma once

#include "store/user_message.h"

#include <QString>

class QWidget;

namespace kl {

// An OK box with the message's title and text and no icon, modal over the active window.
void show_message(const md::UserMessage& message);

// A Yes/No box; true for Yes.
bool ask_yes_no(const QString& title, const QString& text);

}  // namespace kl
