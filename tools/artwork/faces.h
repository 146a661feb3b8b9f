#pragma once

#include <QImage>

namespace zelvarin::artwork {

enum class Face {
    Neutral, // heart-shaped eyes and a laughing mouth: no answer given yet
    Right,   // closed happy eyes and a toothy grin
    Wrong,   // staring eyes and a small o of a mouth
};

inline constexpr int kFaceWidth = 80;
inline constexpr int kFaceHeight = 90;

// The marker face on a white ground, in full colour; reduce it with toPalette8 to store it.
QImage drawFace(Face face);

} // namespace zelvarin::artwork
