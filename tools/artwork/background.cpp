#include "tools/artwork/background.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace zelvarin::artwork {

namespace {

void drawGradient(QPainter &p)
{
    const QRect all(0, 0, kBackgroundWidth, kBackgroundHeight);
    QLinearGradient diagonal(0, 0, kBackgroundWidth, kBackgroundHeight);
    diagonal.setColorAt(0.0, QColor(10, 30, 120));
    diagonal.setColorAt(0.22, QColor(40, 120, 210));
    diagonal.setColorAt(0.45, QColor(245, 240, 248));
    diagonal.setColorAt(0.6, QColor(252, 214, 222));
    diagonal.setColorAt(0.8, QColor(248, 150, 90));
    diagonal.setColorAt(1.0, QColor(226, 70, 30));
    p.fillRect(all, diagonal);

    // Bright cyan down the left side, fading towards the middle.
    QRadialGradient cyan(QPointF(-60, 380), 420);
    cyan.setColorAt(0, QColor(40, 220, 250, 230));
    cyan.setColorAt(0.55, QColor(80, 210, 245, 120));
    cyan.setColorAt(1, QColor(120, 220, 250, 0));
    p.fillRect(all, cyan);

    // The deep blue corner.
    QRadialGradient blue(QPointF(0, 0), 330);
    blue.setColorAt(0, QColor(5, 15, 95, 220));
    blue.setColorAt(1, QColor(5, 15, 95, 0));
    p.fillRect(all, blue);

    // A pale glow in the middle, behind the name.
    QRadialGradient glow(QPointF(400, 300), 300);
    glow.setColorAt(0, QColor(255, 255, 255, 170));
    glow.setColorAt(1, QColor(255, 240, 245, 0));
    p.fillRect(all, glow);
}

// Faint curved streaks of light: each a wide, very transparent band with a brighter core.
void drawStreaks(QPainter &p)
{
    struct Streak
    {
        QPointF from, control1, control2, to;
        qreal width;
    };
    const std::array<Streak, 5> streaks = {{
        {{-40, 520}, {200, 330}, {480, 470}, {840, 170}, 60},
        {{-40, 160}, {220, 60}, {420, 260}, {840, 80}, 40},
        {{60, 640}, {300, 440}, {600, 620}, {840, 420}, 50},
        {{-40, 300}, {250, 230}, {500, 380}, {840, 300}, 26},
        {{300, -40}, {380, 200}, {560, 120}, {840, 520}, 34},
    }};
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (const Streak &s : streaks) {
        QPainterPath path(s.from);
        path.cubicTo(s.control1, s.control2, s.to);
        for (const auto &[share, alpha] : {std::pair{1.0, 18}, {0.55, 22}, {0.2, 30}}) {
            p.setPen(
                QPen(QColor(255, 255, 255, alpha), s.width * share, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(path);
        }
    }
}

// The product name in round bold letters that tilt and bob a little, like a child's
// lettering, scaled to fill its box.
QPainterPath productName()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    const QString name = QStringLiteral("Zelvarin");
    const std::array<qreal, 8> tilt = {-6, 4, -3, 5, -4, 3, -5, 4};
    const std::array<qreal, 8> bob = {0, -5, 3, -4, 4, -3, 2, -5};
    QPainterPath letters;
    qreal x = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, name.mid(i, 1));
        const QRectF bounds = glyph.boundingRect();
        QTransform turn;
        turn.translate(x - bounds.left() + bounds.width() / 2, bob[static_cast<std::size_t>(i)]);
        turn.rotate(tilt[static_cast<std::size_t>(i)]);
        turn.translate(-bounds.width() / 2, 0);
        letters.addPath(turn.map(glyph));
        x += bounds.width() + 6;
    }
    const QRectF bounds = letters.boundingRect();
    QTransform fit;
    fit.translate(kProductNameBox.left(), kProductNameBox.top());
    fit.scale(kProductNameBox.width() / bounds.width(), kProductNameBox.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(letters);
}

void drawProductName(QPainter &p)
{
    const QPainterPath name = productName();
    p.setRenderHint(QPainter::Antialiasing);
    // A soft shadow, then a light rim, then the dark-blue letters.
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 60, 28), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 60, 28));
        p.drawPath(name.translated(4, 5));
    }
    p.setPen(QPen(QColor(255, 255, 255, 210), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient ink(0, kProductNameBox.top(), 0, kProductNameBox.bottom());
    ink.setColorAt(0, QColor(30, 70, 170));
    ink.setColorAt(0.5, QColor(12, 36, 120));
    ink.setColorAt(1, QColor(5, 20, 85));
    p.setPen(QPen(QColor(5, 15, 70), 1.2));
    p.setBrush(ink);
    p.drawPath(name);
}

} // namespace

QImage drawBackground()
{
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    drawGradient(p);
    drawStreaks(p);
    drawProductName(p);
    p.end();
    return image;
}

} // namespace zelvarin::artwork
