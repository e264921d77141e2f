#pragma once

class QWidget;

// The keyboard focus for the program's own windows where no window manager hands it over
// (none at all, or one that leaves new windows without focus).
namespace WindowFocus {

// window takes the keyboard as soon as it is on screen.
void TakeWhenShown(QWidget *window);
// The window behind a dialog that closed takes the keyboard back, so it does not fall to
// the desktop's root window.
void GiveBack(QWidget *window);

} // namespace WindowFocus
