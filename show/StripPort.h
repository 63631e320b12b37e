#pragma once
// Where a lane meets the strips that show it, in both directions, without a window in sight:
// the lane tells its strips (StripPort) which caption enters and how far the strip moves, and
// the strips' clock (the caption window's timers and the smooth look's frames) tells the lane
// (LaneClock) when to move and count down. Positions are lane columns: the pixels of the strip
// the lane measures by (its first strip); a strip at another resolution scales them to its own.
#include <string>

#include "model/CaptionId.h"
#include "show/LaneView.h"

class StripPort {
public:
    // `text` enters at the strips' right edge from the next move on (the empty text: the blank
    // caption that lets the last one scroll out); `followsCaption`: it comes right after another
    // caption (a separator goes before it); `fromBlank`: the strips show the ground first. The
    // caption's width in lane columns: once the lane has moved past it, the next one enters.
    virtual int enter(const std::wstring& text, bool followsCaption, bool fromBlank) = 0;
    // The strips move `columns` lane columns to the left; the entering columns come from the
    // caption that entered last.
    virtual void scroll(int columns) = 0;
    // Lane columns the strips need after the last caption on air has gone, for it to leave every
    // strip.
    virtual int drainColumns() = 0;
    // The strips show what they hold now (once a move or an entry is over).
    virtual void present() = 0;
    // The clock's work: moving (timer 101 or the smooth look's frames) and counting down
    // (timer 102) run only while there is something to do.
    virtual void setMoving(bool moving) = 0;
    virtual void setCounting(bool counting) = 0;
    // A caption went on air: the strips come to the top of the topmost windows.
    virtual void raise() = 0;
    // The lane is shown (表示ON) or hidden (表示OFF): hidden strips present nothing, and the lane
    // moves on by the time elapsed.
    virtual void setShown(bool shown) = 0;

protected:
    ~StripPort() = default;
};

class LaneClock {
public:
    // Timer 101: one scroll step of `columns`.
    virtual void onScrollTick(int columns) = 0;
    // A frame of the smooth look: `columns` whole columns moved since the last one.
    virtual void onFrame(int columns) = 0;
    // Timer 102: display times count down by the time that has really passed.
    virtual void onCountDownTick() = 0;
    // The strips were laid out anew: the caption on the strip enters again from its start.
    virtual void onStripsLaidOut() = 0;
    // The strips took a new style in place: the caption on the strip keeps its point and is now
    // `captionWidth` lane columns wide.
    virtual void onStripsRestyled(int captionWidth) = 0;
    // What the strips show, as the lane keeps it.
    virtual const LaneView& view() const = 0;

protected:
    ~LaneClock() = default;
};

// What a lane reports, in the order it happens.
class LaneListener {
public:
    // The caption's display time is up; it has left the schedule.
    virtual void captionEnded(CaptionId id) = 0;
    // Told just before captionEnded for an armed caption that made its last play or whose
    // window is over.
    virtual void airOver(CaptionId) {}
    // An armed caption's window opened or closed (its row changes).
    virtual void airStateMoved() {}
    // Nothing is on air and the last caption has left every strip; moving has stopped.
    virtual void rollingEnded() = 0;
    // A caption (or the blank one) entered the strips: the lane's entries() grew by one.
    virtual void captionEntered() {}

protected:
    ~LaneListener() = default;
};

// The time on a monotonic clock, in milliseconds; a test gives a clock of its own.
class MonotonicClock {
public:
    virtual long long nowMs() const = 0;

protected:
    ~MonotonicClock() = default;
};
