#pragma once

#include <QProxyStyle>

namespace zelvarin::ui {

// The look the windows and pictures were drawn for: the platform's own style on Windows,
// Fusion elsewhere, with a fixed light palette, whatever colour scheme, platform theme or
// High Contrast theme the desktop has. The marks are drawn in fixed colours on fixed grounds
// (light cyan and salmon slots, white frames, the pictures' beige dialogs), so everything left
// to the system must be the light face they were made against: a dark scheme (qt6ct, GTK,
// Plasma) would put light text on the slots, fill every answer's dot and darken About behind
// its black texts, and High Contrast on Windows put white text on the light buttons. Set as
// the application's style, it gives every window and message box that palette, also over a
// palette the platform theme offers. Every text of it keeps 4.5:1 against its ground, greyed
// ones too.
class LightStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    LightStyle();

    QPalette standardPalette() const override;
    // Every palette the application builds from the platform theme, the application's and
    // each widget class's, ends here, and leaves as the light one.
    void polish(QPalette &palette) override;
    using QProxyStyle::polish;

    // The keyboard's place is always plain to see: every control with the focus (buttons,
    // answers, result slots, About's icon) carries a solid ring of kFocusRingWidth pixels in
    // the text colour, 16:1 against the light grey and white grounds it stands on, whether the
    // focus came by key, by click or by the program; the base styles draw a faint one, and
    // only after a key. A menu bar title entered from the keyboard (F10, Alt) is highlighted
    // as the title of an open drop-down is.
    static constexpr int kFocusRingWidth = 2;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

} // namespace zelvarin::ui
