#include "app/AirClock.h"

namespace {
// Past the turn of the minute, so that the minute read is the new one.
constexpr DWORD kPastTheMinuteMs = 200;
}  // namespace

AirClock::AirClock(fw::UiQueue& queue, Show& show) : m_queue(queue), m_show(show) { m_show.addListener(this); }

AirClock::~AirClock() { stop(); }

LocalMinute AirClock::localMinute() const { return localMinuteNow(); }

void AirClock::clockChanged() {
    if (m_stopped) return;
    m_show.readWallClock();
    // The next check follows the clock as it reads now.
    m_queue.cancel(this);
    m_checkWaits = false;
    if (m_show.anyArmed()) checkAfterMinuteTurns();
}

void AirClock::stop() {
    if (m_stopped) return;
    m_stopped = true;
    m_queue.cancel(this);
    m_show.removeListener(this);
}

void AirClock::showChanged(const ShowChange&) {
    if (!m_stopped && !m_checkWaits && m_show.anyArmed()) checkAfterMinuteTurns();
}

void AirClock::checkAfterMinuteTurns() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const DWORD intoMinute = (now.wSecond % 60u) * 1000u + now.wMilliseconds % 1000u;
    m_checkWaits = true;
    m_queue.postAfter(this, 0, 60000u - intoMinute + kPastTheMinuteMs, [this] {
        m_checkWaits = false;
        m_show.readWallClock();
        if (!m_checkWaits && m_show.anyArmed()) checkAfterMinuteTurns();
    });
}
