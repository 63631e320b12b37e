#pragma once
// One ticker lane: the captions on air (its schedule), the caption entering the strips and how
// far it has entered, the drain that lets the last caption leave every strip before rolling
// stops, and the cut-in. It owns no window: its strips (StripPort) show what it tells them, and
// their clock (LaneClock) moves it and counts it down. What happens is reported to its
// listener.
#include <string>
#include <utility>
#include <vector>

#include "model/CaptionId.h"
#include "show/PassedCaptions.h"
#include "show/Schedule.h"
#include "show/StripPort.h"
#include "show/WallClock.h"

class Lane : public LaneClock, public LaneView {
public:
    // What one move did: nothing (not rolling), moved, or moved for the last time (rolling has
    // ended).
    enum class Move { kIdle, kMoved, kEnded };

    Lane(StripPort& strips, LaneListener& listener, const MonotonicClock& clock);
    Lane(const Lane&) = delete;
    Lane& operator=(const Lane&) = delete;

    // The clock the captions' windows are read by (not owned; null: every window is open).
    void setWallClock(const WallClock* wall) { m_wall = wall; }
    // Puts a caption on air, or renews the one on air under that id (its time starts anew). With
    // a window set it is armed: it is shown only while the window is open.
    void addKirun(CaptionId id, const std::wstring& text, int minutes, const AirWindow& window = AirWindow());
    // The same for many captions at once, in their order (the strips are raised once).
    void addCaptions(const std::vector<std::pair<CaptionId, std::wstring>>& captions, int minutes);
    // Puts the cut-in on air (or renews it): it is shown pass after pass until its time is up or
    // it is taken off, then the cycle goes on with the caption that was due. The caption being
    // shown leaves the strip at once, or with `afterCurrent` finishes its pass first; a caption
    // that had to leave is the one due afterwards.
    void cutIn(const std::wstring& text, int minutes, bool afterCurrent);
    // Takes the caption off air without reporting it; the one on the strip finishes its pass.
    bool remove(CaptionId id);
    // The same for every caption the predicate names, in one pass; how many went.
    int removeWhere(const std::function<bool(CaptionId)>& gone);
    // With nothing on air: the strips show the ground at once and rolling stops, with no caption
    // left to scroll out. False (and nothing changes) while a caption is still on air.
    bool blank();

    // Moves by one scroll step of `columns`.
    Move tick(int columns);
    // The smooth look's move: `columns` at once, cut where the caption on the strip ends, so
    // that the next one follows at its distance however far a frame moves.
    Move advance(int columns);
    // `elapsedMs` pass for every caption on air; those whose time is up are reported and leave.
    void countDown(long long elapsedMs);
    // The wall clock read (once a minute, after a change of the system time or a sleep): the
    // armed captions' windows are read here, not at caption boundaries, which choose by the
    // states read last. Armed captions that are over leave as reported, and a lane that stands
    // still with only waiting captions starts moving once one opens.
    void readWallClock();

    // LaneClock: the strips' timers and frames.
    void onScrollTick(int columns) override;
    void onFrame(int columns) override;
    void onCountDownTick() override;
    void onStripsLaidOut() override;
    void onStripsRestyled(int captionWidth) override;
    const LaneView& view() const override { return *this; }

    const Schedule& schedule() const { return m_schedule; }
    bool rolling() const { return m_rolling; }
    // Rolling, but standing still: every caption on air waits for its window.
    bool idle() const { return m_idle; }
    // The caption entering the strips; kNone and the empty text for the blank one.
    CaptionId currentId() const { return m_currentId; }
    // LaneView: the caption on the strips, as far as it has entered, and what passed before it.
    const std::wstring& currentText() const override { return m_currentText; }
    bool currentFollows() const override { return m_follows; }
    int position() const override { return m_position; }
    int captionWidth() const override { return m_captionWidth; }
    const PassedCaptions& passed() const override { return m_passed; }
    // How many captions have entered the strips, the blank one included (once while it repeats
    // as the strips drain); whether the strips showed nothing before the last one (they were
    // cleared for it, or were blank and have not moved since), so that a page drawing the lane
    // itself clears with it.
    unsigned long long entries() const { return m_entries; }
    bool enteredFromBlank() const { return m_fromBlank; }

private:
    void startRolling();
    void enter(CaptionId id, const std::wstring& text, bool followsCaption, bool fromBlank);
    void scrollStep(int columns);
    void selectNextCaption();
    Move afterMove(int columns);
    void endRolling();
    void resetDrain() { m_drain = m_strips.drainColumns(); }
    // Reported after the move that found them: armed captions that made their last play or
    // whose window is over.
    void reportAirEnded();
    void stopCountingWhenEmpty();
    void wakeIfIdle();

    StripPort& m_strips;
    LaneListener& m_listener;
    const MonotonicClock& m_clock;
    Schedule m_schedule;
    CaptionId m_currentId = caption_ids::kNone;
    std::wstring m_currentText;  // empty while the blank caption is shown
    bool m_follows = false;      // it came right after another caption
    PassedCaptions m_passed;     // that entered before it, still on the strips
    int m_captionWidth = 0;
    int m_position = 0;          // lane columns of the current caption entered so far
    bool m_rolling = false;
    bool m_counting = false;
    unsigned long long m_entries = 0;
    bool m_fromBlank = false;
    int m_drain = 0;             // lane columns still to move once nothing is on air
    long long m_lastCountDownMs = 0;
    const WallClock* m_wall = nullptr;
    std::vector<CaptionId> m_airEnded;  // armed captions gone (played out or over), still to report
    bool m_waitingOnly = false;  // the last boundary found nothing to show: every caption waits
    bool m_idle = false;         // so it stopped moving once the strips had drained
    bool m_airMoved = false;     // an armed caption's state moved, still to report
};
