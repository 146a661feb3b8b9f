#pragma once

class QWidget;

namespace zelvarin::ui {

// How the lock's windows are kept in reach on each platform (ui/window_lock.h).

// Brings the window that holds the program's lock (About, or a message box) to the front
// with the keyboard, once the event being handled is over: the pupil has clicked, focused or
// Alt+Tabbed to a window under it, which takes no command while the lock is held. Nothing
// happens if the window has closed or has the keyboard by then.
void bringForwardLater(QWidget &window);

// Puts a fixed window back into its normal state whenever it is minimised or maximised, from
// the moment it is shown. Only on Wayland, where Qt draws the title bar itself (under weston
// and mutter) with minimise and maximise buttons, whatever the window's flags; elsewhere the
// window manager honours the flags.
void keepNormal(QWidget &window);

} // namespace zelvarin::ui
