#pragma once

#include "quiz/colour.h"
#include "quiz/question.h"

#include <array>
#include <string>

namespace zelvarin {

// The changeable state of the main window as plain data: the engine writes it, the window
// draws it and writes back only the pupil's choice of an option. Defaults are the look at
// program start.

struct OptionView
{
    bool Value = false; // the option is chosen
    Colour ForeColor = colours::kSystemButtonText;
    bool Strikethrough = false;

    bool operator==(const OptionView &) const = default;
};

struct FrameView
{
    bool Visible = false;
    bool Enabled = true;
    std::string Caption = "Frame1";
    std::array<OptionView, kOptionCount> Options; // aa, bb, cc
    // The three marker pictures lie on one another; as designed all three are visible, which
    // never shows because a frame is hidden until a new test has left exactly one of them.
    bool Picture2Visible = true; // neutral face
    bool YesVisible = true;      // right-answer face
    bool NoVisible = true;       // wrong-answer face
    std::string Text1;           // the key, read and never written

    OptionView &option(OptionName n) { return Options[indexOf(n)]; }
    const OptionView &option(OptionName n) const { return Options[indexOf(n)]; }

    bool operator==(const FrameView &) const = default;
};

struct SlotView
{
    std::string Text;
    Colour BackColor = colours::kWhite;

    bool operator==(const SlotView &) const = default;
};

struct ViewState
{
    std::array<FrameView, kQuestionCount> Frame;
    std::array<SlotView, kStepCount> Box; // result slot k shows step k
    bool Command1Enabled = false;         // Accept answer
    bool Command2Enabled = false;         // Next question

    bool operator==(const ViewState &) const = default;
};

// The view at program start, with every frame's key taken from the question bank.
ViewState initialViewState();

} // namespace zelvarin
