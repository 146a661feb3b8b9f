#pragma once

#include "quiz/ports.h"
#include "quiz/quiz_engine.h"
#include "quiz/view_state.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QPushButton;
class QScrollArea;

namespace zelvarin {
class SysInfoPlatform;
}

namespace zelvarin::ui {

class QuestionFrame;
class ResultStrip;
struct MarkerPictures;

// What the main window uses from outside it, owned by whoever makes the window (the program,
// or a test with doubles) and outliving it.
struct MainWindowServices
{
    RandomSource &random;
    MessagePort &messages;
    ProgramExit &exit;
    SysInfoPlatform &platform; // for the About window's System Info button
};

// The main window: passes each click to one quiz operation and draws the view state the
// quiz wrote. It holds no quiz logic.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    const QuizEngine &engine() const { return m_engine; }
    // The frame of a question. A frame is built when it is first needed (to be shown, or when
    // asked for here) and drawn from the view state as it then is: none is on view at start,
    // and building all 17 would cost start-up a third more than the rest of the window.
    QuestionFrame *frame(int question);

    // Draws whatever the quiz changed since the last drawing.
    void drawView();

    // The About window while it is open, else null.
    QDialog *aboutWindow() const { return m_about; }

    // While About or a message box is open no command of this window runs, whatever the
    // input path: mouse, keys, shortcuts, menus, or a screen reader's actions, which pass
    // both a disabled window and a modal box.
    bool isLocked() const { return m_about != nullptr || m_engine.isShowingMessage(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class DrawFirstMessages;

    void buildMenu();
    void buildButtons();
    QuestionFrame *buildFrame(int question);
    void setTabOrder();
    void moveFocusAhead(const ViewState &now, QuestionFrame *onView);
    template<typename Operation> void run(Operation operation);

    void startNewTest(); // New test; the menu item and F2 call it too
    void enterMenuBar(); // F10
    void openAbout();
    void aboutClosed();

    SysInfoPlatform &m_platform;
    MessagePort &m_boxes; // the About window's System Info box goes straight here
    std::unique_ptr<DrawFirstMessages> m_messages;
    QuizEngine m_engine;
    ViewState m_drawn;

    QWidget *m_client = nullptr;       // the client area below the menu bar, as designed
    QScrollArea *m_scroller = nullptr; // scrolls it on a screen too small for the window
    std::unique_ptr<ResultStrip> m_resultStrip;
    std::unique_ptr<MarkerPictures> m_faces; // loaded with the first frame, shared by all
    std::array<QuestionFrame *, kQuestionCount> m_frames{};
    QPushButton *m_acceptButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_newTestButton = nullptr;
    QPointer<QDialog> m_about;
    QPointer<QWidget> m_lastControl; // the last control with the focus, the menu bar aside
    QPointer<QWidget> m_focusBeforeAbout;
};

} // namespace zelvarin::ui
