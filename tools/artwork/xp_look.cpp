#include "tools/artwork/xp_look.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zelvarin::artwork::xp {

namespace {

constexpr int kTitleHeight = 30; // from the top edge to the body, the top frame included
constexpr int kFrameWidth = 3;
constexpr int kCornerRadius = 8;

const QColor kFrameOuter{0, 25, 160};
const QColor kFrameMiddle{0, 84, 227};
const QColor kFrameInner{0, 64, 200};

QFont titleFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

void drawCloseButton(QPainter &p, const QRect &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient red(0, box.top(), 0, box.bottom());
    red.setColorAt(0, QColor(240, 130, 100));
    red.setColorAt(0.45, QColor(225, 80, 45));
    red.setColorAt(1, QColor(190, 50, 20));
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::SquareCap));
    const QRectF cross = QRectF(box).adjusted(6.5, 6.5, -6.5, -6.5);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    p.restore();
}

// Whether a row of the given depth follows row i before the tree climbs above that depth.
bool hasLaterSibling(const std::vector<TreeRow> &rows, std::size_t i, int depth)
{
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
        if (rows[j].depth <= depth)
            return rows[j].depth == depth;
    }
    return false;
}

} // namespace

QFont dialogFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont boldDialogFont()
{
    QFont font = dialogFont();
    font.setBold(true);
    return font;
}

int lineHeight()
{
    return QFontMetrics(dialogFont()).lineSpacing();
}

QRect drawWindow(QPainter &p, const QSize &size, const QString &title)
{
    const QRectF outer(0, 0, size.width(), size.height());
    // The rounded top corners show what lay behind the window: white, like the frame the
    // quiz puts the picture on.
    p.fillRect(outer, Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(0, size.height());
    shape.lineTo(0, kCornerRadius);
    shape.quadTo(0, 0, kCornerRadius, 0);
    shape.lineTo(size.width() - kCornerRadius, 0);
    shape.quadTo(size.width(), 0, size.width(), kCornerRadius);
    shape.lineTo(size.width(), size.height());
    shape.closeSubpath();
    p.setClipPath(shape);

    // The side and bottom frame, darker towards the outside.
    p.fillRect(outer, kFrameOuter);
    p.fillRect(outer.adjusted(1, 1, -1, -1), kFrameMiddle);
    p.fillRect(outer.adjusted(kFrameWidth - 1, 0, -(kFrameWidth - 1), -(kFrameWidth - 1)),
               kFrameInner);

    QLinearGradient bar(0, 0, 0, kTitleHeight);
    bar.setColorAt(0.0, QColor(0, 88, 238));
    bar.setColorAt(0.08, QColor(60, 150, 255));
    bar.setColorAt(0.2, QColor(40, 128, 252));
    bar.setColorAt(0.45, QColor(0, 92, 236));
    bar.setColorAt(0.8, QColor(0, 84, 228));
    bar.setColorAt(1.0, QColor(0, 72, 215));
    p.fillRect(QRectF(0, 0, size.width(), kTitleHeight), bar);
    p.setPen(QColor(0, 40, 190));
    p.drawLine(QPointF(0.5, 0.5), QPointF(size.width() - 0.5, 0.5));
    p.restore();

    p.setFont(titleFont());
    const QRect titleBox(7, 0, size.width() - 40, kTitleHeight);
    p.setPen(QColor(10, 24, 131));
    p.drawText(titleBox.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(Qt::white);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title);

    drawCloseButton(p, QRect(size.width() - kFrameWidth - 2 - 21, 5, 21, 21));

    const QRect client(kFrameWidth, kTitleHeight, size.width() - 2 * kFrameWidth,
                       size.height() - kTitleHeight - kFrameWidth);
    p.fillRect(client, kDialogFace);
    return client;
}

int textHeight(const QString &text, int width, bool bold)
{
    const QFontMetrics metrics(bold ? boldDialogFont() : dialogFont());
    return metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height();
}

int drawText(QPainter &p, const QRect &box, const QString &text, bool bold)
{
    p.setFont(bold ? boldDialogFont() : dialogFont());
    p.setPen(kText);
    QRect used;
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    return used.height();
}

void drawButton(QPainter &p, const QRect &box, const QString &text, bool isDefault)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(0, box.top(), 0, box.bottom());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(0.75, QColor(240, 240, 234));
    face.setColorAt(1, QColor(214, 208, 197));
    p.setPen(QPen(QColor(0, 60, 116), 1));
    p.setBrush(face);
    p.drawRoundedRect(r, 3, 3);
    if (isDefault) {
        QLinearGradient ring(0, box.top(), 0, box.bottom());
        ring.setColorAt(0, QColor(206, 231, 255));
        ring.setColorAt(1, QColor(105, 130, 238));
        p.setPen(QPen(QBrush(ring), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    }
    p.restore();
    p.setFont(dialogFont());
    p.setPen(kText);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawRadio(QPainter &p, const QPoint &topLeft, const QString &text, bool checked)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(topLeft.x() + 0.5, topLeft.y() + 0.5, 12, 12);
    QLinearGradient well(circle.topLeft(), circle.bottomRight());
    well.setColorAt(0, QColor(220, 220, 212));
    well.setColorAt(1, Qt::white);
    p.setPen(QPen(QColor(28, 81, 128), 1));
    p.setBrush(well);
    p.drawEllipse(circle);
    if (checked) {
        QRadialGradient dot(circle.center() - QPointF(1, 1), 4);
        dot.setColorAt(0, QColor(120, 230, 100));
        dot.setColorAt(1, QColor(33, 161, 33));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(circle.center(), 3, 3);
    }
    p.restore();
    p.setFont(dialogFont());
    p.setPen(kText);
    p.drawText(QRect(topLeft.x() + 18, topLeft.y() - 1, 400, 15), Qt::AlignLeft | Qt::AlignVCenter,
               text);
}

void drawProgress(QPainter &p, const QRect &box, double done)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(104, 104, 104), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();

    const QRect inside = box.adjusted(3, 3, -3, -3);
    QLinearGradient green(0, inside.top(), 0, inside.bottom());
    green.setColorAt(0, QColor(172, 236, 160));
    green.setColorAt(0.35, QColor(92, 214, 64));
    green.setColorAt(0.65, QColor(48, 188, 32));
    green.setColorAt(1, QColor(130, 222, 110));
    constexpr int kBlock = 8;
    constexpr int kGap = 2;
    const int end = inside.left() + static_cast<int>(inside.width() * done);
    for (int x = inside.left(); x + kBlock <= end; x += kBlock + kGap)
        p.fillRect(QRect(x, inside.top(), kBlock, inside.height()), green);
}

void drawWell(QPainter &p, const QRect &box)
{
    p.fillRect(box, Qt::white);
    p.setPen(QColor(127, 157, 185));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

void drawTree(QPainter &p, const QRect &box, const std::vector<TreeRow> &rows)
{
    drawWell(p, box);
    constexpr int kIndent = 19;
    const QPen dots(QColor(160, 160, 160), 1, Qt::DotLine);
    p.save();
    p.setClipRect(box.adjusted(1, 1, -1, -1));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TreeRow &row = rows[i];
        const int top = box.top() + 3 + static_cast<int>(i) * kTreeRowHeight;
        const int middle = top + kTreeRowHeight / 2;
        const int left = box.left() + 4 + row.depth * kIndent;
        // The dotted lines: down from the parent to this row and on to a later sibling,
        // and straight through for every ancestor that still has a sibling to come.
        p.setPen(dots);
        for (int level = 1; level <= row.depth; ++level) {
            const int lineX = box.left() + 4 + (level - 1) * kIndent + 8;
            const bool goesOn = hasLaterSibling(rows, i, level);
            if (level == row.depth) {
                p.drawLine(lineX, top - 1, lineX, middle);
                p.drawLine(lineX, middle, left + 1, middle);
            }
            if (goesOn)
                p.drawLine(lineX, level == row.depth ? middle : top - 1, lineX,
                           top + kTreeRowHeight);
        }
        if (row.expander != Expander::None) {
            const QRect square(left - kIndent + 4, middle - 4, 8, 8);
            p.setPen(QColor(120, 152, 181));
            p.setBrush(Qt::white);
            p.drawRect(square);
            p.setPen(Qt::black);
            p.drawLine(square.left() + 2, middle, square.right() - 2, middle);
            if (row.expander == Expander::Plus)
                p.drawLine(square.center().x(), square.top() + 2, square.center().x(),
                           square.bottom() - 2);
        }
        drawIcon(p, row.icon, QRectF(left + 2, top, 16, 16));
        p.setFont(dialogFont());
        const int textLeft = left + 21;
        const int textWidth = QFontMetrics(dialogFont()).horizontalAdvance(row.text) + 4;
        const QRect label(textLeft, top + 1, textWidth, kTreeRowHeight - 2);
        if (row.selected) {
            p.fillRect(label, QColor(49, 106, 197));
            p.setPen(Qt::white);
        } else {
            p.setPen(kText);
        }
        p.drawText(label, Qt::AlignCenter, row.text);
    }
    p.restore();
}

} // namespace zelvarin::artwork::xp
