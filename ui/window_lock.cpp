#include "ui/window_lock.h"

#include "ui/about_window.h"
#include "ui/bring_forward.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QWindow>

namespace zelvarin::ui {

WindowLock::WindowLock(QWidget &mainWindow, SysInfoPlatform &platform, MessagePort &boxes)
    : QObject(&mainWindow)
    , m_main(mainWindow)
    , m_platform(platform)
    , m_boxes(boxes)
{
    guard(mainWindow);
    // The menu bar takes the focus for a moment when it is used from the keyboard (Alt, then
    // the arrows); About opened from there gives the focus back to the control before it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget * /*old*/, QWidget *now) {
        if (now != nullptr && now->window() == &m_main && qobject_cast<QMenuBar *>(now) == nullptr)
            m_lastControl = now;
    });
}

WindowLock::~WindowLock() = default;

void WindowLock::guard(QWidget &window)
{
    window.installEventFilter(this);
    keepNormal(window);
}

void WindowLock::show(std::string_view text, std::string_view title, MessageIcon icon)
{
    struct Open
    {
        int &count;
        explicit Open(int &c)
            : count(c)
        {
            ++count;
        }
        ~Open() { --count; }
        Open(const Open &) = delete;
        Open &operator=(const Open &) = delete;
    } open(m_boxesOpen);
    m_boxes.show(text, title, icon);
}

bool WindowLock::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<QWidget *>(watched);
    if (window == &m_main && event->type() == QEvent::Close && isHeld()) {
        event->ignore();
        return true;
    }
    // labwc gives the keyboard to the window clicked and sends a key typed at once after the
    // click along with it, before About is back in front: the disabled main window would
    // swallow the key the pupil meant for About, which gets it instead. (A modal box's keys
    // never get this far: Qt drops them on the window the box blocks.)
    if (window == &m_main && m_about != nullptr &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        QWidget *target = m_about->focusWidget() != nullptr ? m_about->focusWidget() : m_about;
        QCoreApplication::sendEvent(target, event);
        return true;
    }
    // A disabled owner never takes the focus on Windows, but a window manager or compositor
    // activates whatever window is clicked or Alt+Tabbed to, and the keyboard would then go
    // nowhere: the window that holds the lock, a message box or else About, takes it back.
    if (window != nullptr && event->type() == QEvent::ActivationChange && isHeld() &&
        QApplication::activeWindow() == window) {
        QWidget *holder = QApplication::activeModalWidget();
        if (holder == nullptr)
            holder = m_about;
        if (holder != nullptr && holder != window)
            bringForwardLater(*holder);
    }
    return QObject::eventFilter(watched, event);
}

void WindowLock::openAbout()
{
    // One About window: asked for again, the open one comes forward.
    if (m_about) {
        bringForwardLater(*m_about);
        return;
    }
    if (isHeld())
        return;
    // Disabling the window moves its focus on; closing About puts it back where it was.
    QWidget *focus = m_main.focusWidget();
    m_focusBeforeAbout = qobject_cast<QMenuBar *>(focus) == nullptr ? focus : m_lastControl.data();
    // The About window has no owner, so disabling the main window leaves it usable; it is
    // kept above the main window as its transient, or it could fall behind the disabled main
    // window and the program would look frozen. Its System Info box goes through the lock.
    m_about = new AboutWindow(m_platform, *this, m_main.windowIcon());
    connect(m_about, &QDialog::finished, this, &WindowLock::aboutClosed);
    guard(*m_about);
    // Centred on the main window's screen, not on the main window as a transient dialog
    // would be.
    m_about->setScreen(m_main.screen());
    placeOnScreen(*m_about);
    m_about->winId();
    if (QWindow *w = m_about->windowHandle())
        w->setTransientParent(m_main.windowHandle());
    m_about->show();
    m_main.setEnabled(false);
    m_about->activateWindow();
}

void WindowLock::aboutClosed()
{
    m_about = nullptr; // it deletes itself; from now on the main window may be activated
    m_main.setEnabled(true);
    m_main.activateWindow();
    if (QWidget *had = m_focusBeforeAbout;
        had != nullptr && had->isEnabled() && had->isVisible() && had->focusPolicy() != Qt::NoFocus)
        had->setFocus(Qt::ActiveWindowFocusReason);
    m_focusBeforeAbout = nullptr;
}

} // namespace zelvarin::ui
