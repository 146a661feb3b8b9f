#pragma once

#include "quiz/question.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zelvarin {

struct TestState
{
    // Slots 0..6 hold the questions of the current test in the order asked; 7..16 stay 0.
    std::array<std::int16_t, kQuestionCount> QuestionOrder{};
    // The step on view; no value until the first test starts.
    std::optional<int> CurrentStep;
    std::int16_t CorrectCount = 0;
    // Working flag of the draw: the value just drawn differs from all earlier ones.
    bool DrawIsUnique = false;

    bool operator==(const TestState &) const = default;
};

} // namespace zelvarin
