#include "quiz/grade.h"

#include <array>
#include <string_view>

namespace zelvarin {

int gradeFor(int correctCount)
{
    switch (correctCount) {
    case 3:
        return 3;
    case 4:
        return 4;
    case 5:
        return 5;
    case 6:
    case 7:
        return 6;
    default: // 0..2, and any value outside 3..7
        return 2;
    }
}

std::string gradeMessage(int correctCount)
{
    // Indexed by grade - 2; every closing text begins with the blank after the number.
    static constexpr std::array<std::string_view, 5> closings{
        " въпроса и оценката Ви е Слаб (2)",    " въпроса и оценката Ви е Среден (3)",
        " въпроса и оценката Ви е Добър (4)",   " въпроса и оценката Ви е Мн. добър (5)",
        " въпроса и оценката Ви е Отличен (6)",
    };
    std::string message("Отговорихте правилно на ");
    message += std::to_string(correctCount);
    message += closings[static_cast<std::size_t>(gradeFor(correctCount) - 2)];
    return message;
}

} // namespace zelvarin
