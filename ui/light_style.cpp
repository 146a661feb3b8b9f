#include "ui/light_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace zelvarin::ui {

LightStyle::LightStyle()
#ifdef Q_OS_WIN
    : QProxyStyle(QStyleFactory::create(QStringLiteral("windowsvista")))
#else
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
#endif
{}

QPalette LightStyle::standardPalette() const
{
    // Fusion's light palette, written out because Qt 6.4 has no light-only accessor: Fusion's
    // own standardPalette() turns dark when the platform theme says the desktop is.
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor mid = window.darker(130);
    const QColor shadow = dark.darker(135);
    // Greyed text darker than Fusion's (190, 190, 190), which has 1.6:1 on the window's grey:
    // a low-sighted pupil still reads what a greyed button will do.
    const QColor disabledText(105, 105, 105);
    const QColor highlight(48, 140, 198);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);

    QPalette palette(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    palette.setBrush(QPalette::Midlight, mid.lighter(110));
    palette.setBrush(QPalette::Button, window);
    palette.setBrush(QPalette::Shadow, shadow);
    palette.setBrush(QPalette::HighlightedText, Qt::white);
    palette.setBrush(QPalette::PlaceholderText, placeholder);
    palette.setBrush(QPalette::Active, QPalette::Highlight, highlight);
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, highlight);
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    palette.setBrush(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::Base, window);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    return palette;
}

void LightStyle::polish(QPalette &palette)
{
    palette = standardPalette();
}

namespace {

void drawFocusRing(QPainter &painter, const QRect &rect, const QPalette &palette)
{
    const int w = LightStyle::kFocusRingWidth;
    const QColor ring = palette.color(QPalette::Active, QPalette::WindowText);
    painter.fillRect(rect.left(), rect.top(), rect.width(), w, ring);
    painter.fillRect(rect.left(), rect.bottom() - w + 1, rect.width(), w, ring);
    painter.fillRect(rect.left(), rect.top(), w, rect.height(), ring);
    painter.fillRect(rect.right() - w + 1, rect.top(), w, rect.height(), ring);
}

} // namespace

void LightStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    // The base styles' ring is a faint line in the highlight colour, drawn only after a key.
    if (element == PE_FrameFocusRect) {
        drawFocusRing(*painter, option->rect, option->palette);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A result slot shows the focus by a border in the highlight colour, 1 px.
    if (element == PE_PanelLineEdit && (option->state & State_HasFocus))
        drawFocusRing(*painter, option->rect, option->palette);
}

void LightStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    if (element == CE_MenuBarItem && (option->state & State_Selected)) {
        // Drawn here for every base style, as none highlights the title F10 or Alt entered:
        // Fusion fills it only while its drop-down is open, and the Windows styles draw a
        // frame of 1 px, faint against the bar. The text is placed as Qt's common style
        // places it.
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            int alignment =
                Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
            if (styleHint(SH_UnderlineShortcut, item, widget) == 0)
                alignment |= Qt::TextHideMnemonic;
            painter->fillRect(item->rect, item->palette.highlight());
            drawItemText(painter, item->rect, alignment, item->palette,
                         (item->state & State_Enabled) != 0, item->text, QPalette::HighlightedText);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion shows a push button's focus only by tinting its bevel's outline.
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusRing(*painter, subElementRect(SE_PushButtonFocusRect, option, widget),
                      option->palette);
    // A picture that takes the focus (About's icon) has no focus ring of its own: the ring
    // takes the place of its sunken border.
    if (element == CE_ShapedFrame && (option->state & State_HasFocus))
        drawFocusRing(*painter, option->rect, option->palette);
}

} // namespace zelvarin::ui
