#include "ui/window_placement.h"

#include "ui/window_system.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace zelvarin::ui {

namespace {

// Where a window of the given frame size goes: centred in the screen's available area, but
// with its top-left corner never outside it. A window larger than the screen then loses its
// right and bottom edges, never its title bar and menu, so it can still be dragged and used.
QPoint centredPlacement(const QRect &available, const QSize &frame)
{
    const int x = available.left() + (available.width() - frame.width()) / 2;
    const int y = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

// The size a scrolling client area of the wanted size takes within room: the wanted size
// when it fits; otherwise as much as fits, with room for the scroll bars it then needs
// (scrollBar wide) so that they cover none of it.
QSize fittedClientSize(const QSize &wanted, const QSize &room, int scrollBar)
{
    int width = wanted.width();
    int height = wanted.height();
    const bool tooHigh = height > room.height();
    if (tooHigh) {
        height = room.height();
        width += scrollBar;
    }
    if (width > room.width()) {
        width = room.width();
        if (!tooHigh)
            height = std::min(height + scrollBar, room.height());
    }
    return {width, height};
}

class WindowPlacement final : public QObject
{
public:
    WindowPlacement(QWidget &window, QScrollArea *scroller)
        : QObject(&window)
        , m_window(window)
        , m_scroller(scroller)
    {
        window.installEventFilter(this);
    }

    void place();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins frameMargins() const;
    QSize sizeWithin(const QSize &room) const;

    QWidget &m_window;
    QScrollArea *m_scroller;
    bool m_placedFramed = false;
};

void WindowPlacement::place()
{
    const QScreen *screen = m_window.screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QStyle *style = m_window.style();
    // The border as wide as xfwm4's and metacity's: guessed thinner, the window would be
    // larger than the screen once framed, and xfwm4 maximises such a window, dropping its
    // borders and cutting it off.
    constexpr int kWidestBorder = 5;
    const int edge = std::max(kWidestBorder,
                              style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_window));
    const QMargins guess(
        edge, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &m_window) + edge, edge, edge);
    QMargins frame = frameMargins();
    QPoint shift;
    if (frame.isNull() && (onWayland() || !m_window.isActiveWindow())) {
        // Not framed yet, or framed by a Wayland compositor, which tells Qt nothing of the
        // title bar it draws: a title bar and thin borders are the best guess. A window placed
        // as large as the screen would be taken by some window managers for a full-screen one.
        frame = guess;
    } else if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0) {
        // Wine under an X window manager tells a frame narrower than none: the client area
        // then stands that much before the frame's point, and the frame drawn round it is
        // the window manager's. Guessed instead, with the client area moved back in.
        shift = QPoint(std::max(0, -frame.left()), std::max(0, -frame.top()));
        frame = guess;
    }
    if (onWayland()) {
        // A Wayland compositor places the window itself and tells Qt nothing of its panels:
        // sway centres the client area and hangs the title bar above it, weston puts the
        // window under its panel. Room for either below the window keeps it whole.
        constexpr int kPanelHeight = 32; // weston's, and GNOME's top bar
        frame.setBottom(frame.bottom() + kPanelHeight);
    }
    const QSize border(frame.left() + frame.right(), frame.top() + frame.bottom());
    // A pixel kept free on each axis: xfwm4 maximises a window whose frame fills the screen
    // either way, and then drops its borders and cuts it off. Another at a scale such as 1.5,
    // where Qt rounds each margin to a whole pixel and the frame can come out up to a pixel
    // larger than their sum.
    const qreal scale = m_window.devicePixelRatioF();
    const int spare = scale == std::floor(scale) ? 1 : 2;
    if (m_scroller != nullptr)
        m_window.setFixedSize(sizeWithin(available.size() - border - QSize(spare, spare)));
    // The point is where the frame goes. Once the window is on the screen the native window
    // is asked, which moves it also when the widget believes it is there already: a window
    // manager may have put the frame elsewhere than asked. Before, the widget is moved, as
    // showing the window puts the native window where the widget is.
    const QPoint at = centredPlacement(available, m_window.size() + border) + shift;
    if (QWindow *native = m_window.windowHandle(); native != nullptr && native->isVisible())
        native->setFramePosition(at);
    else
        m_window.move(at);
}

QSize WindowPlacement::sizeWithin(const QSize &room) const
{
    // As a main window's layout measures it: a menu bar wraps, so its height depends on its
    // width, the client area's.
    const QSize content = m_scroller->widget()->size();
    const auto *main = qobject_cast<const QMainWindow *>(&m_window);
    const QWidget *menu = main != nullptr ? main->menuWidget() : nullptr;
    const int menuHeight = menu != nullptr ? menu->heightForWidth(content.width()) : 0;
    const int scrollBar =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_window);
    return fittedClientSize(content, room - QSize(0, menuHeight), scrollBar) + QSize(0, menuHeight);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // Placed again once the window manager has framed the window (or, where the window is
    // active with no frame, once it is clear there is none: no window manager, or the
    // offscreen platform), so that the frame is centred and the window whole on the screen.
    if (watched == &m_window && !m_placedFramed &&
        (event->type() == QEvent::Move || event->type() == QEvent::ActivationChange) &&
        (!frameMargins().isNull() || m_window.isActiveWindow())) {
        m_placedFramed = true;
        place();
    }
    return QObject::eventFilter(watched, event);
}

QMargins WindowPlacement::frameMargins() const
{
    // Asked of the native window each time: the widget keeps what it was told at its last
    // move, and a window manager may put up the frame after that.
    const QWindow *native = m_window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

} // namespace

void placeOnScreen(QWidget &window, QScrollArea *scroller)
{
    (new WindowPlacement(window, scroller))->place();
}

} // namespace zelvarin::ui
