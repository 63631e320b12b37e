#include "display/FramePacer.h"

#include <algorithm>
#include <memory>

#include "display/DesktopComposition.h"
#include "display/MonitorList.h"
#include "display/SmoothMotion.h"
#include "framework/SystemLibrary.h"

namespace {
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif
using TimePeriodFunction = UINT(WINAPI*)(UINT);

// DwmFlush waits for the compositor's next frame only where composition is on; elsewhere (and
// under Wine, where it returns at once) a loop on it would spin. It counts as waiting when
// kFlushProbes calls take at least kFlushProbes - 1 refresh periods, and stops counting after
// kQuickFlushesBeforeTimer calls in a row that return within a quarter of one.
constexpr int kFlushProbes = 3;
constexpr int kQuickFlushesBeforeTimer = 3;

// The 1 ms timer resolution while a normal waitable timer paces frames (where the system has no
// high-resolution timer, its timers otherwise fire at 15.6 ms steps).
class FineTimerPeriod {
public:
    FineTimerPeriod() {
        HMODULE winmm = fw::LoadSystemLibrary("winmm.dll");
        auto begin = fw::BindFunction<TimePeriodFunction>(winmm, "timeBeginPeriod");
        m_end = fw::BindFunction<TimePeriodFunction>(winmm, "timeEndPeriod");
        m_on = begin && m_end && begin(1) == 0;
    }
    ~FineTimerPeriod() {
        if (m_on) m_end(1);
    }
    FineTimerPeriod(const FineTimerPeriod&) = delete;
    FineTimerPeriod& operator=(const FineTimerPeriod&) = delete;

private:
    TimePeriodFunction m_end = nullptr;
    bool m_on = false;
};
}  // namespace

UINT refreshRateOf(const std::string& deviceName) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    // The primary monitor's rate for no name and for every monitor (whose leading strip lies there).
    const bool primary = deviceName.empty() || deviceName == kEveryMonitor;
    if (!EnumDisplaySettingsA(primary ? nullptr : deviceName.c_str(), ENUM_CURRENT_SETTINGS, &mode) ||
        mode.dmDisplayFrequency <= 1)
        return kDefaultRefreshRate;
    return mode.dmDisplayFrequency;
}

bool FramePacer::start(HWND window, UINT message, UINT refreshHz) {
    stop();
    m_window = window;
    m_message = message;
    m_refreshHz = std::max<UINT>(refreshHz, 1);
    m_posted.store(false);
    m_source.store(PacingSource::None);
    m_stop.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_stop) return false;
    m_thread.reset(CreateThread(nullptr, 0, threadMain, this, 0, nullptr));
    return running();
}

void FramePacer::stop() {
    if (m_thread) {
        SetEvent(m_stop.get());
        WaitForSingleObject(m_thread.get(), INFINITE);
        m_thread.reset();
    }
    m_stop.reset();
}

DWORD WINAPI FramePacer::threadMain(void* self) {
    static_cast<FramePacer*>(self)->run();
    return 0;
}

void FramePacer::run() {
    const LONGLONG period = std::max<LONGLONG>(performanceFrequency() / m_refreshHz, 1);
    if (runOnCompositor(period)) return;
    runOnTimer(period);
}

void FramePacer::post() {
    if (m_posted.exchange(true)) return;
    if (!PostMessageA(m_window, m_message, 0, 0)) m_posted.store(false);
}

bool FramePacer::runOnCompositor(LONGLONG period) {
    const DesktopCompositor dwm = desktopCompositor();
    if (!dwm.composing || !dwm.flush) return false;
    const LONGLONG probeStart = performanceCounter();
    for (int i = 0; i < kFlushProbes; ++i)
        if (FAILED(dwm.flush())) return false;
    if (performanceCounter() - probeStart < period * (kFlushProbes - 1)) return false;
    m_source.store(PacingSource::DwmFlush);
    // Composition may be turned off while the strip runs (Windows 7): DwmFlush then fails or
    // returns at once, and the timer takes over.
    int quick = 0;
    while (!stopRequested()) {
        const LONGLONG before = performanceCounter();
        if (FAILED(dwm.flush())) return false;
        quick = performanceCounter() - before < period / 4 ? quick + 1 : 0;
        if (quick >= kQuickFlushesBeforeTimer) return false;
        post();
    }
    return true;
}

void FramePacer::runOnTimer(LONGLONG period) {
    fw::KernelHandle timer(
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    m_source.store(PacingSource::HighResolutionTimer);
    std::unique_ptr<FineTimerPeriod> finePeriod;
    if (!timer) {
        timer.reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));
        m_source.store(PacingSource::Timer);
        finePeriod = std::make_unique<FineTimerPeriod>();
    }
    const LONGLONG frequency = performanceFrequency();
    // Without a timer the frames still come, at whole milliseconds.
    auto waitOnStopEvent = [&] {
        m_source.store(PacingSource::Timer);
        const DWORD ms = static_cast<DWORD>(std::max<LONGLONG>(period * 1000 / frequency, 1));
        while (WaitForSingleObject(m_stop.get(), ms) == WAIT_TIMEOUT) post();
    };
    if (!timer) return waitOnStopEvent();
    const HANDLE waits[] = {m_stop.get(), timer.get()};
    // Deadlines on a fixed grid: a late wake-up delays one frame, not every one after it.
    LONGLONG next = performanceCounter() + period;
    for (;;) {
        const LONGLONG now = performanceCounter();
        if (next <= now) next += ((now - next) / period + 1) * period;
        LARGE_INTEGER due;
        due.QuadPart = -std::max<LONGLONG>((next - now) * 10000000 / frequency, 1);  // 100 ns units
        if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return waitOnStopEvent();
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
        post();
        next += period;
    }
}
