#pragma once

#include "quiz/ports.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

class QWidget;

namespace zelvarin {
class SysInfoPlatform;
}

namespace zelvarin::ui {

// The program's one lock. While About or a message box is open the main window takes no
// command, whatever the way in: mouse, keys, shortcuts, menus, or a screen reader's actions,
// which pass both a disabled window and a modal box. The window that holds the lock keeps the
// keyboard: when the pupil clicks, focuses or Alt+Tabs to a window under it, it is brought
// forward again. The main window cannot be closed meanwhile.
//
// Every box of the program is shown through the lock, which holds while the box is open;
// About is opened and closed here, and the main window is disabled while it is open.
class WindowLock final : public QObject, public MessagePort
{
    Q_OBJECT

public:
    // boxes shows the boxes; platform is the operating system's layer for About's System Info.
    WindowLock(QWidget &mainWindow, SysInfoPlatform &platform, MessagePort &boxes);
    ~WindowLock() override;

    bool isHeld() const { return m_about != nullptr || m_boxesOpen > 0; }

    void show(std::string_view text, std::string_view title, MessageIcon icon) override;

    // Opens About, or brings the open one forward.
    void openAbout();
    // The About window while it is open, else null.
    QDialog *aboutWindow() const { return m_about; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void guard(QWidget &window);
    void aboutClosed();

    QWidget &m_main;
    SysInfoPlatform &m_platform;
    MessagePort &m_boxes;
    int m_boxesOpen = 0;
    QPointer<QDialog> m_about;
    QPointer<QWidget> m_lastControl; // the last control with the focus, the menu bar aside
    QPointer<QWidget> m_focusBeforeAbout;
};

} // namespace zelvarin::ui
