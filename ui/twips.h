#pragma once

#include <QRect>

namespace zelvarin::ui {

// Every place and size of the windows is kept in twips (1/1440 inch), as the layouts were
// designed; at 96 dpi one pixel is 15 twips. Qt scales logical pixels for other screens.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Rounds half up: 6400 twips (426.67 px) become 427 px.
    return (twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace zelvarin::ui
