#pragma once

#include <QGuiApplication>

namespace zelvarin::ui {

// Whether the program is a native Wayland client: the compositor, not the program, then
// places, stacks and activates its windows, and may leave their title bars to Qt.
inline bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace zelvarin::ui
