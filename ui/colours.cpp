#include "ui/colours.h"

#include <QGuiApplication>

namespace zelvarin::ui {

QColor toQColor(Colour colour)
{
    // Pure red has 4.0:1 against the white of a frame, less than the 4.5:1 text needs: the
    // wrong answer is drawn in the least darker red that has it.
    if (colour == colours::kRed)
        return {238, 0, 0};
    if (!isSystemColour(colour))
        return {redOf(colour), greenOf(colour), blueOf(colour)};
    const QPalette palette = QGuiApplication::palette();
    switch (colour & 0xFFU) {
    case 0x05: // window background
        return palette.color(QPalette::Active, QPalette::Base);
    case 0x10: // button shadow
        return palette.color(QPalette::Active, QPalette::Dark);
    case 0x12: // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
    default:
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

void keepLookWhenDisabled(QPalette &palette)
{
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
}

void keepLookWhenDisabled(QWidget &widget)
{
    QPalette palette = widget.palette();
    keepLookWhenDisabled(palette);
    widget.setPalette(palette);
}

} // namespace zelvarin::ui
