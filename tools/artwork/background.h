#pragma once

#include <QImage>
#include <QRect>

namespace zelvarin::artwork {

inline constexpr int kBackgroundWidth = 800;
inline constexpr int kBackgroundHeight = 600;

// Where the product name stands; the main window shows it between the result strip and the
// buttons while no question is on view.
inline constexpr QRect kProductNameBox{65, 250, 625, 85};

QImage drawBackground();

} // namespace zelvarin::artwork
