#include "quiz/view_state.h"

#include "quiz/question_bank.h"

namespace zelvarin {

ViewState initialViewState()
{
    ViewState view;
    for (std::size_t i = 0; i < view.Frame.size(); ++i)
        view.Frame[i].Text1 = std::string(QuestionBank[i].key);
    return view;
}

} // namespace zelvarin
