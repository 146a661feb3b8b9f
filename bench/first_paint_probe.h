#pragma once

#include <QObject>

#include <cstdint>

class QWidget;

namespace zelvarin::bench {

// CLOCK_MONOTONIC in nanoseconds. The clock is system-wide, so the driver's reading taken
// before it started this process and ours at the first paint can be subtracted.
std::int64_t monotonicNs();

// The peak resident set of this process (VmHWM) in KiB, or -1 if it cannot be read.
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
    void markApplicationReady() { m_applicationReadyNs = monotonicNs(); }
    void markWindowBuilt() { m_windowBuiltNs = monotonicNs(); }

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
