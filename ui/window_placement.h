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

} // namespace zelvarin::ui
