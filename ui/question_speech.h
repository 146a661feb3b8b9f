#pragma once

#include "quiz/view_state.h"

#include <QString>

#include <functional>

namespace zelvarin::ui {

// What a screen reader says of a question beyond its visible texts: colour and
// strike-through say nothing to it.

// How the marked question went and, after a wrong answer, which answer was right; empty
// before the answer is marked. answerText gives an answer's caption.
QString verdict(const FrameView &view, const std::function<QString(OptionName)> &answerText);

// What an answer's caption colour says once the question is marked; empty before.
QString answerMark(Colour foreColor);

// The question's name, said as the focus enters it: the step, the question line and what the
// screenshot shows, which labels and pictures beside the focused answer do not say by
// themselves.
QString questionName(const QString &caption, const QString &questionLine,
                     const QString &screenshot);

} // namespace zelvarin::ui
