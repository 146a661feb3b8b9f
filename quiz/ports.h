#pragma once

#include <string_view>

// What the quiz needs from the world outside it. The program's outer layers implement these
// (quiz/clock_random_source.h, ui/qt_ports.h), and app/ hands them in; tests pass scripted
// ones.
namespace zelvarin {

// Uniformly distributed numbers in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // The next number r, 0 <= r < 1.
    virtual double next() = 0;
};

enum class MessageIcon { None, Error, Information };

// A modal message box with one OK button. show() returns when the box has been closed.
// An empty title leaves the title bar to the platform's default (the application title).
class MessagePort
{
public:
    virtual ~MessagePort() = default;
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

// Ends the program at once, closing all its windows.
class ProgramExit
{
public:
    virtual ~ProgramExit() = default;
    virtual void exitNow() = 0;
};

} // namespace zelvarin
