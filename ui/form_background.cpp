#include "ui/form_background.h"

#include "ui/colours.h"
#include "ui/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace zelvarin::ui {

FormBackground::FormBackground(QWidget *parent)
    : QWidget(parent)
    , m_picture(QStringLiteral(":/assets/background.jpg"))
{
    setObjectName(QStringLiteral("Form1Client"));
    setFixedSize(px(11430), px(8145));
}

void FormBackground::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, toQColor(colours::kPaleYellow));
    painter.drawPixmap(dirty, m_picture, dirty);

    // Line1: 1 px, from (300, 875) to (11175, 875) twips, in the button-shadow colour.
    painter.setPen(QPen(toQColor(colours::kSystemButtonShadow), 1));
    const int y = px(875);
    painter.drawLine(px(300), y, px(11175) - 1, y);
}

} // namespace zelvarin::ui
