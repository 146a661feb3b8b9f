#pragma once

#include "quiz/question.h"
#include "quiz/view_state.h"

#include <QList>

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace zelvarin::ui {

// The two rows above the question: "Въпрос:" with the numbers 1 to 7, and "Отговор:" with
// the seven result slots, one per step of a test.
class ResultStrip
{
public:
    explicit ResultStrip(QWidget *parent);

    void draw(const std::array<SlotView, kStepCount> &now,
              const std::array<SlotView, kStepCount> &before);

    QList<QWidget *> tabOrder() const;

private:
    std::array<QLineEdit *, kStepCount> m_resultSlots{};
};

} // namespace zelvarin::ui
