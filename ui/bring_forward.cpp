#include "ui/bring_forward.h"

#include "ui/window_system.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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

// Qt tells only the native window, not the widget, that its own title bar's minimise or
// maximise button was pressed. Maximised, the compositor moves the window into the corner;
// minimised, no compositor hands it back to the program, and weston has no taskbar to bring
// it back from, so it is shown anew.
class NormalKeeper final : public QObject
{
public:
    explicit NormalKeeper(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The native window exists once the widget is shown.
        if (watched == &m_window && event->type() == QEvent::Show && !m_watching &&
            m_window.windowHandle() != nullptr) {
            m_watching = true;
            connect(m_window.windowHandle(), &QWindow::windowStateChanged, this,
                    &NormalKeeper::putBack, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void putBack(Qt::WindowState state)
    {
        if (state != Qt::WindowMinimized && state != Qt::WindowMaximized)
            return;
        m_window.setWindowState(Qt::WindowNoState);
        if (state == Qt::WindowMinimized) {
            m_window.hide();
            m_window.show();
        }
    }

    QWidget &m_window;
    bool m_watching = false;
};

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

void keepNormal(QWidget &window)
{
    if (onWayland())
        new NormalKeeper(window); // the window owns it
}

} // namespace zelvarin::ui
