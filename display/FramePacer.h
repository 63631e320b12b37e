#pragma once
// The smooth look's clock: a thread of its own that wakes at every refresh of the display and
// asks for a frame, which the strips draw on the program's thread. It asks again only once the
// frame before has been presented, and then only at the next refresh: a frame that takes longer
// than a refresh makes the next one skip, never queue, and between two frames input, timers and
// the page always get their turn.
#include <windows.h>

#include <atomic>
#include <functional>
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
    // How long stop() waits for the thread; one that does not end by then (a wait in the
    // system that does not return) is left behind and never asks for a frame again.
    static constexpr DWORD kStopWaitMs = 500;

    FramePacer() = default;
    ~FramePacer() { stop(); }
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // Starts asking for frames with `due` (called on the pacing thread) at every refresh of a
    // display of `refreshHz`; a pacer that runs is stopped first. False when the thread cannot
    // be started.
    bool start(std::function<void()> due, UINT refreshHz);
    // Ends the thread; `due` is never called after it returns.
    void stop();
    bool running() const { return m_shared != nullptr; }
    // The frame asked for has been presented: the next refresh may ask again.
    void framePresented();
    // What the thread waits on (None until it has chosen).
    PacingSource source() const;

private:
    struct Shared;
    static DWORD WINAPI threadMain(void* shared);
    static void release(Shared* shared);

    Shared* m_shared = nullptr;
    fw::KernelHandle m_thread;
};
