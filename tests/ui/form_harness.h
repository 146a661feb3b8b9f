#pragma once

#include "main_window.h"
#include "option_button.h"
#include "question_frame.h"

#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zelvarin::ui::testing {

// Draws the questions it is told to, in order; past the script it walks through all 17,
// so a draw never waits forever for a value it has not had yet.
class ScriptedRandom final : public RandomSource
{
public:
    std::deque<double> script;
    void reseedFromClock() override {}
    double next() override
    {
        if (script.empty())
            return ((m_unscripted++ % 17) + 0.5) / 17.0;
        const double r = script.front();
        script.pop_front();
        return r;
    }
    void ask(const std::array<int, 7> &questions)
    {
        for (int q : questions)
            script.push_back((q + 0.5) / 17.0);
    }

private:
    int m_unscripted = 0;
};

struct Shown
{
    std::string text;
    std::string title;
    MessageIcon icon;
};

// Answers every box at once and lets the test look at the window while the box "is open".
class RecordingMessages final : public MessagePort
{
public:
    std::vector<Shown> shown;
    std::function<void()> whileOpen;
    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        shown.push_back({std::string(text), std::string(title), icon});
        if (whileOpen)
            whileOpen();
    }
};

class RecordingExit final : public ProgramExit
{
public:
    int calls = 0;
    void exitNow() override { ++calls; }
};

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

template<typename T> T *child(const QWidget &root, const QString &name)
{
    T *found = root.findChild<T *>(name);
    if (found == nullptr)
        qFatal("no child named %s", qPrintable(name));
    return found;
}

inline QPushButton *button(const QWidget &form, const char *name)
{
    return child<QPushButton>(form, QLatin1String(name));
}

inline OptionButton *option(const Form1 &form, int question, OptionName n)
{
    return form.frame(question)->option(n);
}

} // namespace zelvarin::ui::testing
