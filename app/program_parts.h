#pragma once

#include "quiz/clock_random_source.h"
#include "sysinfo/system_platform.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"

#include <memory>

namespace zelvarin {

// The parts of the program that reach outside the quiz: the random source, the message
// boxes, the way out and the operating system's layer for System Info. The Program of
// program_start.h owns them for the program's life and hands them to the main window.
struct ProgramParts
{
    ClockRandomSource random;
    ui::MessageBoxPort messages;
    ui::ApplicationExit exit;
    std::unique_ptr<SysInfoPlatform> platform = makeSystemPlatform();

    ui::MainWindowServices services() { return {random, messages, exit, *platform}; }
};

} // namespace zelvarin
