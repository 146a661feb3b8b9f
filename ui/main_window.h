#pragma once

#include "ports.h"
#include "quiz_engine.h"
#include "view_state.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QPushButton;

namespace zelvarin {
class SysInfoPlatform;
}

namespace zelvarin::ui {

class QuestionFrame;
class ResultStrip;

// What the main window uses from outside; any left empty gets the real one.
struct Form1Services
{
    RandomSource *random = nullptr;
    MessagePort *messages = nullptr;
    ProgramExit *exit = nullptr;
    SysInfoPlatform *platform = nullptr; // for the About window's System Info button
};

// The main window: passes each click to one quiz operation and draws the view state the
// quiz wrote. It holds no quiz logic.
class Form1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services = {}, QWidget *parent = nullptr);
    ~Form1() override;

    const QuizEngine &engine() const { return m_engine; }
    QuestionFrame *frame(int question) const
    {
        return m_frames[static_cast<std::size_t>(question)];
    }
    ResultStrip &strip() const { return *m_strip; }

    // Draws whatever the quiz changed since the last drawing.
    void drawView();

    // The About window while it is open, else null.
    QDialog *aboutWindow() const { return m_about; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class DrawFirstMessages;

    void buildMenu();
    void buildButtons();
    void buildFrames();
    void setTabOrder();
    void passFocusOn(QWidget *hadFocus);
    template<typename Operation> void run(Operation operation);

    void Command4_Click(); // New test; the menu item and F2 call it too
    void mnuAbout_Click();
    void aboutClosed();

    std::unique_ptr<RandomSource> m_ownRandom;
    std::unique_ptr<MessagePort> m_ownMessages;
    std::unique_ptr<ProgramExit> m_ownExit;
    SysInfoPlatform *m_platform;
    std::unique_ptr<SysInfoPlatform> m_ownPlatform; // made at the first System Info use
    MessagePort *m_givenMessages;
    std::unique_ptr<DrawFirstMessages> m_messages;
    QuizEngine m_engine;
    ViewState m_drawn;

    std::unique_ptr<ResultStrip> m_strip;
    std::array<QuestionFrame *, kQuestionCount> m_frames{};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPointer<QDialog> m_about;
};

} // namespace zelvarin::ui
