#include "ui/light_style.h"

#include <QStyleFactory>

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

} // namespace zelvarin::ui
