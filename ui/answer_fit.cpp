#include "ui/answer_fit.h"

#include "ui/option_button.h"

namespace zelvarin::ui {

void fitAnswer(OptionButton &answer, const QRect &designed, const QRect &inside)
{
    answer.setGeometry(designed);
    const int needed = answer.textRect().height();
    if (needed > inside.intersected(designed).height() && designed.right() < inside.right()) {
        answer.setGeometry(designed.adjusted(0, 0, inside.right() - designed.right(), 0));
        if (answer.textRect().height() >= needed)
            answer.setGeometry(designed);
    }
    const QRect placed = answer.geometry();
    const QRect shown = inside.intersected(placed).translated(-placed.topLeft());
    if (shown == answer.rect())
        answer.clearMask();
    else
        answer.setMask(shown);
}

} // namespace zelvarin::ui
