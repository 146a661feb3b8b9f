#pragma once

#include "quiz/ports.h"

#include <QMainWindow>

class QScrollArea;

namespace zelvarin {
class SysInfoPlatform;
}

namespace zelvarin::ui {

class QuizPage;
class WindowLock;

// What the main window uses from outside it, owned by whoever makes the window (the program,
// or a test with doubles) and outliving it.
struct MainWindowServices
{
    RandomSource &random;
    MessagePort &messages;
    ProgramExit &exit;
    SysInfoPlatform &platform; // for the About window's System Info button
};

// The main window hosts the quiz page, under its menu bar, in a scroller for screens too small
// for it; the lock keeps it from taking commands while About or a box is open.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    QuizPage &page() const { return *m_page; }
    WindowLock &lock() const { return *m_lock; }

private:
    void buildMenu();
    void enterMenuBar(); // F10

    WindowLock *m_lock;
    QScrollArea *m_scroller;
    QuizPage *m_page;
};

} // namespace zelvarin::ui
