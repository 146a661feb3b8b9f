#include "ui/command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zelvarin::ui {

CommandButton::CommandButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{}

void CommandButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!isEnabled() && isEnabledTo(window())) {
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace zelvarin::ui
