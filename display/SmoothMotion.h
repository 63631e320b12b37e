#pragma once
// The smooth look's motion law: the caption's position is the time elapsed since it started
// moving times the speed, so every frame shows where the text should be at that moment. A
// late frame moves it further and never slows it; frames at any refresh rate agree.
#include <windows.h>

// The smooth look's speed for the four speed buttons (steps 1 to 4): 20, 40, 60, 80 pixels a
// second, the same as the colour-keyed strip's steps of 1 to 4 pixels every 50 ms.
constexpr int kSpeedPerStep = 20;

// Pixels a second: `customSpeed` when it lies within kMinSpeedPx ... kMaxSpeedPx, else the
// speed of the button step `presetStep`.
int smoothSpeedFor(int presetStep, int customSpeed);

// QueryPerformanceCounter's value and frequency.
LONGLONG performanceCounter();
LONGLONG performanceFrequency();

class SmoothMotion {
public:
    // Fractions of a pixel a frame is drawn at.
    static constexpr int kFractionSteps = 256;

    // What a frame shows: the whole pixels moved since the frame before, and how far beyond
    // them the position lies, in 1/kFractionSteps of a pixel.
    struct Frame {
        int pixels = 0;
        int fraction = 0;
    };

    // The position is 0 at counter value `now` and grows by `speed` pixels every `frequency`
    // counts (QueryPerformanceCounter's values and frequency).
    void start(LONGLONG now, LONGLONG frequency, int speed);
    void stop() { m_frequency = 0; }
    bool running() const { return m_frequency > 0; }
    // The frame at counter value `now`: nothing while stopped. After a stall longer than
    // kMaxFramePixels worth (a suspended machine), the text moves that far and goes on from there.
    Frame frameAt(LONGLONG now);

    static constexpr int kMaxFramePixels = 4096;

private:
    LONGLONG m_origin = 0;
    LONGLONG m_frequency = 0;  // 0: stopped
    LONGLONG m_speed = 0;
    LONGLONG m_done = 0;       // whole pixels handed out since the start
};
