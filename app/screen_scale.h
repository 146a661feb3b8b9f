#pragma once

namespace zelvarin {

// On a screen too small for the main window at the desktop's scale (1366 x 768 at 150 % or
// 200 %, 1920 x 1080 at 200 %), the program takes the largest scale at which the whole window
// fits, in Windows' own steps of 25 % and never below 100 %, instead of scrolling: a pupil
// then sees the result strip, the question with all its answers and the buttons at once, as
// no scroll position of the larger window shows them together. On Windows it sets
// QT_SCALE_FACTOR, so it runs before the QApplication is made, and not where the variable is
// set already; elsewhere it does nothing, and the window scrolls as before.
void fitScaleToScreen();

// The factor QT_SCALE_FACTOR takes for that: work area in the screen's pixels, the desktop's
// scale (1.5 for 150 %) and the window's size with its frame at 100 %; 1 where it fits.
double scaleFactorToFit(int workWidth, int workHeight, double desktopScale, int windowWidth,
                        int windowHeight);

} // namespace zelvarin
