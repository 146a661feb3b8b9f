// A pupil at random: the real main window and About window, offscreen, driven by a long
// seeded sequence of clicks, keys and menu choices. After every one the whole window is
// checked against PhaseModel, which follows the test apart from the quiz engine, and the
// widgets on screen against the engine's view state.
//
// ZELVARIN_RANDOM_SEED picks the sequence and ZELVARIN_RANDOM_EVENTS its length; a failure
// prints both and the last events before it.
#include "tests/stress/phase_model.h"
#include "tests/support/launch_scenarios.h"
#include "tests/support/window_test_base.h"
#include "ui/colours.h"
#include "ui/picture_box.h"
#include "ui/result_strip.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>

using namespace zelvarin;
using namespace zelvarin::stress;
using namespace zelvarin::ui;
using namespace zelvarin::ui::testing;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240917;
constexpr std::uint64_t kDefaultEvents = 20000;
constexpr std::size_t kHistoryLength = 20;
constexpr int kMaxFaultsShown = 8;
constexpr std::array kArrows{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};

QString describe(const std::string &s)
{
    return QLatin1Char('"') + QString::fromStdString(s) + QLatin1Char('"');
}

QString describe(const FrameView &f)
{
    QString options;
    for (OptionName n : kOptionNames) {
        const OptionView &o = f.option(n);
        options += QStringLiteral(" %1[%2 %3%4]")
                       .arg(QString::fromLatin1(nameOf(n).data(), 2))
                       .arg(o.Value ? 1 : 0)
                       .arg(o.ForeColor, 8, 16, QLatin1Char('0'))
                       .arg(o.Strikethrough ? QStringLiteral(" struck") : QString());
    }
    return QStringLiteral("visible %1 enabled %2 caption %3 faces %4%5%6%7")
        .arg(f.Visible)
        .arg(f.Enabled)
        .arg(describe(f.Caption))
        .arg(f.Picture2Visible)
        .arg(f.YesVisible)
        .arg(f.NoVisible)
        .arg(options);
}

// Drops Qt Test's note for a click on a disabled widget, which is exactly what a greyed
// button must do with it, and the offscreen platform's notes about what it cannot do;
// every other message goes on as before.
QtMessageHandler g_previousHandler = nullptr;
void quietAboutRefusedInput(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (msg.contains(QLatin1String("not accepted by receiving widget")))
        return;
    // The offscreen platform says so at every menu it opens.
    if (msg == QLatin1String("This plugin does not support raise()") ||
        msg == QLatin1String("This plugin does not support grabbing the keyboard"))
        return;
    g_previousHandler(type, context, msg);
}

} // namespace

class RandomEventsTest : public WindowTestBase
{
    Q_OBJECT

private:
    std::mt19937_64 m_rng;
    std::unique_ptr<PhaseModel> m_model;
    // The machines System Info may meet, each with what the launcher must do there.
    const std::vector<zelvarin::testing::launch::Scenario> m_machines =
        zelvarin::testing::launch::scenarios();

    // Widgets looked up once.
    std::array<std::array<QWidget *, 3>, kQuestionCount> m_faces{};
    std::map<const QWidget *, std::pair<int, OptionName>> m_optionOf;
    QMenu *m_mnuTest = nullptr;
    QAction *m_mnuNew = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuAbout = nullptr;

    // What the model expects beyond the view state.
    bool m_aboutOpen = false;
    int m_exits = 0;
    std::size_t m_machine = 0;
    std::vector<std::string> m_startCalls; // the programs the launcher must have tried
    std::size_t m_startsOnEarlierMachines = 0;
    std::vector<Shown> m_expectedMessages;

    std::deque<QString> m_history;
    QStringList m_faults;
    std::map<QString, long> m_tally; // events by kind

    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(m_rng() % n); }
    double fraction() { return static_cast<double>(m_rng() % 1000) / 1000.0; }

    void note(const QString &what)
    {
        m_history.push_back(what);
        if (m_history.size() > kHistoryLength)
            m_history.pop_front();
    }
    void expect(bool ok, const QString &what)
    {
        if (!ok)
            m_faults.append(what);
    }

    // ---- what an action must do, told to the model before the action happens ----

    void expectNewTest()
    {
        std::array<int, kQuestionCount> all{};
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), m_rng);
        std::array<int, kStepCount> order{};
        std::copy_n(all.begin(), kStepCount, order.begin());
        for (int i = 0; i < kStepCount; ++i) {
            // Now and then a repeat of an earlier step, which the draw must throw away.
            if (i > 0 && pick(4) == 0)
                m_random.script.push_back(
                    ScriptedRandom::drawing(order[pick(static_cast<std::size_t>(i))], fraction()));
            m_random.script.push_back(
                ScriptedRandom::drawing(order[static_cast<std::size_t>(i)], fraction()));
        }
        m_model->newTest(order);
    }

    // A press of Command n, whether by mouse, Space or Enter. Nothing happens while the
    // About window is open or the model has the button greyed.
    void expectCommand(int n)
    {
        if (m_aboutOpen)
            return;
        switch (n) {
        case 1:
            if (m_model->acceptEnabled()) {
                for (auto &m : m_model->accept())
                    m_expectedMessages.push_back(std::move(m));
            }
            break;
        case 2:
            if (m_model->nextEnabled())
                m_model->next();
            break;
        case 3:
            ++m_exits;
            break;
        default:
            expectNewTest();
            break;
        }
    }

    void expectOptionClick(int q, OptionName n)
    {
        if (!m_aboutOpen)
            m_model->choose(q, n);
    }

    void expectSysInfo()
    {
        const auto &machine = m_machines[m_machine];
        m_startCalls.insert(m_startCalls.end(), machine.startsTried.begin(),
                            machine.startsTried.end());
        if (machine.message)
            m_expectedMessages.push_back({zelvarin::testing::kUnavailable, "", MessageIcon::None});
    }

    // A fresh machine, and a fresh record of what the launcher did on it.
    void setUpMachine(std::size_t which)
    {
        m_machine = which;
        m_startsOnEarlierMachines += m_platform.starts.size();
        m_platform = {};
        m_startCalls.clear();
        m_machines[which].arrange(m_platform);
    }

    // ---- the actions ----

    void clickOption(int q, OptionName n)
    {
        note(QStringLiteral("click %1(%2)").arg(QString::fromLatin1(nameOf(n).data(), 2)).arg(q));
        expectOptionClick(q, n);
        click(m_form->page().frame(q)->option(n));
    }

    void clickCommand(int n)
    {
        note(QStringLiteral("click Command%1%2")
                 .arg(n)
                 .arg(command(n)->isEnabled() ? QString() : QStringLiteral(" (greyed)")));
        expectCommand(n);
        click(command(n));
    }

    // Opens the menu "Тест" on the menu bar and clicks the item, as a pupil would; while
    // the window is disabled the menu does not open and there is nothing to click.
    void chooseMenuItem(QAction *item)
    {
        QMenuBar *bar = m_form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(m_mnuTest->menuAction()).center());
        if (!m_mnuTest->isVisible())
            return;
        QTest::mouseClick(m_mnuTest, Qt::LeftButton, {}, m_mnuTest->actionGeometry(item).center());
        // The offscreen platform makes an opened menu the active window and does not give
        // the activation back when it closes; a window manager does, so we do it for it.
        settle();
        if (QApplication::activeWindow() != m_form.get())
            m_form->activateWindow();
    }

    // Нов тест or Изход from the menu, which press Command4 or Command3.
    void menuItem(QAction *item, int command)
    {
        note(QStringLiteral("menu ") + item->text());
        expectCommand(command);
        chooseMenuItem(item);
    }
    void menuAbout()
    {
        note(QStringLiteral("menu за Zelvarin"));
        m_aboutOpen = true; // opens it, or it is open already and the bar takes no click
        QMenuBar *bar = m_form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(m_mnuAbout).center());
    }

    // A key goes where the keyboard sends it: to the focus widget of the active window.
    void pressKey(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        note(QStringLiteral("key %1 on %2")
                 .arg(QKeySequence(key).toString(),
                      focus ? focus->objectName() : QStringLiteral("nothing")));
        std::optional<int> focusedCommand;
        std::optional<std::pair<int, OptionName>> option;
        for (int n = 1; n <= 4; ++n) {
            if (focus == command(n))
                focusedCommand = n;
        }
        if (const auto found = m_optionOf.find(focus); found != m_optionOf.end())
            option = found->second;
        const QString aboutFocus =
            m_aboutOpen && focus != nullptr && focus->window() == aboutWindow()
                ? focus->objectName()
                : QString();
        bool arrowMayChoose = false;

        if (m_aboutOpen) {
            // Esc presses OK wherever the focus is; Enter presses OK unless System Info has
            // the focus, which Enter and Space then press.
            const bool onSysInfo = aboutFocus == QLatin1String("cmdSysInfo");
            const bool onOk = aboutFocus == QLatin1String("cmdOK");
            if (key == Qt::Key_Escape || (key == Qt::Key_Return && !onSysInfo) ||
                (key == Qt::Key_Space && onOk))
                m_aboutOpen = false;
            else if ((key == Qt::Key_Return || key == Qt::Key_Space) && onSysInfo)
                expectSysInfo();
        } else if (key == Qt::Key_F2) {
            expectCommand(4);
        } else if (key == Qt::Key_Space || key == Qt::Key_Return) {
            // The command buttons take Enter as they take Space; option buttons only Space.
            if (focusedCommand)
                expectCommand(*focusedCommand);
            else if (option && key == Qt::Key_Space)
                expectOptionClick(option->first, option->second);
        } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
                   key == Qt::Key_Down) {
            // An arrow moves to the neighbouring option of the same frame and chooses it
            // when the one it leaves was chosen; where it lands depends on the layout.
            arrowMayChoose = option && m_model->takesChoice(option->first);
        }

        QTest::keyClick(static_cast<QWidget *>(nullptr), key);

        if (arrowMayChoose) {
            const int q = option->first;
            const FrameView &f = engine().view().Frame[static_cast<std::size_t>(q)];
            for (OptionName n : kOptionNames) {
                if (f.option(n).Value)
                    m_model->choose(q, n);
            }
        }
    }

    void aboutOk()
    {
        note(QStringLiteral("About: click OK"));
        m_aboutOpen = false;
        click(aboutButton("cmdOK"));
    }
    void aboutSysInfo()
    {
        note(QStringLiteral("About: click System Info on \"%1\"")
                 .arg(QString::fromLatin1(m_machines[m_machine].name)));
        expectSysInfo();
        click(aboutButton("cmdSysInfo"));
    }
    void aboutClose()
    {
        note(QStringLiteral("About: close the window"));
        m_aboutOpen = false;
        aboutWindow()->close();
    }
    void closeMainWindow()
    {
        note(QStringLiteral("close the main window while About is open"));
        expect(!m_form->close(), QStringLiteral("the main window closed while About was open"));
    }
    void changeMachine()
    {
        setUpMachine(pick(m_machines.size()));
        note(QStringLiteral("machine: %1").arg(QString::fromLatin1(m_machines[m_machine].name)));
    }

    OptionName anyOption() { return kOptionNames[pick(kOptionCount)]; }

    // What a pupil who wants to finish does next.
    void getOn()
    {
        if (m_model->phase() == Phase::Answering && !m_model->choiceOnView())
            clickOption(*m_model->questionOnView(), anyOption());
        else if (m_model->phase() == Phase::Answering)
            clickCommand(1);
        else if (m_model->phase() == Phase::Answered)
            clickCommand(2);
        else
            clickCommand(4);
    }
    // The frame on view, or a hidden one when none is.
    void clickOptionOnView()
    {
        const int q = m_model->questionOnView().value_or(static_cast<int>(pick(kQuestionCount)));
        clickOption(q, anyOption());
    }
    void act()
    {
        using T = RandomEventsTest;
        struct Act
        {
            const char *name;
            int onMain;  // how often, while the main window has the keyboard
            int inAbout; // how often, while About is open
            void (*run)(T &);
        };
        // Weighted so that about one test in three is played to its grade; the rest are
        // abandoned by a new test on the way.
        static const std::array<Act, 21> kActs{{
            {"get on", 60, 0, [](T &t) { t.getOn(); }},
            {"option on view", 16, 2, [](T &t) { t.clickOptionOnView(); }},
            {"any option", 8, 1,
             [](T &t) { t.clickOption(static_cast<int>(t.pick(kQuestionCount)), t.anyOption()); }},
            {"Command1", 8, 1, [](T &t) { t.clickCommand(1); }},
            {"Command2", 8, 1, [](T &t) { t.clickCommand(2); }},
            {"Command3", 2, 1, [](T &t) { t.clickCommand(3); }},
            {"Command4", 1, 1, [](T &t) { t.clickCommand(4); }},
            {"F2", 1, 1, [](T &t) { t.pressKey(Qt::Key_F2); }},
            {"arrow", 8, 2, [](T &t) { t.pressKey(kArrows[t.pick(kArrows.size())]); }},
            {"Space", 4, 2, [](T &t) { t.pressKey(Qt::Key_Space); }},
            {"Enter", 3, 3, [](T &t) { t.pressKey(Qt::Key_Return); }},
            {"Tab", 5, 4, [](T &t) { t.pressKey(Qt::Key_Tab); }},
            {"Esc", 1, 2, [](T &t) { t.pressKey(Qt::Key_Escape); }},
            {"menu New", 1, 1, [](T &t) { t.menuItem(t.m_mnuNew, 4); }},
            {"menu Exit", 1, 0, [](T &t) { t.menuItem(t.m_mnuExit, 3); }},
            {"menu About", 3, 1, [](T &t) { t.menuAbout(); }},
            {"About OK", 0, 3, [](T &t) { t.aboutOk(); }},
            {"System Info", 0, 6, [](T &t) { t.aboutSysInfo(); }},
            {"About close", 0, 2, [](T &t) { t.aboutClose(); }},
            {"close main", 0, 1, [](T &t) { t.closeMainWindow(); }},
            {"machine", 1, 3, [](T &t) { t.changeMachine(); }},
        }};
        const auto weight = [this](const Act &a) { return m_aboutOpen ? a.inAbout : a.onMain; };
        int total = 0;
        for (const Act &a : kActs)
            total += weight(a);
        int roll = static_cast<int>(pick(static_cast<std::size_t>(total)));
        const Act *chosen = kActs.data();
        while (roll >= weight(*chosen))
            roll -= weight(*chosen++);
        chosen->run(*this);
        ++m_tally[QLatin1String(chosen->name)];
        settle();
    }

    // ---- the checks ----

    // The widgets show the engine's view state.
    void checkWidgets(const QString &when)
    {
        const ViewState &v = engine().view();
        int shown = 0;
        for (int q = 0; q < kQuestionCount; ++q) {
            const auto qi = static_cast<std::size_t>(q);
            const FrameView &f = v.Frame[qi];
            QuestionFrame *frame = m_form->page().frame(q);
            const QString where = QStringLiteral("%1: Frame(%2) ").arg(when).arg(q);
            shown += frame->isHidden() ? 0 : 1;
            expect(frame->isHidden() != f.Visible, where + QStringLiteral("visibility"));
            expect(frame->isEnabledTo(m_form.get()) == f.Enabled,
                   where + QStringLiteral("enabled state"));
            expect(frame->title() == QString::fromStdString(f.Caption),
                   where + QStringLiteral("caption ") + frame->title());
            for (OptionName n : kOptionNames) {
                const OptionView &o = f.option(n);
                const OptionButton *b = frame->option(n);
                const QString opt = where + QString::fromLatin1(nameOf(n).data(), 2);
                expect(b->isChecked() == o.Value, opt + QStringLiteral(" checked state"));
                expect(b->palette().color(QPalette::Active, QPalette::WindowText) ==
                           toQColor(o.ForeColor),
                       opt + QStringLiteral(" colour"));
                expect(b->font().strikeOut() == o.Strikethrough, opt + QStringLiteral(" strike"));
            }
            const std::array<bool, 3> faces{f.Picture2Visible, f.YesVisible, f.NoVisible};
            for (std::size_t k = 0; k < 3; ++k)
                expect(m_faces[qi][k]->isHidden() != faces[k],
                       where + m_faces[qi][k]->objectName() + QStringLiteral(" visibility"));
        }
        expect(shown <= 1, QStringLiteral("%1: %2 frames on view").arg(when).arg(shown));
        expect(command(1)->isEnabledTo(m_form.get()) == v.Command1Enabled,
               when + QStringLiteral(": Command1 enabled state"));
        expect(command(2)->isEnabledTo(m_form.get()) == v.Command2Enabled,
               when + QStringLiteral(": Command2 enabled state"));
        expect(command(3)->isEnabledTo(m_form.get()) && command(4)->isEnabledTo(m_form.get()),
               when + QStringLiteral(": Command3 and Command4 stay usable"));
        for (int k = 0; k < kStepCount; ++k) {
            const SlotView &s = v.Box[static_cast<std::size_t>(k)];
            const QLineEdit *box = resultSlot(*m_form, k);
            expect(box->text() == QString::fromStdString(s.Text),
                   QStringLiteral("%1: Box(%2) text %3").arg(when).arg(k).arg(box->text()));
            expect(box->palette().color(QPalette::Base) == toQColor(s.BackColor),
                   QStringLiteral("%1: Box(%2) colour").arg(when).arg(k));
        }
    }

    // The engine's state agrees with the model's. The model's view holds every frame whole,
    // so a marked frame that changes before the next new test, or a frame on view that is not
    // QuestionOrder(CurrentStep), differs from it; so do a CorrectCount and result slots that
    // disagree.
    void checkAgainstModel()
    {
        const QuizEngine &engine = this->engine();
        const ViewState &actual = engine.view();
        const ViewState expected = m_model->expectedView();
        const QString phase =
            QStringLiteral("[%1 step %2] ")
                .arg(QLatin1String(zelvarin::testing::phaseName(m_model->phase())))
                .arg(m_model->step());
        for (std::size_t q = 0; q < actual.Frame.size(); ++q) {
            if (!(actual.Frame[q] == expected.Frame[q]))
                m_faults.append(phase +
                                QStringLiteral("Frame(%1) is %2, expected %3")
                                    .arg(q)
                                    .arg(describe(actual.Frame[q]), describe(expected.Frame[q])));
        }
        for (std::size_t k = 0; k < actual.Box.size(); ++k) {
            const SlotView &a = actual.Box[k];
            const SlotView &e = expected.Box[k];
            if (!(a == e))
                m_faults.append(phase + QStringLiteral("Box(%1) is %2 on %3, expected %4 on %5")
                                            .arg(k)
                                            .arg(describe(a.Text))
                                            .arg(a.BackColor, 8, 16, QLatin1Char('0'))
                                            .arg(describe(e.Text))
                                            .arg(e.BackColor, 8, 16, QLatin1Char('0')));
        }
        expect(actual.Command1Enabled == expected.Command1Enabled,
               phase + QStringLiteral("Accept answer enabled: %1").arg(actual.Command1Enabled));
        expect(actual.Command2Enabled == expected.Command2Enabled,
               phase + QStringLiteral("Next question enabled: %1").arg(actual.Command2Enabled));
        expect(engine.phase() == m_model->phase(),
               phase + QStringLiteral("the engine says %1")
                           .arg(QLatin1String(zelvarin::testing::phaseName(engine.phase()))));

        const TestState &t = engine.test();
        if (m_model->phase() == Phase::Idle) {
            expect(!t.CurrentStep.has_value() && t.CorrectCount == 0,
                   phase + QStringLiteral("a test state before any test"));
        } else {
            const auto &order = m_model->order();
            for (std::size_t i = 0; i < t.QuestionOrder.size(); ++i)
                expect(t.QuestionOrder[i] == (i < order.size() ? order[i] : 0),
                       phase +
                           QStringLiteral("QuestionOrder(%1) = %2").arg(i).arg(t.QuestionOrder[i]));
            expect(t.CurrentStep == m_model->step(),
                   phase + QStringLiteral("CurrentStep %1").arg(t.CurrentStep.value_or(-1)));
            expect(t.CorrectCount == m_model->correct(),
                   phase + QStringLiteral("CorrectCount %1, expected %2")
                               .arg(t.CorrectCount)
                               .arg(m_model->correct()));
        }
    }

    void checkSurroundings()
    {
        if (m_messages.shown != m_expectedMessages) {
            QStringList texts;
            for (const auto &s : m_messages.shown)
                texts << QString::fromStdString(s.text);
            QStringList wanted;
            for (const auto &s : m_expectedMessages)
                wanted << QString::fromStdString(s.text);
            m_faults.append(
                QStringLiteral("messages [%1], expected [%2]")
                    .arg(texts.join(QStringLiteral(" | ")), wanted.join(QStringLiteral(" | "))));
        }
        m_messages.shown.clear();
        m_expectedMessages.clear();

        expect(m_exit.calls == m_exits,
               QStringLiteral("%1 exits, expected %2").arg(m_exit.calls).arg(m_exits));
        expect(m_random.unscripted == 0, QStringLiteral("a new test nobody asked for"));
        expect(m_random.script.empty(), QStringLiteral("a new test did not run or drew less"));
        expect(m_random.reseeds == m_model->newTests(),
               QStringLiteral("%1 reseeds for %2 new tests")
                   .arg(m_random.reseeds)
                   .arg(m_model->newTests()));
        m_random.unscripted = 0;
        m_random.script.clear();

        expect(m_platform.starts.size() == m_startCalls.size(),
               QStringLiteral("%1 program starts, expected %2")
                   .arg(m_platform.starts.size())
                   .arg(m_startCalls.size()));
        if (!m_platform.starts.empty() && m_platform.starts.size() == m_startCalls.size())
            expect(m_platform.starts.back().path == m_startCalls.back() &&
                       m_platform.starts.back().showCommand == 1,
                   QStringLiteral("started ") +
                       QString::fromStdString(m_platform.starts.back().path));
        expect(m_platform.brokenRegistryRule().empty(),
               QString::fromStdString(m_platform.brokenRegistryRule()));

        // The main window is disabled exactly while the About window is open.
        QDialog *a = aboutWindow();
        expect((a != nullptr) == m_aboutOpen,
               QStringLiteral("About window %1")
                   .arg(a ? QStringLiteral("open") : QStringLiteral("closed")));
        expect(m_form->isEnabled() == !m_aboutOpen,
               QStringLiteral("main window enabled: %1").arg(m_form->isEnabled()));
        expect(m_form->isVisible(), QStringLiteral("the main window is gone"));
        if (a != nullptr)
            expect(a->isVisible() && a->isEnabled(),
                   QStringLiteral("the About window is hidden or disabled"));
        QWidget *active = m_aboutOpen ? static_cast<QWidget *>(a) : m_form.get();
        expect(QApplication::activeWindow() == active,
               QStringLiteral("active window %1")
                   .arg(QApplication::activeWindow() ? QApplication::activeWindow()->objectName()
                                                     : QStringLiteral("none")));
        expect(QApplication::activePopupWidget() == nullptr, QStringLiteral("a menu left open"));
        expect(QApplication::activeModalWidget() == nullptr, QStringLiteral("a modal box open"));
    }

    void report(std::uint64_t seed, std::uint64_t event, std::uint64_t events)
    {
        QString text = QStringLiteral("\nFAULT after event %1 of %2 with ZELVARIN_RANDOM_SEED=%3 "
                                      "(ZELVARIN_RANDOM_EVENTS=%2):\n")
                           .arg(event + 1)
                           .arg(events)
                           .arg(seed);
        for (int i = 0; i < std::min<int>(kMaxFaultsShown, static_cast<int>(m_faults.size())); ++i)
            text += QStringLiteral("  - ") + m_faults[i] + QLatin1Char('\n');
        if (m_faults.size() > kMaxFaultsShown)
            text += QStringLiteral("  (%1 more)\n").arg(m_faults.size() - kMaxFaultsShown);
        text += QStringLiteral("The last %1 events, oldest first:\n").arg(m_history.size());
        for (const QString &h : m_history)
            text += QStringLiteral("  ") + h + QLatin1Char('\n');
        std::fputs(text.toUtf8().constData(), stderr);
    }

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(quietAboutRefusedInput); }
    void init()
    {
        WindowTestBase::init();
        m_model = std::make_unique<PhaseModel>(engine().view());

        for (int q = 0; q < kQuestionCount; ++q) {
            const QuestionFrame &frame = *m_form->page().frame(q);
            const auto qi = static_cast<std::size_t>(q);
            m_faces[qi][0] = child<PictureBox>(frame, QStringLiteral("Picture2(%1)").arg(q));
            m_faces[qi][1] = child<PictureBox>(frame, QStringLiteral("Yes(%1)").arg(q));
            m_faces[qi][2] = child<PictureBox>(frame, QStringLiteral("No(%1)").arg(q));
            for (OptionName n : kOptionNames)
                m_optionOf[frame.option(n)] = {q, n};
        }
        m_mnuTest = m_form->findChild<QMenu *>(QStringLiteral("mnuTest"));
        m_mnuNew = m_form->findChild<QAction *>(QStringLiteral("mnuNew"));
        m_mnuExit = m_form->findChild<QAction *>(QStringLiteral("mnuExit"));
        m_mnuAbout = m_form->findChild<QAction *>(QStringLiteral("mnuAbout"));
        QVERIFY(m_mnuTest && m_mnuNew && m_mnuExit && m_mnuAbout);

        // While a box is open, the window under it already shows what led to the box.
        m_messages.whileOpen = [this](const Shown &) {
            checkWidgets(QStringLiteral("under a message box"));
        };
        setUpMachine(m_machine);
    }

    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    void pupilAtRandom()
    {
        const std::uint64_t seed = envCount("ZELVARIN_RANDOM_SEED", kDefaultSeed);
        const std::uint64_t events = envCount("ZELVARIN_RANDOM_EVENTS", kDefaultEvents);
        m_rng.seed(seed);

        note(QStringLiteral("start"));
        checkWidgets(QStringLiteral("at start"));
        checkAgainstModel();
        checkSurroundings();
        if (!m_faults.isEmpty()) {
            report(seed, 0, events);
            QFAIL("the window does not start as it should");
        }
        for (std::uint64_t i = 0; i < events; ++i) {
            act();
            checkWidgets(QStringLiteral("after the event"));
            checkAgainstModel();
            checkSurroundings();
            if (!m_faults.isEmpty()) {
                report(seed, i, events);
                QFAIL("the window broke a rule; the seed and the events are above");
            }
        }
        QStringList tally;
        for (const auto &[name, count] : m_tally)
            tally << QStringLiteral("%1 %2").arg(name).arg(count);
        qInfo("%llu events with seed %llu: %d new tests, %d finished, %zu program starts; %s",
              static_cast<unsigned long long>(events), static_cast<unsigned long long>(seed),
              m_model->newTests(), m_model->finishedTests(),
              m_startsOnEarlierMachines + m_platform.starts.size(),
              qPrintable(tally.join(QStringLiteral(", "))));
        QVERIFY(m_model->finishedTests() > 0);
    }
};

QTEST_MAIN(RandomEventsTest)
#include "tst_random_events.moc"
