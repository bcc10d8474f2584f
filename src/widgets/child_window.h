#pragma once

class QWidget;

namespace kl {

// Shows window as a modeless top-level window (deleted when closed) and disables owner until the
// window is gone, however it closes; then owner is enabled again and gets the focus. The window
// must have no parent: a disabled parent would disable it too.
void open_child_window(QWidget* owner, QWidget* window);

// Places window at the centre of owner: left = owner left + (owner width - own width) / 2, top likewise.
void centre_over(QWidget* window, const QWidget* owner);

}  // namespace kl
