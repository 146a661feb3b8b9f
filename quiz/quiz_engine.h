#pragma once

#include "quiz/ports.h"
#include "quiz/test_state.h"
#include "quiz/view_state.h"

namespace zelvarin {

// The rules of a test. It works on the test state and on the view state, a plain model of
// the main window; the window draws the view state after each operation. Every message box
// is shown through the MessagePort with the view state already complete up to that moment,
// so the window can draw it first (the grade shows over the marked seventh question).
//
// Each operation does nothing where its button would be greyed, whoever calls it, and none
// starts while one of the engine's boxes is open: a box runs a nested event loop, through
// which anything (a screen reader's action, say) can call back in.
class QuizEngine
{
public:
    QuizEngine(RandomSource &random, MessagePort &messages, ProgramExit &exit);

    // Where the test stands, worked out from the test state and its frames, never kept.
    // Idle: no test has started yet (and never again once one has). Answering: the question
    // on view waits for its answer. Answered: it is marked and another follows. Finished: the
    // seventh answer is marked, from the moment the grade box opens, while it is open and
    // after, until the next new test. An open box changes no phase: isShowingMessage() says.
    enum class Phase { Idle, Answering, Answered, Finished };
    Phase phase() const;

    // New test (Command4, mnuNew, F2): draws 7 of the 17 questions and resets every frame.
    // Runs from every phase.
    void NewTest();
    // Accept answer (Command1): marks the chosen option; after step 6 shows the grade.
    // Only while Answering.
    void AcceptAnswer();
    // Next question (Command2): hides the answered frame and shows the next drawn one.
    // Only while Answered.
    void NextQuestion();
    // Exit (Command3, mnuExit): ends the program at once.
    void ExitProgram();

    // The pupil's click on an option (or an arrow-key move): the options of one frame
    // exclude each other. A frame that is hidden or locked takes no choice.
    void chooseOption(int question, OptionName option);

    // One of the engine's boxes is open; every operation is refused meanwhile.
    bool isShowingMessage() const { return m_showingMessage; }

    const ViewState &view() const { return m_view; }
    const TestState &test() const { return m_test; }

private:
    void ShowGrade();
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon);
    int questionOnView() const;
    void putOnView(int step);

    RandomSource &m_random;
    MessagePort &m_messages;
    ProgramExit &m_exit;
    TestState m_test;
    ViewState m_view;
    bool m_showingMessage = false;
};

} // namespace zelvarin
