#include "ui/qt_ports.h"

#include "ui/bring_forward.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>

namespace zelvarin::ui {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxPort::show(std::string_view text, std::string_view title, MessageIcon icon)
{
    const QString caption = title.empty() ? QCoreApplication::applicationName() : toQString(title);
    // Every box answers a click or key in the active window, so it belongs over that one: as
    // its transient, which a compositor needs to place and stack it as its dialog.
    QMessageBox box(toQtIcon(icon), caption, toQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    // Waited for in a loop of its own, not exec()'s, which ends when the box is hidden: on
    // Wayland a box is brought forward by showing it anew.
    box.setWindowModality(Qt::ApplicationModal);
    // The box has a fixed size, which labwc maximises all the same when asked, into a grey
    // box as large as the screen, and a minimise button where Qt draws the title bar
    // (weston), which would hide it from the pupil: it is put back as the main window is.
    keepNormal(box);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec(QEventLoop::DialogExec);
}

void ApplicationExit::exitNow()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace zelvarin::ui
