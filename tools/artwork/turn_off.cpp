#include "tools/artwork/turn_off.h"

#include "tools/artwork/icons.h"
#include "tools/artwork/xp_look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace zelvarin::artwork {

namespace {

const QColor kDarkBand{0, 48, 156};

enum class Symbol { Moon, Power, Restart };

struct RoundButton
{
    QString label;
    QColor light;
    QColor dark;
    Symbol symbol;
};

void drawSymbol(QPainter &p, Symbol symbol, const QPointF &c)
{
    const QPen white(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    switch (symbol) {
    case Symbol::Moon: {
        QPainterPath moon;
        moon.addEllipse(c, 8, 8);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(4.5, -3.5), 7, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(moon.subtracted(bite));
        break;
    }
    case Symbol::Power:
        p.drawArc(QRectF(c.x() - 8, c.y() - 7, 16, 16), 120 * 16, 300 * 16);
        p.drawLine(c + QPointF(0, -9), c + QPointF(0, 0));
        break;
    case Symbol::Restart: {
        p.drawArc(QRectF(c.x() - 8, c.y() - 8, 16, 16), 100 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(c + QPointF(-4, -12));
        head.lineTo(c + QPointF(3, -8));
        head.lineTo(c + QPointF(-4, -3));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(head);
        break;
    }
    }
}

void drawRoundButton(QPainter &p, const RoundButton &button, const QPointF &centre)
{
    constexpr qreal kRadius = 16.5;
    QRadialGradient ball(centre - QPointF(5, 6), kRadius * 1.6);
    ball.setColorAt(0, button.light);
    ball.setColorAt(1, button.dark);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
    p.setBrush(ball);
    p.drawEllipse(centre, kRadius, kRadius);
    drawSymbol(p, button.symbol, centre);

    p.setFont(xp::dialogFont());
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - 45, centre.y() + kRadius + 5, 90, 16), Qt::AlignCenter,
               button.label);
}

} // namespace

void drawTurnOffWindow(QPainter &p, const QSize &size, const QString &title, const QString &button)
{
    const int width = size.width();
    const int height = size.height();
    const int middleTop = 46;
    const int bottomTop = height - 44;

    p.fillRect(QRect(QPoint(0, 0), size), kDarkBand);
    QLinearGradient middle(0, middleTop, 0, bottomTop);
    middle.setColorAt(0, QColor(120, 150, 230));
    middle.setColorAt(0.5, QColor(95, 128, 222));
    middle.setColorAt(1, QColor(80, 110, 210));
    p.fillRect(QRect(0, middleTop, width, bottomTop - middleTop), middle);
    // The light seams above and below the middle band.
    QLinearGradient seam(0, 0, width, 0);
    seam.setColorAt(0, QColor(60, 100, 200));
    seam.setColorAt(0.5, QColor(230, 240, 255));
    seam.setColorAt(1, QColor(60, 100, 200));
    p.fillRect(QRect(0, middleTop, width, 2), seam);
    p.fillRect(QRect(0, bottomTop - 2, width, 2), seam);
    p.setPen(QColor(0, 20, 100));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 1, height - 1);

    QFont titleFont(QStringLiteral("Liberation Sans"));
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(QRect(14, 0, width - 70, middleTop), Qt::AlignLeft | Qt::AlignVCenter, title);
    drawIcon(p, Icon::WindowsFlag, QRectF(width - 46, 8, 32, 30));

    const std::array<RoundButton, 3> buttons = {{
        {QStringLiteral("Stand By"), QColor(255, 230, 120), QColor(215, 150, 0), Symbol::Moon},
        {QStringLiteral("Turn Off"), QColor(255, 150, 110), QColor(200, 40, 20), Symbol::Power},
        {QStringLiteral("Restart"), QColor(170, 235, 120), QColor(40, 145, 30), Symbol::Restart},
    }};
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal centreY = middleTop + (bottomTop - middleTop) / 2.0 - 10;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        drawRoundButton(p, buttons[i],
                        QPointF(width * (0.2 + 0.3 * static_cast<qreal>(i)), centreY));
    p.restore();

    xp::drawButton(p,
                   QRect(width - xp::kMargin - xp::kButtonWidth,
                         bottomTop + (height - bottomTop - xp::kButtonHeight) / 2, xp::kButtonWidth,
                         xp::kButtonHeight),
                   button, false);
}

} // namespace zelvarin::artwork
