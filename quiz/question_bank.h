#pragma once

#include "quiz/question.h"

#include <array>

namespace zelvarin {

// The 17 built-in questions, read-only, indexed 0..16 like every control that shows them.
extern const std::array<Question, kQuestionCount> QuestionBank;

} // namespace zelvarin
