#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zelvarin::ui {

// Where a window of the given frame size goes: centred in the screen's available area, but
// with its top-left corner never outside it. A window larger than the screen (a small
// screen, or a large scale factor) then loses its right and bottom edges, never its title
// bar and menu, so it can still be dragged and used.
QPoint centredPlacement(const QRect &available, const QSize &frame);

// The size a scrolling client area of the wanted size takes within room: the wanted size
// when it fits; otherwise as much as fits, with room for the scroll bars it then needs
// (scrollBar wide) so that they cover none of it.
QSize fittedClientSize(const QSize &wanted, const QSize &room, int scrollBar);

} // namespace zelvarin::ui
