#pragma once

class QWidget;

namespace zelvarin::ui {

// Brings the window that holds the program's lock (About, or a message box) to the front
// with the keyboard, once the event being handled is over: the pupil has clicked, focused or
// Alt+Tabbed to a window under it, which takes no command while the lock is held. Nothing
// happens if the window has closed or has the keyboard by then.
void bringForwardLater(QWidget &window);

} // namespace zelvarin::ui
