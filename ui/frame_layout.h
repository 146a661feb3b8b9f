#pragma once

#include "quiz/question.h"

#include <QPoint>
#include <QRect>

#include <array>

namespace zelvarin::ui {

// Where the controls of each question frame stand, in pixels relative to the frame. Some
// options reach past the frame's edge (question 7 to the right, cc of question 15 below)
// and are clipped there, as designed.
struct FrameLayout
{
    QRect label;       // the question line
    QPoint screenshot; // its top-left; the size is the picture's own, kept in the bank
    QPoint faces;      // the neutral and right-answer faces
    QPoint wrongFace;  // the wrong-answer face
    std::array<QRect, kOptionCount> options; // aa, bb, cc
};

inline constexpr QSize kMarkerSize{80, 90};
inline constexpr QSize kKeyBoxSize{25, 25};

const std::array<FrameLayout, kQuestionCount> &frameLayouts();

} // namespace zelvarin::ui
