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
    // In a browser the program has no threads (Qt for WebAssembly is built without them, so
    // that any web server can serve it): there the picture is decoded at the first paint.
#ifdef Q_OS_WASM
    constexpr auto decodeWhen = std::launch::deferred;
#else
    constexpr auto decodeWhen = std::launch::async;
#endif
    m_decoding =
        std::async(decodeWhen, readVisiblePart, QStringLiteral(":/assets/background.jpg"), size());
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
