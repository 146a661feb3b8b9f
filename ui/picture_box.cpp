#include "picture_box.h"

#include <QPainter>

namespace zelvarin::ui {

PictureBox::PictureBox(const QPixmap &picture, const QString &accessibleName, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(picture); // implicitly shared: the frames share one copy of each face
    setAccessibleName(accessibleName);
    resize(picture.deviceIndependentSize().toSize());
}

void PictureBox::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
}

} // namespace zelvarin::ui
