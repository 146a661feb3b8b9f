#pragma once

#include <QImage>
#include <QStringList>

namespace zelvarin::artwork {

inline constexpr int kScreenshotCount = 17;

struct Screenshot
{
    QImage image;
    QStringList problems; // text that did not fit, and the like; empty when all is well
};

// The dialog window of the given question (0..16), in the Windows XP look, at the exact
// pixel size the question frame expects.
Screenshot drawScreenshot(int question);

} // namespace zelvarin::artwork
