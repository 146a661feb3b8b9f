// The time from a click on Next question to the paint of the question frame it brings on
// view, over many clicks (1,000 unless a count is given). The window is the real main
// window with ports that never wait; the tests it runs are answered between the clicks,
// untimed. Prints one line of key=value pairs in milliseconds.
#include "tests/support/window_harness.h"
#include "ui/main_window.h"
#include "ui/option_button.h"
#include "ui/question_frame.h"
#include "ui/quiz_page.h"
#include "ui/window_lock.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultSamples = 1000;
constexpr int kTimeoutMs = 5000;

// Notes the first paint event of one widget (or of any widget inside it) and ends the wait
// once that whole frame has been painted.
class PaintWait final : public QObject
{
public:
    PaintWait() { QCoreApplication::instance()->installEventFilter(this); }

    // Call before the action that should lead to the paint.
    void arm(const QWidget *target, bool orInside)
    {
        m_target = target;
        m_orInside = orInside;
        m_paintedAt.reset();
    }

    // The time of the paint event, or nothing after the time-out.
    std::optional<Clock::time_point> wait()
    {
        if (!m_paintedAt) {
            QEventLoop loop;
            m_loop = &loop;
            QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
            loop.exec();
            m_loop = nullptr;
        }
        m_target = nullptr;
        return m_paintedAt;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_target == nullptr || m_paintedAt ||
            !watched->isWidgetType())
            return false;
        const auto *widget = static_cast<const QWidget *>(watched);
        if (widget != m_target && !(m_orInside && m_target->isAncestorOf(widget)))
            return false;
        m_paintedAt = Clock::now();
        // Queued, so the loop ends after the rest of this frame has been painted.
        if (m_loop != nullptr)
            QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    const QWidget *m_target = nullptr;
    bool m_orInside = false;
    std::optional<Clock::time_point> m_paintedAt;
    QEventLoop *m_loop = nullptr;
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultSamples;

    zelvarin::ui::testing::TestDoubles doubles;
    zelvarin::ui::MainWindow form(doubles.services());
    PaintWait paint;

    paint.arm(&form, true);
    form.show();
    if (!paint.wait()) {
        std::fprintf(stderr, "the main window was never painted\n");
        return 1;
    }
    // A window manager places the window once more when it has framed and activated it.
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the main window was never activated\n");
        return 1;
    }

    auto *newTest = form.findChild<QPushButton *>(QStringLiteral("Command4"));
    auto *accept = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *next = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    const auto click = [](QPushButton *button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    };
    // An untimed step: click and wait until the window has drawn what changed.
    const auto step = [&](QPushButton *button) {
        paint.arm(&form, true);
        click(button);
        return paint.wait().has_value();
    };

    std::vector<double> toPaint;
    std::vector<double> toFrameDone;
    int timeouts = 0;
    while (static_cast<int>(toPaint.size()) < samples && timeouts < 10) {
        const zelvarin::ViewState &view = form.page().engine().view();
        const zelvarin::TestState &test = form.page().engine().test();
        if (!view.Command1Enabled && !view.Command2Enabled) {
            timeouts += step(newTest) ? 0 : 1;
        } else if (view.Command1Enabled) {
            const int shown = test.QuestionOrder[static_cast<std::size_t>(*test.CurrentStep)];
            form.page().frame(shown)->option(zelvarin::OptionName::aa)->click();
            timeouts += step(accept) ? 0 : 1;
        } else {
            const int coming = test.QuestionOrder[static_cast<std::size_t>(*test.CurrentStep + 1)];
            paint.arm(form.page().frame(coming), false);
            const Clock::time_point start = Clock::now();
            click(next);
            const std::optional<Clock::time_point> painted = paint.wait();
            const Clock::time_point done = Clock::now();
            if (!painted) {
                ++timeouts;
                continue;
            }
            toPaint.push_back(ms(*painted - start));
            toFrameDone.push_back(ms(done - start));
        }
    }
    if (toPaint.empty()) {
        std::fprintf(stderr, "no new frame was ever painted\n");
        return 1;
    }
    std::printf("samples=%zu timeouts=%d paint_median_ms=%.3f paint_p90_ms=%.3f "
                "paint_max_ms=%.3f done_median_ms=%.3f done_p90_ms=%.3f\n",
                toPaint.size(), timeouts, percentile(toPaint, 0.5), percentile(toPaint, 0.9),
                percentile(toPaint, 1.0), percentile(toFrameDone, 0.5),
                percentile(toFrameDone, 0.9));
    return timeouts == 0 ? 0 : 1;
}
