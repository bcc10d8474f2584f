#pragma once

class QWidget;

namespace kl {

// Shows window as a modeless top-level window (deleted when closed) above owner and active, and
// disables owner until the window is gone, however it closes; then owner is enabled again and gets
// the focus. The window must have no parent: a disabled parent would disable it too.
void open_child_window(QWidget* owner, QWidget* window);

// Places window at the centre of owner: left = owner left + (owner width - own width) / 2, top likewise.
void centre_over(QWidget* window, const QWidget* owner);

// From now on every window of the application, whenever it opens or changes its size, lies inside
// the free area of its screen (see fitted_frame): moved up or left as needed, and made smaller when
// it is larger than the area, as far as its least size allows. Call once, after the application
// object is made.
void keep_windows_on_screen();

// Moves and shrinks window, a top-level window, into the free area of its screen.
void fit_on_screen(QWidget* window);

}  // namespace kl
