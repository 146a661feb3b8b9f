// Puts the real windows into one of the states shown in docs/screenshots and leaves them
// open; scripts/screenshots photographs them. Drives the window through its own buttons.
#include "application_identity.h"
#include "main_window.h"
#include "option_button.h"
#include "question_frame.h"
#include "sysinfo_platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>
#include <deque>

namespace {

using namespace zelvarin;

// Asks the questions it is given, in order.
class FixedQuestions final : public RandomSource
{
public:
    explicit FixedQuestions(std::deque<int> questions)
        : m_questions(std::move(questions))
    {}
    void reseedFromClock() override {}
    double next() override
    {
        const int q = m_questions.empty() ? 0 : m_questions.front();
        if (!m_questions.empty())
            m_questions.pop_front();
        return (q + 0.5) / kQuestionCount;
    }

private:
    std::deque<int> m_questions;
};

// A machine without a system-information tool.
class NoTool final : public SysInfoPlatform
{
public:
    RegStatus regOpenKeyEx(RegKey, const std::string &, std::uint32_t, std::uint32_t,
                           RegKey &) override
    {
        return kErrorFileNotFound;
    }
    RegStatus regQueryValueEx(RegKey, const std::string &, std::uint32_t &, std::uint8_t *,
                              std::uint32_t &) override
    {
        return kErrorFileNotFound;
    }
    RegStatus regCloseKey(RegKey) override { return kErrorSuccess; }
    bool isPlainFile(const std::string &) override { return false; }
    bool startProgram(const std::string &, int) override { return false; }
};

void press(const QWidget &root, const char *name)
{
    if (auto *b = root.findChild<QAbstractButton *>(QLatin1String(name)))
        b->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::ui::applyApplicationIdentity();
    const QString scene = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("idle");

    // Question 8 is asked first (key bb), then 12 (key bb), 4, 6, 15, 13, 1.
    FixedQuestions questions({8, 12, 4, 6, 15, 13, 1});
    NoTool noTool;
    ui::Form1 form(ui::Form1Services{&questions, nullptr, nullptr, &noTool});
    form.show();

    const auto answer = [&form](int question, OptionName n) {
        form.frame(question)->option(n)->click();
        press(form, "Command1");
    };
    QTimer::singleShot(300, &form, [&] {
        if (scene == QLatin1String("idle"))
            return;
        if (scene == QLatin1String("about") || scene == QLatin1String("message")) {
            form.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
            if (scene == QLatin1String("message"))
                QTimer::singleShot(300, form.aboutWindow(),
                                   [&form] { press(*form.aboutWindow(), "cmdSysInfo"); });
            return;
        }
        press(form, "Command4");
        if (scene == QLatin1String("question")) {
            form.frame(8)->option(OptionName::bb)->setFocus();
            form.frame(8)->option(OptionName::bb)->click();
        } else if (scene == QLatin1String("right")) {
            answer(8, OptionName::bb);
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
                answer(plays[i].first, plays[i].second); // the last opens the grade box
            }
        } else {
            std::fprintf(stderr, "unknown scene\n");
            QApplication::exit(2);
        }
    });
    return QApplication::exec();
}
