#include "app/screen_scale.h"

#include <algorithm>
#include <cmath>

namespace zelvarin {

double scaleFactorToFit(int workWidth, int workHeight, double desktopScale, int windowWidth,
                        int windowHeight)
{
    const double fits = std::min(static_cast<double>(workWidth) / windowWidth,
                                 static_cast<double>(workHeight) / windowHeight);
    if (desktopScale <= fits)
        return 1.0;
    // Qt draws the windows and the screenshots in them best at the scales Windows offers.
    const double scale = std::max(1.0, std::floor(fits * 4.0) / 4.0);
    return std::min(1.0, scale / desktopScale);
}

} // namespace zelvarin
