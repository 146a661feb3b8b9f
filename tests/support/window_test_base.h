#pragma once

#include "tests/support/quiz_play.h"
#include "tests/support/window_harness.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

namespace zelvarin::ui::testing {

// A count from the test's environment (the length of a long run), or the default when it is
// unset or not a number.
inline std::uint64_t envCount(const char *name, std::uint64_t fallback)
{
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok, 0);
    return ok ? value : fallback;
}

// The base of the window tests: fresh doubles and a fresh main window, shown and active, for
// every test function, so that a failure never carries into the functions after it; any one
// function runs alone. A test class with an init() or cleanup() of its own calls these.
class WindowTestBase : public QObject
{
    Q_OBJECT

public:
    // The pupil of playTo (tests/support/quiz_play.h), clicking the window's controls.
    void newTestAsking(const zelvarin::testing::Asked &questions)
    {
        m_random.ask(questions);
        click(command(4));
    }
    void choose(int question, OptionName n) { click(option(*m_form, question, n)); }
    void accept() { click(command(1)); }
    void next() { click(command(2)); }

protected:
    ScriptedRandom m_random;
    RecordingMessages m_messages;
    RecordingExit m_exit;
    zelvarin::testing::ScriptedPlatform m_platform;
    std::unique_ptr<MainWindow> m_form;

    // Command1 to Command4 of the main window.
    QPushButton *command(int n) const { return m_commands.at(static_cast<std::size_t>(n - 1)); }
    const QuizEngine &engine() const { return m_form->page().engine(); }
    QDialog *aboutWindow() const { return m_form->lock().aboutWindow(); }
    // About, opened by the menu bar's command; the test stops if it does not open.
    QDialog *openAbout() const;
    QPushButton *aboutButton(const char *name) const
    {
        return child<QPushButton>(*aboutWindow(), QLatin1String(name));
    }
    // Every question's frame, built now rather than when first needed.
    void buildEveryFrame() const
    {
        for (int q = 0; q < kQuestionCount; ++q)
            m_form->page().frame(q);
    }
    // Whether the engine holds the answer as the question's choice.
    bool chosen(int question, OptionName n) const
    {
        return engine().view().Frame[static_cast<std::size_t>(question)].option(n).Value;
    }

    // Does what the event loop would do next: delivers the posted events and deletes the
    // windows that were closed.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

protected slots:
    void init();
    // Closes About where the test left it open and checks that the main window is usable and
    // active again; then that no window of the program is left once the main window has gone.
    void cleanup();

private:
    std::array<QPushButton *, 4> m_commands{};
};

} // namespace zelvarin::ui::testing
