#include "app/screen_scale.h"
#include "ui/form_background.h"

#include <QByteArray>

// windows.h first: shellscalingapi.h builds on its types.
// clang-format off
#include <windows.h>
#include <shellscalingapi.h>
// clang-format on

namespace zelvarin {

namespace {
// Qt's menu bar above the client area, at 100 %.
constexpr int kMenuBarHeight = 21;
} // namespace

void fitScaleToScreen()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    // The awareness Qt sets a moment later: asked before it, the system would tell the scale
    // and size of a 96-dpi stand-in screen instead of the monitor's own.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // The window opens on the primary screen.
    HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    UINT dpiX = USER_DEFAULT_SCREEN_DPI;
    UINT dpiY = USER_DEFAULT_SCREEN_DPI;
    if (GetMonitorInfoW(monitor, &info) == 0 ||
        GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY) != S_OK)
        return;
    // The title bar and borders of a window with a fixed border, at 100 %.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, WS_CAPTION | WS_SYSMENU, FALSE, 0, USER_DEFAULT_SCREEN_DPI);
    const RECT &work = info.rcWork;
    const double factor =
        scaleFactorToFit(work.right - work.left, work.bottom - work.top,
                         static_cast<double>(dpiY) / USER_DEFAULT_SCREEN_DPI,
                         ui::kClientSize.width() + frame.right - frame.left,
                         ui::kClientSize.height() + kMenuBarHeight + frame.bottom - frame.top);
    if (factor < 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 4));
}

} // namespace zelvarin
