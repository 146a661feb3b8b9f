#pragma once

#include "app/program_parts.h"
#include "ui/main_window.h"

namespace zelvarin {

// The program's start, step by step, as app/main.cpp runs it and the start-up benchmark
// measures it. All but the first need a QApplication first.

// Which window system Qt is to use, where the user has not chosen one with QT_QPA_PLATFORM:
// before the QApplication is made.
void choosePlatform();

// The application's name and version, the desktop file name it announces and its look, set
// before any window is made.
void prepareApplication();

// The program's parts that reach outside the quiz, and the main window made from them; both
// live as long as this object.
class Program
{
public:
    Program();

    ui::MainWindow &window() { return m_window; }

private:
    ProgramParts m_parts;
    ui::MainWindow m_window;
};

} // namespace zelvarin
