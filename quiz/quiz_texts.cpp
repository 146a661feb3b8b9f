#include "quiz/quiz_texts.h"

namespace zelvarin::texts {

std::string stepCaption(int step)
{
    std::string caption(" ");
    caption += std::to_string(step + 1);
    caption += "-и   въпрос ";
    return caption;
}

} // namespace zelvarin::texts
