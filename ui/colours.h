#pragma once

#include "quiz/colour.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace zelvarin::ui {

// A 0x00BBGGRR colour of the quiz as a QColor (the red a shade darker, for contrast). System
// colours come from the application's palette (its fixed light look), never from a widget's
// own, which may hold an earlier mark.
QColor toQColor(Colour colour);

// Draws a widget the same whether it is enabled or not: a locked question keeps its
// colours and marks, only input stops.
void keepLookWhenDisabled(QPalette &palette);
void keepLookWhenDisabled(QWidget &widget);

} // namespace zelvarin::ui
