#pragma once

#include "tests/support/port_doubles.h"
#include "tests/support/scripted_platform.h"
#include "ui/main_window.h"
#include "ui/option_button.h"
#include "ui/question_frame.h"
#include "ui/quiz_page.h"
#include "ui/window_lock.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zelvarin::ui::testing {

// The doubles the window tests use, under the names they have always used here.
using zelvarin::testing::RecordingExit;
using zelvarin::testing::RecordingMessages;
using zelvarin::testing::ScriptedRandom;
using zelvarin::testing::Shown;

// The doubles a main window is made with in a test or a benchmark.
struct TestDoubles
{
    ScriptedRandom random;
    RecordingMessages messages;
    RecordingExit exit;
    zelvarin::testing::ScriptedPlatform platform;

    MainWindowServices services() { return {random, messages, exit, platform}; }
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

inline OptionButton *option(MainWindow &form, int question, OptionName n)
{
    return form.page().frame(question)->option(n);
}

inline QLineEdit *resultSlot(const QWidget &form, int step)
{
    return child<QLineEdit>(form, QStringLiteral("Box(%1)").arg(step));
}

// A question's key box has no parent, so that a screen reader never lists it.
inline QLineEdit *keyBox(int question)
{
    const QString name = QStringLiteral("Text1(%1)").arg(question);
    for (QWidget *w : QApplication::allWidgets()) {
        if (w->objectName() == name)
            return qobject_cast<QLineEdit *>(w);
    }
    qFatal("no key box %s", qPrintable(name));
}

} // namespace zelvarin::ui::testing
