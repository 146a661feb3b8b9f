#include "app/screen_scale.h"

namespace zelvarin {

// The scale elsewhere is the desktop's own (QT_SCALE_FACTOR, the platform theme); a window
// larger than the screen scrolls.
void fitScaleToScreen() {}

} // namespace zelvarin
