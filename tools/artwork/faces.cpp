#include "tools/artwork/faces.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zelvarin::artwork {

namespace {

const QPointF kCentre{40, 46};
constexpr qreal kRadius = 35;
const QColor kInk{90, 45, 0};
const QColor kMouth{110, 15, 20};

QPen ink(qreal width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawHead(QPainter &p)
{
    QRadialGradient yellow(kCentre - QPointF(11, 13), kRadius * 1.45);
    yellow.setColorAt(0, QColor(255, 252, 180));
    yellow.setColorAt(0.45, QColor(255, 222, 40));
    yellow.setColorAt(1, QColor(232, 150, 0));
    p.setPen(ink(1.8));
    p.setBrush(yellow);
    p.drawEllipse(kCentre, kRadius, kRadius);
}

void drawRaisedBrows(QPainter &p, qreal top)
{
    p.setPen(ink(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, top, 16, 10), 30 * 16, 120 * 16);
    p.drawArc(QRectF(45, top, 16, 10), 30 * 16, 120 * 16);
}

void drawHeart(QPainter &p, const QPointF &c)
{
    QPainterPath heart;
    heart.moveTo(c.x(), c.y() + 7);
    heart.cubicTo(c.x() - 10, c.y(), c.x() - 8, c.y() - 9, c.x(), c.y() - 4);
    heart.cubicTo(c.x() + 8, c.y() - 9, c.x() + 10, c.y(), c.x(), c.y() + 7);
    QRadialGradient red(c - QPointF(3, 4), 10);
    red.setColorAt(0, QColor(255, 120, 120));
    red.setColorAt(1, QColor(205, 0, 20));
    p.setPen(QPen(QColor(120, 0, 0), 1.2));
    p.setBrush(red);
    p.drawPath(heart);
}

// A mouth whose upper lip is a gentle curve and whose lower lip hangs down to bottom.
QPainterPath openMouth(qreal left, qreal right, qreal top, qreal bottom)
{
    const qreal middle = (left + right) / 2;
    QPainterPath mouth;
    mouth.moveTo(left, top);
    mouth.quadTo(middle, top + 4, right, top);
    mouth.cubicTo(right - 2, bottom, left + 2, bottom, left, top);
    mouth.closeSubpath();
    return mouth;
}

void neutral(QPainter &p)
{
    drawRaisedBrows(p, 20);
    drawHeart(p, QPointF(27, 38));
    drawHeart(p, QPointF(53, 38));
    const QPainterPath mouth = openMouth(21, 59, 54, 82);
    p.setPen(ink(1.8));
    p.setBrush(kMouth);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 90, 100));
    p.drawEllipse(QPointF(40, 76), 11, 7);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 50, 40, 8));
    p.restore();
    p.setPen(ink(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void right(QPainter &p)
{
    // Closed eyes bent upwards, as when laughing.
    p.setPen(ink(3.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 34, 16, 12), 20 * 16, 140 * 16);
    p.drawArc(QRectF(45, 34, 16, 12), 20 * 16, 140 * 16);
    // Rosy cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 140, 90, 120));
    p.drawEllipse(QPointF(17, 54), 6, 4);
    p.drawEllipse(QPointF(63, 54), 6, 4);

    QPainterPath grin;
    grin.moveTo(16, 53);
    grin.quadTo(40, 58, 64, 53);
    grin.cubicTo(60, 80, 20, 80, 16, 53);
    grin.closeSubpath();
    p.setPen(ink(1.8));
    p.setBrush(Qt::white);
    p.drawPath(grin);
    p.save();
    p.setClipPath(grin);
    p.setPen(QPen(QColor(150, 130, 110), 1.2));
    p.drawLine(QPointF(14, 64), QPointF(66, 64));
    for (qreal x = 22; x < 60; x += 6)
        p.drawLine(QPointF(x, 50), QPointF(x, 80));
    p.restore();
    p.setPen(ink(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(grin);
}

void wrong(QPainter &p)
{
    drawRaisedBrows(p, 15);
    for (const qreal x : {27.0, 53.0}) {
        p.setPen(ink(1.6));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 38), 8, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x, 38), 2.6, 2.6);
    }
    p.setPen(ink(1.8));
    p.setBrush(kMouth);
    p.drawEllipse(QPointF(40, 65), 6, 8);
}

} // namespace

QImage drawFace(Face face)
{
    QImage image(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawHead(p);
    switch (face) {
    case Face::Neutral:
        neutral(p);
        break;
    case Face::Right:
        right(p);
        break;
    case Face::Wrong:
        wrong(p);
        break;
    }
    p.end();
    return image;
}

} // namespace zelvarin::artwork
