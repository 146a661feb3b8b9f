#include "tools/artwork/icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zelvarin::artwork {

namespace {

QPen outline(const QColor &colour, qreal width = 1.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void warning(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30, 28.5);
    triangle.lineTo(2, 28.5);
    triangle.closeSubpath();
    p.setPen(outline(QColor(120, 80, 0), 2.0));
    p.setBrush(vertical(2, 29, QColor(255, 244, 150), QColor(240, 180, 0)));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath bar;
    bar.moveTo(14.2, 10);
    bar.lineTo(17.8, 10);
    bar.lineTo(16.9, 21);
    bar.lineTo(15.1, 21);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(16, 24.6), 1.9, 1.9);
}

void error(QPainter &p)
{
    QRadialGradient shine(QPointF(12, 10), 18);
    shine.setColorAt(0, QColor(255, 150, 130));
    shine.setColorAt(0.45, QColor(228, 50, 30));
    shine.setColorAt(1, QColor(160, 10, 0));
    p.setPen(outline(QColor(120, 0, 0)));
    p.setBrush(shine);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(outline(Qt::white, 3.4));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

void question(QPainter &p)
{
    QPainterPath bubble;
    bubble.addEllipse(QRectF(2, 2, 28, 23));
    QPainterPath tail;
    tail.moveTo(8, 20);
    tail.lineTo(6, 30);
    tail.lineTo(15, 23);
    tail.closeSubpath();
    p.setPen(outline(QColor(60, 90, 160)));
    p.setBrush(vertical(2, 28, Qt::white, QColor(190, 210, 245)));
    p.drawPath(bubble.united(tail));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(19);
    p.setFont(font);
    p.setPen(QColor(20, 60, 200));
    p.drawText(QRectF(2, 2, 28, 23), Qt::AlignCenter, QStringLiteral("?"));
}

void recycleBin(QPainter &p)
{
    QPainterPath body;
    body.moveTo(6.5, 8);
    body.lineTo(25.5, 8);
    body.lineTo(23, 30);
    body.lineTo(9, 30);
    body.closeSubpath();
    QLinearGradient glass(6, 0, 26, 0);
    glass.setColorAt(0, QColor(150, 175, 190));
    glass.setColorAt(0.4, QColor(240, 248, 252));
    glass.setColorAt(1, QColor(130, 155, 175));
    p.setPen(outline(QColor(70, 95, 110)));
    p.setBrush(glass);
    p.drawPath(body);
    p.setPen(outline(QColor(160, 180, 195)));
    for (const qreal x : {11.5, 16.0, 20.5})
        p.drawLine(QPointF(x, 10), QPointF(x + (x - 16) * -0.1, 28));
    p.setPen(outline(QColor(70, 95, 110)));
    p.setBrush(vertical(4, 10, QColor(225, 235, 240), QColor(170, 190, 205)));
    p.drawEllipse(QRectF(5, 4.5, 22, 6));
    // The green recycling triangle on the front.
    p.setPen(outline(QColor(30, 150, 50), 2.0));
    p.setBrush(Qt::NoBrush);
    QPolygonF arrows;
    arrows << QPointF(16, 14) << QPointF(20.5, 22.5) << QPointF(11.5, 22.5) << QPointF(16, 14);
    p.drawPolyline(arrows);
}

void folder(QPainter &p)
{
    QPainterPath back;
    back.moveTo(2.5, 7);
    back.lineTo(11, 7);
    back.lineTo(13.5, 9.5);
    back.lineTo(29, 9.5);
    back.lineTo(29, 27);
    back.lineTo(2.5, 27);
    back.closeSubpath();
    p.setPen(outline(QColor(160, 115, 20)));
    p.setBrush(QColor(226, 182, 72));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(2.5, 13);
    front.lineTo(30, 13);
    front.lineTo(29, 27);
    front.lineTo(2.5, 27);
    front.closeSubpath();
    p.setBrush(vertical(13, 27, QColor(255, 238, 160), QColor(242, 196, 80)));
    p.drawPath(front);
}

void page(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(6.5, 2.5);
    sheet.lineTo(20, 2.5);
    sheet.lineTo(26.5, 9);
    sheet.lineTo(26.5, 29.5);
    sheet.lineTo(6.5, 29.5);
    sheet.closeSubpath();
    p.setPen(outline(QColor(100, 100, 110)));
    p.setBrush(vertical(2, 30, Qt::white, QColor(228, 232, 240)));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(20, 2.5);
    corner.lineTo(20, 9);
    corner.lineTo(26.5, 9);
    corner.closeSubpath();
    p.setBrush(QColor(210, 214, 222));
    p.drawPath(corner);
}

void document(QPainter &p)
{
    page(p);
    p.setPen(outline(QColor(150, 160, 180)));
    for (int y = 13; y <= 25; y += 3)
        p.drawLine(QPointF(10, y), QPointF(y == 25 ? 18 : 23, y));
}

void wordDocument(QPainter &p)
{
    document(p);
    p.setPen(outline(QColor(20, 50, 140)));
    p.setBrush(vertical(15, 29, QColor(80, 130, 230), QColor(20, 60, 170)));
    p.drawRoundedRect(QRectF(2.5, 15.5, 14, 13), 2, 2);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 15.5, 14, 13), Qt::AlignCenter, QStringLiteral("W"));
}

void windowsFlag(QPainter &p)
{
    // Four slightly waving panes, as on the Windows XP logo.
    const QColor panes[4] = {QColor(240, 80, 30), QColor(120, 190, 30), QColor(0, 150, 230),
                             QColor(255, 190, 0)};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 3 + (i % 2) * 13.5;
        const qreal y = 4 + (i / 2) * 12.5;
        QPainterPath pane;
        pane.moveTo(x, y + 1.5);
        pane.quadTo(x + 6, y - 1, x + 12, y + 0.5);
        pane.lineTo(x + 12, y + 11.5);
        pane.quadTo(x + 6, y + 10, x, y + 12.5);
        pane.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(panes[i]);
        p.drawPath(pane);
    }
}

void unknownFile(QPainter &p)
{
    page(p);
    p.save();
    p.translate(9, 12);
    p.scale(0.5, 0.5);
    windowsFlag(p);
    p.restore();
}

void floppyDrive(QPainter &p)
{
    // A drive seen from above and in front, with a diskette half in its slot.
    QPainterPath top;
    top.moveTo(2.5, 14.5);
    top.lineTo(22.5, 14.5);
    top.lineTo(29.5, 9.5);
    top.lineTo(9.5, 9.5);
    top.closeSubpath();
    p.setPen(outline(QColor(90, 90, 90)));
    p.setBrush(QColor(225, 225, 220));
    p.drawPath(top);
    QPainterPath side;
    side.moveTo(22.5, 14.5);
    side.lineTo(29.5, 9.5);
    side.lineTo(29.5, 20.5);
    side.lineTo(22.5, 25.5);
    side.closeSubpath();
    p.setBrush(QColor(150, 150, 145));
    p.drawPath(side);
    p.setBrush(vertical(14, 26, QColor(210, 210, 205), QColor(170, 170, 165)));
    p.drawRect(QRectF(2.5, 14.5, 20, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(5, 18, 13, 2));
    p.setBrush(QColor(40, 200, 40));
    p.drawRect(QRectF(18, 22, 2.5, 1.5));
    // The diskette, dark blue with its metal shutter, slanting into the slot.
    p.save();
    p.translate(11.5, 18.5);
    p.rotate(-8);
    p.setPen(outline(QColor(10, 20, 50)));
    p.setBrush(QColor(40, 60, 120));
    p.drawRect(QRectF(-6, -17, 12, 15));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(-3, -7, 6, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-4.5, -16, 9, 6));
    p.restore();
}

// A grey drive box seen from the front; the hard disk and the CD drive differ in what
// their front shows.
void driveBox(QPainter &p)
{
    p.setPen(outline(QColor(90, 90, 90)));
    p.setBrush(vertical(10, 24, QColor(235, 235, 230), QColor(165, 165, 160)));
    p.drawRoundedRect(QRectF(2.5, 10.5, 27, 13), 2, 2);
}

void hardDisk(QPainter &p)
{
    driveBox(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 40));
    p.drawRect(QRectF(23, 18, 4, 2.5));
}

void cdDrive(QPainter &p)
{
    driveBox(p);
    QRadialGradient disc(QPointF(13, 12), 9);
    disc.setColorAt(0, QColor(250, 250, 255));
    disc.setColorAt(0.5, QColor(190, 215, 240));
    disc.setColorAt(0.8, QColor(230, 200, 240));
    disc.setColorAt(1, QColor(170, 170, 190));
    p.setPen(outline(QColor(110, 110, 130)));
    p.setBrush(disc);
    p.drawEllipse(QPointF(14, 12), 9, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 12), 2, 2);
}

void monitor(QPainter &p, const QRectF &body)
{
    p.setPen(outline(QColor(90, 90, 95)));
    p.setBrush(vertical(body.top(), body.bottom(), QColor(240, 240, 235), QColor(180, 180, 175)));
    p.drawRoundedRect(body, 2, 2);
    const QRectF screen = body.adjusted(2.5, 2.5, -2.5, -2.5);
    p.setBrush(vertical(screen.top(), screen.bottom(), QColor(90, 150, 240), QColor(20, 70, 190)));
    p.drawRect(screen);
}

void desktop(QPainter &p)
{
    monitor(p, QRectF(2.5, 3.5, 27, 20));
    p.setPen(outline(QColor(90, 90, 95)));
    p.setBrush(QColor(190, 190, 185));
    p.drawRect(QRectF(12.5, 23.5, 7, 3));
    p.drawRect(QRectF(7.5, 26.5, 17, 3));
}

void myComputer(QPainter &p)
{
    p.setPen(outline(QColor(90, 90, 95)));
    p.setBrush(vertical(19, 30, QColor(230, 230, 225), QColor(170, 170, 165)));
    p.drawRect(QRectF(2.5, 21.5, 27, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 40));
    p.drawRect(QRectF(24, 25, 3, 2));
    monitor(p, QRectF(6.5, 2.5, 19, 17));
}

void myDocuments(QPainter &p)
{
    folder(p);
    p.save();
    p.translate(8, 1);
    p.scale(0.55, 0.55);
    document(p);
    p.restore();
    p.setPen(outline(QColor(160, 115, 20)));
    p.setBrush(vertical(16, 27, QColor(255, 238, 160), QColor(242, 196, 80)));
    p.drawRect(QRectF(2.5, 16, 27, 11));
}

void network(QPainter &p)
{
    QRadialGradient globe(QPointF(12, 9), 14);
    globe.setColorAt(0, QColor(170, 220, 255));
    globe.setColorAt(1, QColor(20, 90, 200));
    p.setPen(outline(QColor(20, 60, 140)));
    p.setBrush(globe);
    p.drawEllipse(QPointF(15, 13), 12, 12);
    p.setPen(outline(QColor(60, 170, 60), 2));
    p.drawArc(QRectF(6, 6, 10, 10), 30 * 16, 200 * 16);
    p.drawArc(QRectF(14, 12, 9, 9), 200 * 16, 160 * 16);
    monitor(p, QRectF(14.5, 18.5, 15, 11));
}

void search(QPainter &p)
{
    document(p);
    // A magnifying glass held over the page: Windows is looking for the file.
    p.setPen(outline(QColor(60, 40, 20), 3.5));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    QRadialGradient lens(QPointF(12, 11), 8);
    lens.setColorAt(0, QColor(255, 255, 255, 220));
    lens.setColorAt(1, QColor(150, 200, 255, 200));
    p.setPen(outline(QColor(70, 70, 80), 2));
    p.setBrush(lens);
    p.drawEllipse(QPointF(15, 15), 7, 7);
}

} // namespace

void drawIcon(QPainter &painter, Icon icon, const QRectF &box)
{
    if (icon == Icon::None)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 32.0, box.height() / 32.0);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Warning:
        warning(painter);
        break;
    case Icon::Error:
        error(painter);
        break;
    case Icon::Question:
        question(painter);
        break;
    case Icon::RecycleBin:
        recycleBin(painter);
        break;
    case Icon::Folder:
        folder(painter);
        break;
    case Icon::Document:
        document(painter);
        break;
    case Icon::WordDocument:
        wordDocument(painter);
        break;
    case Icon::UnknownFile:
        unknownFile(painter);
        break;
    case Icon::FloppyDrive:
        floppyDrive(painter);
        break;
    case Icon::HardDisk:
        hardDisk(painter);
        break;
    case Icon::CdDrive:
        cdDrive(painter);
        break;
    case Icon::Desktop:
        desktop(painter);
        break;
    case Icon::MyComputer:
        myComputer(painter);
        break;
    case Icon::MyDocuments:
        myDocuments(painter);
        break;
    case Icon::Network:
        network(painter);
        break;
    case Icon::Search:
        search(painter);
        break;
    case Icon::WindowsFlag:
        windowsFlag(painter);
        break;
    }
    painter.restore();
}

} // namespace zelvarin::artwork
