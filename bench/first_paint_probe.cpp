#include "bench/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace zelvarin::bench {

std::int64_t driverClockNs()
{
#ifdef _WIN32
    // 100 ns ticks since 1601; the Unix epoch is 11644473600 seconds later.
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = (std::int64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    return (ticks - 116'444'736'000'000'000) * 100;
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
#endif
}

long peakResidentKb()
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kb);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

FirstPaintProbe::FirstPaintProbe()
{
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintProbe::~FirstPaintProbe()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || m_firstPaintNs >= 0 || m_window == nullptr ||
        !watched->isWidgetType())
        return false;
    const auto *widget = static_cast<const QWidget *>(watched);
    if (widget != m_window && !m_window->isAncestorOf(widget))
        return false;
    m_firstPaintNs = driverClockNs();
    // Queued, so it runs once the whole frame has been painted and handed to the display.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_frameDoneNs = driverClockNs();
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    return false;
}

void FirstPaintProbe::report() const
{
    const int width = m_window != nullptr ? m_window->width() : -1;
    const int height = m_window != nullptr ? m_window->height() : -1;
    std::printf("application_ns=%lld built_ns=%lld first_paint_ns=%lld frame_done_ns=%lld "
                "vmhwm_kb=%ld width=%d height=%d\n",
                static_cast<long long>(m_applicationReadyNs),
                static_cast<long long>(m_windowBuiltNs), static_cast<long long>(m_firstPaintNs),
                static_cast<long long>(m_frameDoneNs), peakResidentKb(), width, height);
    std::fflush(stdout);
}

} // namespace zelvarin::bench
