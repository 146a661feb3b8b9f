#pragma once

#include <string>

namespace zelvarin {

// The grade 2..6 on the school scale for a number of right answers.
int gradeFor(int correctCount);

// "Отговорихте правилно на N въпроса и оценката Ви е ..." with the grade for N right answers.
std::string gradeMessage(int correctCount);

} // namespace zelvarin
