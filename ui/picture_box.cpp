#include "ui/picture_box.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace zelvarin::ui {

namespace {

class PictureBoxAccessible final : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Graphic)
    {}
};

QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("zelvarin::ui::PictureBox") && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// Registered when the library loads, before any window exists.
void installPictureBoxAccessible()
{
    QAccessible::installFactory(pictureBoxAccessible);
}
Q_CONSTRUCTOR_FUNCTION(installPictureBoxAccessible)

} // namespace

PictureBox::PictureBox(const Picture &picture, const QString &accessibleName, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setAccessibleName(accessibleName);
    resize(picture.size());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // At whole scale factors every pixel becomes a clean block; at 1.5 blocks of uneven
    // width would garble the screenshots' small text, so smooth those.
    const qreal ratio = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
    painter.setClipRect(event->rect());
    if (m_picture.bottomUp) {
        painter.translate(0, m_picture.rows.height());
        painter.scale(1, -1);
    }
    painter.drawImage(0, 0, m_picture.rows);
}

} // namespace zelvarin::ui
