#include "app/program_start.h"

#include "ui/light_style.h"

#include <QApplication>

#include <zelvarin/app_identity.h>

namespace zelvarin {

namespace {

// The look the windows and pictures were drawn for. Windows keeps its own style and colours:
// Qt 6.4 gives a Windows program the light palette in any case, and a high contrast scheme
// there is the pupil's own choice.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): the application takes the style and
// deletes it when it ends, which the analyzer, not looking into Qt, cannot know.
void setLook()
{
#ifndef Q_OS_WIN
    QApplication::setStyle(new ui::LightStyle);
#endif
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

} // namespace

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
