#include "ui/bring_forward.h"

#include "ui/window_system.h"

#include <QPointer>
#include <QWidget>

namespace zelvarin::ui {

namespace {

void bringForward(QWidget &window)
{
    if (onWayland()) {
        // A Wayland compositor raises no window for its client, and decides itself whether
        // one is given the keyboard: sway only marks it urgent, and mutter follows the last
        // request made with the pupil's click, which Qt makes for the clicked window. Both put
        // a window they map on top and give it the keyboard, so the window is shown anew.
        window.hide();
        window.show();
        return;
    }
    window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace

void bringForwardLater(QWidget &window)
{
    // Later, so that the activation being handled has done all it does first, including
    // Qt's own request to give the keyboard to the window just activated.
    QMetaObject::invokeMethod(
        &window,
        [target = QPointer<QWidget>(&window)] {
            if (target != nullptr && target->isVisible() && !target->isActiveWindow())
                bringForward(*target);
        },
        Qt::QueuedConnection);
}

} // namespace zelvarin::ui
