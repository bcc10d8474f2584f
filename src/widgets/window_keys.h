#pragma once

#include <functional>

class QPushButton;
class QWidget;

namespace kl {

// Enter (on the main keyboard or the keypad) anywhere in button's window presses button while it
// is enabled, as a dialog's default button is pressed; the button looks like a default button.
void press_on_enter(QPushButton* button);

// Esc in window runs close_asked: by default window closes, as a dialog does.
void close_on_escape(QWidget* window, std::function<void()> close_asked = {});

}  // namespace kl
