#include "ui/application_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace zelvarin::ui {

#ifndef Q_OS_WIN
namespace {

// Fusion's light palette. Written out because Qt 6.4 gives no light-only accessor:
// QFusionStyle::standardPalette() turns dark when the platform theme says the desktop is.
QPalette lightFusionPalette()
{
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor mid = window.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
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

} // namespace
#endif

void applyApplicationLook()
{
#ifndef Q_OS_WIN
    // The marks are drawn in fixed colours on fixed grounds (light cyan and salmon slots,
    // white frames, the pictures' beige dialogs); everything left to the system must be the
    // light face they were made against. A dark desktop scheme, from a platform theme such
    // as qt6ct, GTK or Plasma, would put light text on the slots, fill every answer's dot and
    // darken About behind its black texts. So the style and its light palette are set for
    // the whole application, over anything a theme gives. Windows keeps its own style and
    // colours: Qt 6.4 gives a Windows program the light palette in any case, and a high
    // contrast scheme there is the pupil's own choice.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(lightFusionPalette());
#endif
}

} // namespace zelvarin::ui
