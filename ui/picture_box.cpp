#include "picture_box.h"

#include <QPainter>

#include <cmath>

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
    // At whole scale factors every pixel becomes a clean block; at 1.5 blocks of uneven
    // width would garble the screenshots' small text, so smooth those.
    const qreal ratio = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
    painter.drawPixmap(0, 0, pixmap());
}

} // namespace zelvarin::ui
