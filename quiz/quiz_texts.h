#pragma once

#include <string>
#include <string_view>

namespace zelvarin::texts {

inline constexpr std::string_view kNoAnswer = "Не сте отговорили на текущия въпрос!";
inline constexpr std::string_view kWrong = "Грешен";
inline constexpr std::string_view kRight = "Правилен";
inline constexpr std::string_view kResultTitle = "Резултат";

// The title a frame gets when it is put on view at step k (0..6): the number k + 1 with a
// blank in front, where a sign would stand, then "-и   въпрос " with its three inner blanks
// and the trailing one.
std::string stepCaption(int step);

} // namespace zelvarin::texts
