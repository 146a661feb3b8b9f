#include "ui/option_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

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

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    QRadioButton::keyPressEvent(event);
    // An arrow key chooses the answer it moves to, as a click does. Qt only moves the focus
    // when no answer of the frame is chosen yet.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (auto *next = qobject_cast<OptionButton *>(QApplication::focusWidget());
            next != nullptr && next != this && next->parentWidget() == parentWidget() &&
            !next->isChecked())
            next->click();
        break;
    default:
        break;
    }
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

    const QRect caption = captionRect();
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    QRect drawn;
    painter.drawText(caption, kCaptionFlags, text(), &drawn);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = drawn.adjusted(-1, 0, 1, 0).intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace zelvarin::ui
