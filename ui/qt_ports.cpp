#include "ui/qt_ports.h"

#include "ui/qt_text.h"

#include <QApplication>
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
    // Every box answers a click or key in the active window, so it belongs over that one.
    QMessageBox box(toQtIcon(icon), caption, toQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ApplicationExit::exitNow()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace zelvarin::ui
