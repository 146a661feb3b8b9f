// Many whole tests in one process through the real window, offscreen: the number of widgets
// and the heap in use must be the same at the end as after the first tests. Then the About
// window is opened, System Info pressed and the window closed many times over, watched the
// same way.
//
// ZELVARIN_SOAK_TESTS sets how many tests run, ZELVARIN_SOAK_ABOUT how often About opens.
#include "tests/stress/phase_model.h"
#include "tests/support/quiz_play.h"
#include "tests/support/window_test_base.h"

#include <QAction>
#include <QApplication>
#include <QPixmapCache>

#include <functional>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZELVARIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELVARIN_ASAN 1
#endif
#endif
#ifdef ZELVARIN_ASAN
// From AddressSanitizer's runtime; GCC installs no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace zelvarin;
using namespace zelvarin::stress;
using namespace zelvarin::testing;
using namespace zelvarin::ui;
using namespace zelvarin::ui::testing;

namespace {

constexpr std::uint64_t kDefaultTests = 10000;
constexpr std::uint64_t kDefaultAboutOpenings = 2000;
// The first tests fill Qt's caches (glyphs, pixmaps, style data) and the allocator's free
// lists; the heap is measured from then on.
constexpr std::uint64_t kWarmUpTests = 200;
// Room for what the allocator itself does with free lists and for a cache entry or two:
// a leak of even 8 bytes per test over 10,000 tests, or of 40 bytes per opening of the
// About window over 2,000 openings, is more than this.
constexpr std::size_t kHeapSlackBytes = 64 * 1024;

// QPixmapCache is emptied first: it is a cache with a fixed limit (10 MB) whose filling is
// not growth, and every opening of the About window adds an entry to it.
std::size_t heapInUse()
{
    QPixmapCache::clear();
#ifdef ZELVARIN_ASAN
    // AddressSanitizer has its own allocator, which glibc's statistics do not see.
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

} // namespace

class SoakTest : public WindowTestBase
{
    Q_OBJECT

private:
    // One whole test; the pupil answers right at the steps whose bit in a pattern is set.
    // Returns false with a reason when the test did not end as it should.
    QString wholeTest(std::uint64_t number)
    {
        Asked order{};
        Rights rights{};
        const unsigned pattern = static_cast<unsigned>(number * 37) & 0x7FU;
        int right = 0;
        for (int s = 0; s < kStepCount; ++s) {
            order[static_cast<std::size_t>(s)] = static_cast<int>((number * 5 + s * 3) % 17);
            rights[static_cast<std::size_t>(s)] = ((pattern >> s) & 1U) != 0;
            right += rights[static_cast<std::size_t>(s)] ? 1 : 0;
        }
        playTo(*this, kStepCount - 1, rights, LastStep::Accepted, order);
        settle();
        if (m_messages.shown.size() != 1 || m_messages.shown[0].text != gradeMessage(right))
            return QStringLiteral("test %1 did not end with the grade for %2 right answers")
                .arg(number)
                .arg(right);
        m_messages.shown.clear();
        if (!m_random.script.empty() || m_random.unscripted != 0)
            return QStringLiteral("test %1 did not draw as scripted").arg(number);
        return {};
    }

    QString aboutRoundTrip(std::uint64_t number)
    {
        openAbout();
        click(aboutButton("cmdSysInfo"));
        click(aboutButton("cmdOK"));
        settle();
        if (aboutWindow() != nullptr || !m_form->isEnabled())
            return QStringLiteral("the About window stayed after opening %1").arg(number);
        if (m_messages.shown.size() != 1)
            return QStringLiteral("System Info said nothing at opening %1").arg(number);
        if (!m_platform.brokenRegistryRule().empty() || !m_platform.starts.empty())
            return QStringLiteral("System Info misused the registry at opening %1").arg(number);
        // The records of this round are checked; keeping them would grow the heap.
        m_messages.shown.clear();
        m_platform.forgetCalls();
        return {};
    }

    // Runs the rounds, each of which gives a fault or nothing, and checks that the widgets
    // and the heap are the same at the end as after the first rounds.
    void expectNoGrowth(const char *rounds, std::uint64_t count,
                        const std::function<QString(std::uint64_t)> &round)
    {
        QVERIFY2(count > kWarmUpTests, "the soak needs more rounds than its warm-up");
        qsizetype widgetsAtFirst = 0;
        std::size_t heapAfterWarmUp = 0;
        for (std::uint64_t n = 0; n < count; ++n) {
            const QString fault = round(n);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            if (n == 0)
                widgetsAtFirst = QApplication::allWidgets().size();
            if (n + 1 == kWarmUpTests)
                heapAfterWarmUp = heapInUse();
        }
        const qsizetype widgetsAtLast = QApplication::allWidgets().size();
        const std::size_t heapAtEnd = heapInUse();
        const long long growth =
            static_cast<long long>(heapAtEnd) - static_cast<long long>(heapAfterWarmUp);
        qInfo("%llu %s: %lld widgets after the first, %lld after the last; heap in use %zu "
              "bytes after %llu, %zu at the end (%+lld)",
              static_cast<unsigned long long>(count), rounds,
              static_cast<long long>(widgetsAtFirst), static_cast<long long>(widgetsAtLast),
              heapAfterWarmUp, static_cast<unsigned long long>(kWarmUpTests), heapAtEnd, growth);
        QCOMPARE(widgetsAtLast, widgetsAtFirst);
        QVERIFY2(heapAtEnd <= heapAfterWarmUp + kHeapSlackBytes,
                 qPrintable(QStringLiteral("the heap grew by %1 bytes").arg(growth)));
    }

private slots:
    void manyWholeTests()
    {
        // Frames are built when first needed; built now, so that any widget more at the end is
        // one made during the tests.
        buildEveryFrame();
        expectNoGrowth("whole tests", envCount("ZELVARIN_SOAK_TESTS", kDefaultTests),
                       [this](std::uint64_t n) { return wholeTest(n); });
        QCOMPARE(m_exit.calls, 0);
    }

    void aboutOpenedManyTimes()
    {
        expectNoGrowth("openings of About", envCount("ZELVARIN_SOAK_ABOUT", kDefaultAboutOpenings),
                       [this](std::uint64_t n) { return aboutRoundTrip(n); });
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
