#include "app/program_start.h"

#include "ui/light_style.h"

#include <QApplication>

#include <zelvarin/app_identity.h>

namespace zelvarin {

namespace {

// The look the windows and pictures were drawn for, on Windows too: a High Contrast theme
// there would otherwise put its white text on the quiz's own light grounds.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): the application takes the style and
// deletes it when it ends, which the analyzer, not looking into Qt, cannot know.
void setLook()
{
    QApplication::setStyle(new ui::LightStyle);
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

} // namespace

void choosePlatform()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    // Qt 6.4 takes a Wayland display over an X one wherever it finds both. On GNOME the
    // program goes through XWayland instead: there mutter centres the windows where the
    // program puts them, keeps About and the boxes over the main window, hands them the
    // keyboard when the program asks, and gives the fixed window a title bar with a close box
    // only. To a native Qt client it does none of it: it places every window itself, About
    // and the boxes wherever there is room, and the title bar is Qt's own, with minimise and
    // maximise boxes. Without an X display, and under every other compositor (sway, labwc,
    // KWin, weston), the program is a native Wayland client.
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    if (desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive) &&
        qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
#endif
}

void prepareApplication()
{
    // The title is the application's name only, not its display name: Qt would append a
    // display name to the title of every other window ("Резултат — Zelvarin"), and each box
    // keeps its own title.
    QCoreApplication::setApplicationName(QString::fromLatin1(identity::kTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(identity::kVersionText));
    // So that a desktop matches the window to the installed entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ZELVARIN_APP_ID));
    setLook();
}

Program::Program()
    : m_window(m_parts.services())
{}

} // namespace zelvarin
