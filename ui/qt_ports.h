#pragma once

#include "quiz/ports.h"

namespace zelvarin::ui {

// A modal QMessageBox with one OK button over the window the pupil is using (the main
// window, or About for System Info). An empty title is shown as the application's title, so
// the box is never nameless to a screen reader.
class MessageBoxPort final : public MessagePort
{
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;
};

// Closes every window and leaves the event loop.
class ApplicationExit final : public ProgramExit
{
public:
    void exitNow() override;
};

} // namespace zelvarin::ui
