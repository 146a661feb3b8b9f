#pragma once

#include <QRect>

namespace zelvarin::ui {

class OptionButton;

// Fits one answer into its frame. Some answers reach past the frame (question 7 to the right,
// the last answer of question 15 below): they keep their size, so their captions wrap as laid
// out, and are cut off at the border instead of painting over it. Where an answer's text needs
// more height than the part of it inside the border, the answer takes the room to its right,
// which no frame uses, up to the border, when its text then needs fewer lines: Windows' hinted
// Arial (and Liberation Sans under Wine) is wider than its design, and wraps the last answer
// of question 15 onto a third line, 45 px where 39 are inside the border.
//
// designed is where the answer was laid out, inside the part of the frame within its border.
void fitAnswer(OptionButton &answer, const QRect &designed, const QRect &inside);

} // namespace zelvarin::ui
