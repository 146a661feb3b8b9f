#pragma once

class QScrollArea;
class QWidget;

namespace zelvarin::ui {

// Places a top-level window of the program on its screen: its frame centred within the
// available area and, where its contents scroll, the window fitted to that area; then once
// more when the window manager has framed it, as the frame's size is only guessed before.
// Once only, so that the pupil can move the window where they like. The quirks of window
// managers and Wine live here, and nowhere else. The helper belongs to the window.
//
// scroller, when given, is the window's central scroll area: on a screen too small for the
// window at its scale the window takes the screen and its contents scroll, the pictures kept
// at their scale; elsewhere it never scrolls.
void placeOnScreen(QWidget &window, QScrollArea *scroller = nullptr);

} // namespace zelvarin::ui
