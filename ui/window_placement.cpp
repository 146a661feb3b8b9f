#include "ui/window_placement.h"

#include <algorithm>

namespace zelvarin::ui {

QPoint centredPlacement(const QRect &available, const QSize &frame)
{
    const int x = available.left() + (available.width() - frame.width()) / 2;
    const int y = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

} // namespace zelvarin::ui
