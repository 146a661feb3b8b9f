#include "ui/window_placement.h"

#include <algorithm>

namespace zelvarin::ui {

QPoint centredPlacement(const QRect &available, const QSize &frame)
{
    const int x = available.left() + (available.width() - frame.width()) / 2;
    const int y = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

QSize fittedClientSize(const QSize &wanted, const QSize &room, int scrollBar)
{
    int width = wanted.width();
    int height = wanted.height();
    const bool tooHigh = height > room.height();
    if (tooHigh) {
        height = room.height();
        width += scrollBar;
    }
    if (width > room.width()) {
        width = room.width();
        if (!tooHigh)
            height = std::min(height + scrollBar, room.height());
    }
    return {width, height};
}

} // namespace zelvarin::ui
