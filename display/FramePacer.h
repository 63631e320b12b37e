#pragma once
// The smooth look's clock: a thread of its own that wakes at every refresh of the display and
// posts one message to the strip window, which draws the frame on its own thread. A message is
// posted only once the window has taken the one before, so a busy window never finds a queue
// of them. Modal loops (dialogs, message boxes) dispatch posted messages, so they never stop it.
#include <windows.h>

#include <atomic>
#include <string>

#include "framework/UniqueHandle.h"

// What the pacing thread waits on: the compositor's next frame (DwmFlush, where composition is
// on and the call really waits), or a waitable timer at the display's refresh rate.
enum class PacingSource { None, DwmFlush, HighResolutionTimer, Timer };

// The refresh rate of the display with that device name (the primary display when empty);
// kDefaultRefreshRate where the system gives none (0 or 1 mean "the hardware's default").
constexpr UINT kDefaultRefreshRate = 60;
UINT refreshRateOf(const std::string& deviceName);

class FramePacer {
public:
    FramePacer() = default;
    ~FramePacer() { stop(); }
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // Starts posting `message` to `window` at every refresh of a display of `refreshHz`; a
    // pacer that runs is stopped first. False when the thread cannot be started.
    bool start(HWND window, UINT message, UINT refreshHz);
    // Ends the thread and waits for it; a message it posted may still arrive.
    void stop();
    bool running() const { return static_cast<bool>(m_thread); }
    // The window calls this as it takes the message: the next refresh posts again.
    void frameTaken() { m_posted.store(false); }
    // What the thread waits on (None until it has chosen).
    PacingSource source() const { return m_source.load(); }

private:
    static DWORD WINAPI threadMain(void* self);
    void run();
    // Paces by DwmFlush for as long as it waits for frames; false when it does not (or no longer).
    bool runOnCompositor(LONGLONG period);
    void runOnTimer(LONGLONG period);
    bool stopRequested() const { return WaitForSingleObject(m_stop.get(), 0) != WAIT_TIMEOUT; }
    void post();

    HWND m_window = nullptr;
    UINT m_message = 0;
    UINT m_refreshHz = kDefaultRefreshRate;
    std::atomic<bool> m_posted{false};
    std::atomic<PacingSource> m_source{PacingSource::None};
    fw::KernelHandle m_stop;  // manual-reset event, set to end the thread
    fw::KernelHandle m_thread;
};
