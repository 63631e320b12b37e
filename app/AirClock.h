#pragma once
// The PC's local wall clock as list captions' windows read it, and the check that reads it
// between caption boundaries: just after each minute turns while some armed caption is on air
// (so a lane standing still for a window starts within a second of its minute), and at once
// after a change of the system time, the time zone or daylight time, or a resume from sleep.
#include <windows.h>

#include "framework/UiQueue.h"
#include "show/Show.h"
#include "show/WallClock.h"

class AirClock final : public WallClock, private ShowListener {
public:
    AirClock(fw::UiQueue& queue, Show& show);
    ~AirClock();
    AirClock(const AirClock&) = delete;
    AirClock& operator=(const AirClock&) = delete;

    // GetLocalTime, in whole minutes.
    LocalMinute localMinute() const override;
    // The main window heard WM_TIMECHANGE or a resume from sleep.
    void clockChanged();
    // No check waits any more, and the show's changes are no longer heard.
    void stop();

private:
    void showChanged(const ShowChange& change) override;
    void checkAfterMinuteTurns();

    fw::UiQueue& m_queue;
    Show& m_show;
    bool m_checkWaits = false;
    bool m_stopped = false;
};
