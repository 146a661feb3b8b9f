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

PictureBox::PictureBox(const QImage &picture, const QString &accessibleName, QWidget *parent)
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
    const QRect dirty = event->rect();
    painter.drawImage(dirty, m_picture, dirty);
}

} // namespace zelvarin::ui
