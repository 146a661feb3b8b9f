#pragma once

#include "tests/support/window_harness.h"

#include <QObject>

#include <memory>

namespace zelvarin::ui::testing {

// The base of the window tests: fresh doubles and a fresh main window, shown and active, for
// every test function, so that a failure never carries into the functions after it; any one
// function runs alone. A test class with an init() or cleanup() of its own calls these.
class WindowTestBase : public QObject
{
    Q_OBJECT

protected:
    ScriptedRandom m_random;
    RecordingMessages m_messages;
    RecordingExit m_exit;
    zelvarin::testing::ScriptedPlatform m_platform;
    std::unique_ptr<MainWindow> m_form;

    // Lets closed windows be deleted, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

protected slots:
    void init();
    // Closes About where the test left it open, and checks that no window of the program is
    // left on the screen once the main window has gone.
    void cleanup();
};

} // namespace zelvarin::ui::testing
