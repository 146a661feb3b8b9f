// Puts the real windows into one of the states shown in docs/screenshots and leaves them
// open; scripts/screenshots photographs them. Drives the window through its own buttons.
#include "app/program_start.h"
#include "tests/support/port_doubles.h"
#include "tests/support/scripted_platform.h"
#include "ui/main_window.h"
#include "ui/option_button.h"
#include "ui/qt_ports.h"
#include "ui/question_frame.h"
#include "ui/quiz_page.h"
#include "ui/window_lock.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

namespace {

using namespace zelvarin;

// Tells scripts/screenshots that the scene is set. A box runs its own event loop, so for a
// scene that ends in one this is queued before the box opens and printed once it is up.
void sceneIsSet()
{
    std::puts("ready");
    std::fflush(stdout);
}

void press(const QWidget &root, const char *name)
{
    if (auto *b = root.findChild<QAbstractButton *>(QLatin1String(name)))
        b->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::prepareApplication();
    const QString scene = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("idle");

    // Question 8 is asked first (key bb), then 12 (key bb), 4, 6, 15, 13, 1.
    testing::ScriptedRandom questions;
    questions.ask({8, 12, 4, 6, 15, 13, 1});
    testing::ScriptedPlatform noTool; // a machine without a system-information tool
    ui::MessageBoxPort boxes;
    ui::ApplicationExit exit;
    ui::MainWindow form(ui::MainWindowServices{questions, boxes, exit, noTool});
    form.show();

    const auto answer = [&form](int question, OptionName n) {
        form.page().frame(question)->option(n)->click();
        press(form, "Command1");
    };
    QTimer::singleShot(300, &form, [&] {
        if (scene == QLatin1String("idle")) {
            sceneIsSet();
            return;
        }
        if (scene == QLatin1String("menu")) {
            // F10 enters the menu bar, its first title highlighted.
            for (QAction *action : form.actions()) {
                if (action->shortcut() == QKeySequence(Qt::Key_F10))
                    action->trigger();
            }
            sceneIsSet();
            return;
        }
        if (scene == QLatin1String("about") || scene == QLatin1String("message")) {
            form.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
            if (scene == QLatin1String("message")) {
                QTimer::singleShot(300, form.lock().aboutWindow(), [&form] {
                    QTimer::singleShot(0, sceneIsSet);
                    press(*form.lock().aboutWindow(), "cmdSysInfo");
                });
            } else {
                sceneIsSet();
            }
            return;
        }
        press(form, "Command4");
        if (scene == QLatin1String("question")) {
            form.page().frame(8)->option(OptionName::bb)->setFocus();
            form.page().frame(8)->option(OptionName::bb)->click();
        } else if (scene == QLatin1String("right")) {
            answer(8, OptionName::bb);
        } else if (scene == QLatin1String("slot")) {
            answer(8, OptionName::bb);
            form.findChild<QWidget *>(QStringLiteral("Box(0)"))->setFocus(Qt::TabFocusReason);
        } else if (scene == QLatin1String("wrong")) {
            answer(8, OptionName::bb);
            press(form, "Command2");
            answer(12, OptionName::aa);
        } else if (scene == QLatin1String("grade")) {
            const std::array<std::pair<int, OptionName>, 7> plays{{{8, OptionName::bb},
                                                                   {12, OptionName::aa},
                                                                   {4, OptionName::aa},
                                                                   {6, OptionName::cc},
                                                                   {15, OptionName::bb},
                                                                   {13, OptionName::aa},
                                                                   {1, OptionName::bb}}};
            for (std::size_t i = 0; i < plays.size(); ++i) {
                if (i > 0)
                    press(form, "Command2");
                if (i + 1 == plays.size())
                    QTimer::singleShot(0, sceneIsSet);
                answer(plays[i].first, plays[i].second); // the last opens the grade box
            }
            return;
        } else {
            std::fprintf(stderr, "unknown scene\n");
            QApplication::exit(2);
            return;
        }
        sceneIsSet();
    });
    return QApplication::exec();
}
