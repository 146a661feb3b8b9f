#include "ui/option_button.h"

#include "ui/light_style.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace zelvarin::ui {

namespace {
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
// The answers were laid out for the classic option button: a 13 px circle with its caption
// 16 px from the left edge. The style's wider spacing would push the longest answers onto a
// second line that their buttons have no room for.
constexpr int kIndicatorSize = 13;
constexpr int kCaptionLeft = 16;
} // namespace

OptionButton::OptionButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    // The option's own back colour (white) is the Window role; buttons default to Button.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void OptionButton::setValue(bool checked)
{
    if (isChecked() == checked)
        return;
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(checked);
    setAutoExclusive(exclusive);
}

QRect OptionButton::indicatorRect() const
{
    return {0, (height() - kIndicatorSize) / 2, kIndicatorSize, kIndicatorSize};
}

QRect OptionButton::captionRect() const
{
    return {kCaptionLeft, 0, width() - kCaptionLeft, height()};
}

QRect OptionButton::textRect() const
{
    return fontMetrics().boundingRect(captionRect(), kCaptionFlags, text());
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    // Written by hand because Qt moves by geometry and stops at the ends of a group, while
    // an option group on Windows runs through its answers top to bottom and wraps round.
    // An arrow key also chooses the answer it moves to, as a click does.
    QList<OptionButton *> group =
        parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    std::sort(group.begin(), group.end(),
              [](const OptionButton *a, const OptionButton *b) { return a->y() < b->y(); });
    const qsizetype count = group.size();
    OptionButton *next = group[(group.indexOf(this) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    if (!next->isChecked())
        next->click();
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Drawn as enabled always: the frame's lock must not grey the pupil's marked answer.
    option.state |= QStyle::State_Enabled;
    option.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(captionRect(), kCaptionFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int ring = LightStyle::kFocusRingWidth + 1; // clear of the text
        focus.rect = textRect().adjusted(-ring, -ring, ring, ring).intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace zelvarin::ui
