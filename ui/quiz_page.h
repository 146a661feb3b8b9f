#pragma once

#include "quiz/ports.h"
#include "quiz/quiz_engine.h"
#include "quiz/view_state.h"
#include "ui/form_background.h"

#include <array>
#include <memory>

class QPushButton;

namespace zelvarin::ui {

class QuestionFrame;
class ResultStrip;
class WindowLock;
struct MarkerPictures;

// The quiz as the pupil sees it, on the main window's client area: the result strip, the
// question frames and the four buttons, in their tab order. It passes each click to one quiz
// operation, draws the view state the quiz wrote, and moves the focus on to where the pupil
// goes next. It holds no quiz logic; no command runs while the lock is held.
class QuizPage final : public FormBackground
{
    Q_OBJECT

public:
    // Boxes are shown through the lock, which holds while one is open.
    QuizPage(RandomSource &random, WindowLock &lock, ProgramExit &exit, QWidget *parent);
    ~QuizPage() override;

    const QuizEngine &engine() const { return m_engine; }
    // The frame of a question. A frame is built when it is first needed (to be shown, or when
    // asked for here) and drawn from the view state as it then is: none is on view at start,
    // and building all 17 would cost start-up a third more than the rest of the window.
    QuestionFrame *frame(int question);

    // Draws whatever the quiz changed since the last drawing.
    void drawView();

    // The commands of the menu; the buttons run them too.
    void newTest();
    void exitProgram();

private:
    class DrawFirstMessages;

    void buildButtons();
    QuestionFrame *buildFrame(int question);
    void setTabOrder();
    void draw(bool questionComes);
    void moveFocusAhead(QuestionFrame *onView, bool questionComes);
    template<typename Operation> void run(Operation operation);

    const WindowLock &m_lock;
    std::unique_ptr<DrawFirstMessages> m_messages;
    QuizEngine m_engine;
    ViewState m_drawn;

    std::unique_ptr<ResultStrip> m_resultStrip;
    std::unique_ptr<MarkerPictures> m_faces; // loaded with the first frame, shared by all
    std::array<QuestionFrame *, kQuestionCount> m_frames{};
    QPushButton *m_acceptButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_newTestButton = nullptr;
};

} // namespace zelvarin::ui
