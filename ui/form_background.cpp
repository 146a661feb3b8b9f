#include "ui/form_background.h"

#include "ui/colours.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

namespace zelvarin::ui {

namespace {

// The picture is larger than the window, which shows only its top-left part: the rest is
// never decoded (decoding is the largest single cost of the window's start-up).
QImage readVisiblePart(const QString &path, QSize shown)
{
    QImageReader reader(path);
    reader.setClipRect(QRect(QPoint(0, 0), shown.boundedTo(reader.size())));
    return reader.read();
}

} // namespace

FormBackground::FormBackground(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1Client"));
    setFixedSize(kClientSize);
    m_decoding = std::async(std::launch::async, readVisiblePart,
                            QStringLiteral(":/assets/background.jpg"), size());
}

void FormBackground::paintEvent(QPaintEvent *event)
{
    if (m_decoding.valid())
        m_picture = m_decoding.get();
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, toQColor(colours::kPaleYellow));
    painter.drawImage(dirty, m_picture, dirty);

    // Line1: 1 px, from (300, 875) to (11175, 875) twips, in the button-shadow colour.
    painter.setPen(QPen(toQColor(colours::kSystemButtonShadow), 1));
    const int y = px(875);
    painter.drawLine(px(300), y, px(11175) - 1, y);
}

} // namespace zelvarin::ui
