#include "display/FramePacer.h"

#include <algorithm>
#include <memory>

#include "display/DesktopComposition.h"
#include "display/MonitorList.h"
#include "display/SmoothMotion.h"
#include "framework/Lock.h"
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

// What the program's thread and the pacing thread share, counted, so that a thread that
// outlives stop's wait still finds it.
struct FramePacer::Shared {
    LONG references = 2;  // the pacer and the thread
    CRITICAL_SECTION lock;
    bool quit = false;    // under the lock: `due` is not called once it is set
    std::function<void()> due;
    UINT refreshHz = kDefaultRefreshRate;
    std::atomic<bool> awaited{false};  // a frame was asked for and not presented yet
    std::atomic<PacingSource> source{PacingSource::None};
    fw::KernelHandle stop;  // manual-reset event, set to end the thread

    bool stopRequested() const { return WaitForSingleObject(stop.get(), 0) != WAIT_TIMEOUT; }
    // Asks for a frame, unless the one asked for last is still being drawn.
    void ask() {
        if (awaited.exchange(true)) return;
        fw::Lock held(lock);
        if (!quit && due) due();
    }
    void run();
    bool runOnCompositor(LONGLONG period);
    void runOnTimer(LONGLONG period);
};

UINT refreshRateOf(const std::string& deviceName) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    // The primary monitor's rate for no name and for every monitor (whose first strip lies there).
    const bool primary = deviceName.empty() || deviceName == kEveryMonitor;
    if (!EnumDisplaySettingsA(primary ? nullptr : deviceName.c_str(), ENUM_CURRENT_SETTINGS, &mode) ||
        mode.dmDisplayFrequency <= 1)
        return kDefaultRefreshRate;
    return mode.dmDisplayFrequency;
}

bool FramePacer::start(std::function<void()> due, UINT refreshHz) {
    stop();
    Shared* shared = new Shared;
    InitializeCriticalSection(&shared->lock);
    shared->due = std::move(due);
    shared->refreshHz = std::max<UINT>(refreshHz, 1);
    shared->stop.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE thread = shared->stop ? CreateThread(nullptr, 0, threadMain, shared, 0, nullptr) : nullptr;
    if (!thread) {
        shared->references = 1;
        release(shared);
        return false;
    }
    m_thread.reset(thread);
    m_shared = shared;
    return true;
}

void FramePacer::stop() {
    if (!m_shared) return;
    {
        fw::Lock held(m_shared->lock);
        m_shared->quit = true;
    }
    SetEvent(m_shared->stop.get());
    WaitForSingleObject(m_thread.get(), kStopWaitMs);
    m_thread.reset();
    release(m_shared);
    m_shared = nullptr;
}

void FramePacer::framePresented() {
    if (m_shared) m_shared->awaited.store(false);
}

PacingSource FramePacer::source() const { return m_shared ? m_shared->source.load() : PacingSource::None; }

void FramePacer::release(Shared* shared) {
    if (InterlockedDecrement(&shared->references) != 0) return;
    DeleteCriticalSection(&shared->lock);
    delete shared;
}

DWORD WINAPI FramePacer::threadMain(void* parameter) {
    Shared* shared = static_cast<Shared*>(parameter);
    shared->run();
    release(shared);
    return 0;
}

void FramePacer::Shared::run() {
    const LONGLONG period = std::max<LONGLONG>(performanceFrequency() / refreshHz, 1);
    if (runOnCompositor(period)) return;
    runOnTimer(period);
}

bool FramePacer::Shared::runOnCompositor(LONGLONG period) {
    const DesktopCompositor dwm = desktopCompositor();
    if (!dwm.composing || !dwm.flush) return false;
    const LONGLONG probeStart = performanceCounter();
    for (int i = 0; i < kFlushProbes; ++i)
        if (FAILED(dwm.flush())) return false;
    if (performanceCounter() - probeStart < period * (kFlushProbes - 1)) return false;
    source.store(PacingSource::DwmFlush);
    // Composition may be turned off while the strip runs (Windows 7): DwmFlush then fails or
    // returns at once, and the timer takes over.
    int quick = 0;
    while (!stopRequested()) {
        const LONGLONG before = performanceCounter();
        if (FAILED(dwm.flush())) return false;
        quick = performanceCounter() - before < period / 4 ? quick + 1 : 0;
        if (quick >= kQuickFlushesBeforeTimer) return false;
        ask();
    }
    return true;
}

void FramePacer::Shared::runOnTimer(LONGLONG period) {
    fw::KernelHandle timer(
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    source.store(PacingSource::HighResolutionTimer);
    std::unique_ptr<FineTimerPeriod> finePeriod;
    if (!timer) {
        timer.reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));
        source.store(PacingSource::Timer);
        finePeriod = std::make_unique<FineTimerPeriod>();
    }
    const LONGLONG frequency = performanceFrequency();
    // Without a timer the frames still come, at whole milliseconds.
    auto waitOnStopEvent = [&] {
        source.store(PacingSource::Timer);
        const DWORD ms = static_cast<DWORD>(std::max<LONGLONG>(period * 1000 / frequency, 1));
        while (WaitForSingleObject(stop.get(), ms) == WAIT_TIMEOUT) ask();
    };
    if (!timer) return waitOnStopEvent();
    const HANDLE waits[] = {stop.get(), timer.get()};
    // Deadlines on a fixed grid: a late wake-up delays one frame, not every one after it.
    LONGLONG next = performanceCounter() + period;
    for (;;) {
        const LONGLONG now = performanceCounter();
        if (next <= now) next += ((now - next) / period + 1) * period;
        LARGE_INTEGER due;
        due.QuadPart = -std::max<LONGLONG>((next - now) * 10000000 / frequency, 1);  // 100 ns units
        if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return waitOnStopEvent();
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
        ask();
        next += period;
    }
}
