#include "display/SmoothMotion.h"

#include <algorithm>

#include "model/LaneLook.h"
#include "model/AppearanceRules.h"

int smoothSpeedFor(int presetStep, int customSpeed) {
    if (customSpeed >= kMinSpeedPx && customSpeed <= kMaxSpeedPx) return customSpeed;
    return kSpeedPerStep * scrollStepFor(presetStep);
}

LONGLONG performanceCounter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LONGLONG performanceFrequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

void SmoothMotion::start(LONGLONG now, LONGLONG frequency, int speed) {
    m_origin = now;
    m_frequency = std::max<LONGLONG>(frequency, 0);
    m_speed = std::clamp(speed, 0, kMaxSpeedPx);
    m_done = 0;
}

SmoothMotion::Frame SmoothMotion::frameAt(LONGLONG now) {
    Frame frame;
    if (!running()) return frame;
    // In whole counts, so that no rounding accumulates however long the caption runs; whole
    // seconds apart from the rest, so that no product overflows whatever the counter's rate and
    // however long the run (counts times pixels a second would pass 64 bits after some weeks).
    const LONGLONG elapsed = std::max<LONGLONG>(now - m_origin, 0);
    const LONGLONG partTravelled = (elapsed % m_frequency) * m_speed;
    const LONGLONG whole = (elapsed / m_frequency) * m_speed + partTravelled / m_frequency;
    frame.pixels = static_cast<int>(std::clamp<LONGLONG>(whole - m_done, 0, kMaxFramePixels));
    frame.fraction = static_cast<int>((partTravelled % m_frequency) * kFractionSteps / m_frequency);
    m_done = std::max(m_done, whole);
    return frame;
}
