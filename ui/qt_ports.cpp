#include "ui/qt_ports.h"

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

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MessageBoxPort::MessageBoxPort(QWidget *parent)
    : m_parent(parent)
{}

void MessageBoxPort::show(std::string_view text, std::string_view title, MessageIcon icon)
{
    const QString caption = title.empty() ? QCoreApplication::applicationName() : qs(title);
    QMessageBox box(toQtIcon(icon), caption, qs(text), QMessageBox::Ok, m_parent);
    box.exec();
}

void ApplicationExit::exitNow()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace zelvarin::ui
