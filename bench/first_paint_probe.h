#pragma once

#include <QObject>

#include <cstdint>

class QWidget;

namespace zelvarin::bench {

// The clock the driver reads too, in nanoseconds, so that its reading taken before it
// started this process and ours at the first paint can be subtracted: CLOCK_MONOTONIC, and
// on Windows (run under Wine by bench/wine_startup.py) the system time since 1970, which
// Wine takes from CLOCK_REALTIME, as Windows has no clock the Linux side can read.
std::int64_t driverClockNs();

// The peak resident set of this process (VmHWM) in KiB, or -1 if it cannot be read (also on
// Windows).
long peakResidentKb();

// Notes the first paint event that any widget of one window receives, lets that frame
// finish, and leaves the event loop. It watches the whole application and not the window
// alone, because a window whose children cover it may get no paint event of its own.
class FirstPaintProbe final : public QObject
{
    Q_OBJECT

public:
    FirstPaintProbe();
    ~FirstPaintProbe() override;

    // Where the time before the first paint goes: call once QApplication exists, and once
    // the window has been built (before show()).
    void markApplicationReady() { m_applicationReadyNs = driverClockNs(); }
    void markWindowBuilt() { m_windowBuiltNs = driverClockNs(); }

    void watch(const QWidget *window) { m_window = window; }

    // One line on stdout, read by the driver: "application_ns=N built_ns=N
    // first_paint_ns=N frame_done_ns=N vmhwm_kb=N width=N height=N".
    void report() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QWidget *m_window = nullptr;
    std::int64_t m_applicationReadyNs = -1;
    std::int64_t m_windowBuiltNs = -1;
    std::int64_t m_firstPaintNs = -1;
    std::int64_t m_frameDoneNs = -1;
};

} // namespace zelvarin::bench
