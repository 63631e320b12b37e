#include "show/Lane.h"

#include <algorithm>

Lane::Lane(StripPort& strips, LaneListener& listener, const MonotonicClock& clock)
    : m_strips(strips), m_listener(listener), m_clock(clock) {}

void Lane::addKirun(CaptionId id, const std::wstring& text, int minutes, const AirWindow& window) {
    if (m_wall && window.set()) m_schedule.setNow(m_wall->localMinute());
    m_schedule.put(id, text, minutes, window);
    // Nothing is being shown: this caption enters at the right edge from the next move on (an
    // armed one only while its window is open; otherwise it joins at a boundary once it opens).
    if (m_currentText.empty() && (!window.set() || m_schedule.showable(id))) enter(id, text, false, false);
    startRolling();
}

void Lane::addCaptions(const std::vector<std::pair<CaptionId, std::wstring>>& captions, int minutes) {
    if (captions.empty()) return;
    for (const auto& caption : captions) m_schedule.put(caption.first, caption.second, minutes);
    if (m_currentText.empty()) enter(captions.front().first, captions.front().second, false, false);
    startRolling();
}

void Lane::cutIn(const std::wstring& text, int minutes, bool afterCurrent) {
    const bool showing = !m_currentText.empty();
    addKirun(caption_ids::kCutIn, text, minutes);
    if (!showing || afterCurrent) return;
    if (m_currentId != caption_ids::kCutIn) m_schedule.makeDue(m_currentId);
    enter(caption_ids::kCutIn, text, false, true);
    resetDrain();
}

void Lane::startRolling() {
    m_rolling = true;
    m_waitingOnly = false;
    m_idle = false;
    // Should the schedule empty again before the next move, the caption that entered still has
    // to leave the strips before rolling stops.
    resetDrain();
    m_strips.setMoving(true);
    if (!m_counting) {
        m_counting = true;
        m_lastCountDownMs = m_clock.nowMs();
        m_strips.setCounting(true);
    }
    m_strips.raise();
}

void Lane::enter(CaptionId id, const std::wstring& text, bool followsCaption, bool fromBlank) {
    // A blank behind the blank (the strips draining) is the same blank going on, no new entry.
    const bool sameBlank = text.empty() && m_currentText.empty() && !fromBlank && m_entries > 0;
    // New strips are blank, and blank strips that have not moved still are.
    const bool blankBefore = fromBlank || m_entries == 0 || (m_fromBlank && m_position == 0);
    if (fromBlank) m_passed.clear();
    else m_passed.passed(m_currentText, m_follows, m_captionWidth, m_position);
    m_currentId = id;
    m_currentText = text;
    m_follows = followsCaption && !text.empty();
    m_position = 0;
    m_captionWidth = m_strips.enter(text, m_follows, fromBlank);
    if (sameBlank) return;
    m_fromBlank = blankBefore;
    ++m_entries;
    m_listener.captionEntered();
}

int Lane::removeWhere(const std::function<bool(CaptionId)>& gone) {
    const int removed = m_schedule.removeWhere(gone);
    if (removed > 0) stopCountingWhenEmpty();
    return removed;
}

bool Lane::remove(CaptionId id) {
    if (!m_schedule.remove(id)) return false;
    // The caption being shown finishes its pass; an emptied schedule drains on the moves.
    stopCountingWhenEmpty();
    return true;
}

bool Lane::blank() {
    if (!m_schedule.empty()) return false;
    m_schedule.restartCycle();
    enter(caption_ids::kNone, std::wstring(), false, true);
    const bool wasRolling = m_rolling;
    m_rolling = false;
    m_strips.setMoving(false);
    m_strips.present();
    return wasRolling;
}

Lane::Move Lane::tick(int columns) {
    if (!m_rolling || m_idle) return Move::kIdle;
    scrollStep(columns);
    reportAirEnded();
    return afterMove(columns);
}

Lane::Move Lane::advance(int columns) {
    if (!m_rolling || m_idle) return Move::kIdle;
    for (int left = columns; left > 0;) {
        const int step = std::min(left, std::max(1, m_captionWidth + 1 - m_position));
        scrollStep(step);
        left -= step;
    }
    reportAirEnded();
    return afterMove(std::max(columns, 0));
}

void Lane::scrollStep(int columns) {
    // The strips follow the lane to the position it has reached.
    m_position += columns;
    m_strips.scroll(columns);
    if (m_position > m_captionWidth) selectNextCaption();
}

void Lane::selectNextCaption() {
    const bool followsCaption = !m_currentText.empty();
    // The caption whose tail has entered made a pass. The windows' states were read at the
    // last minute check and hold until the next one, so choosing reads no window.
    if (m_schedule.played(m_currentId)) m_airEnded.push_back(m_currentId);
    const ScheduledCaption* next = m_schedule.selectNext();
    m_waitingOnly = !next && !m_schedule.empty();
    if (next) enter(next->id, next->text, followsCaption, false);
    else enter(caption_ids::kNone, std::wstring(), false, false);
}

Lane::Move Lane::afterMove(int columns) {
    if (!m_schedule.empty() && !m_waitingOnly) {
        resetDrain();
        return Move::kMoved;
    }
    m_drain -= columns;
    if (m_drain >= 0) return Move::kMoved;
    if (!m_schedule.empty()) {
        // Every caption on air waits for its window: the drained lane stands still, still
        // rolling, until the wall clock finds one open.
        m_idle = true;
        m_strips.setMoving(false);
        return Move::kMoved;
    }
    m_rolling = false;
    return Move::kEnded;
}

void Lane::countDown(long long elapsedMs) {
    std::vector<CaptionId> over;
    for (CaptionId id : m_schedule.countDown(elapsedMs, &over)) {
        if (std::find(over.begin(), over.end(), id) != over.end()) m_listener.airOver(id);
        m_listener.captionEnded(id);
    }
    stopCountingWhenEmpty();
}

void Lane::stopCountingWhenEmpty() {
    if (!m_schedule.empty()) return;
    if (m_counting) {
        m_counting = false;
        m_strips.setCounting(false);
    }
    // A lane that stood still for a window moves again, to end its rolling on the next move.
    wakeIfIdle();
}

void Lane::wakeIfIdle() {
    if (!m_idle) return;
    m_idle = false;
    m_waitingOnly = false;
    m_strips.setMoving(true);
}

void Lane::readWallClock() {
    if (!m_wall || m_schedule.armedCount() == 0) return;
    m_schedule.setNow(m_wall->localMinute());
    bool moved = false;
    for (CaptionId id : m_schedule.refresh(&moved)) m_airEnded.push_back(id);
    m_airMoved = m_airMoved || moved;
    if (m_idle && m_schedule.anyShowable()) wakeIfIdle();
    reportAirEnded();
}

void Lane::reportAirEnded() {
    if (m_airMoved) {
        m_airMoved = false;
        m_listener.airStateMoved();
    }
    if (m_airEnded.empty()) return;
    const std::vector<CaptionId> ended = std::move(m_airEnded);
    m_airEnded.clear();
    for (CaptionId id : ended) {
        m_listener.airOver(id);
        m_listener.captionEnded(id);
    }
    stopCountingWhenEmpty();
}

void Lane::endRolling() {
    // Stopped before the listener hears of it: the listener may end the program or put a
    // caption on air again, and neither may be undone here afterwards.
    m_strips.setMoving(false);
    m_listener.rollingEnded();
}

void Lane::onScrollTick(int columns) {
    const Move move = tick(columns);
    if (move == Move::kIdle) return;
    m_strips.present();
    if (move == Move::kEnded) endRolling();
}

void Lane::onFrame(int columns) {
    const Move move = advance(columns);
    if (move == Move::kIdle) return;
    m_strips.present();
    if (move == Move::kEnded) endRolling();
}

void Lane::onCountDownTick() {
    // The time that has really passed: a timer that fires late or not at all (a busy thread, a
    // clock tick of 15.6 ms) never stretches a display time.
    const long long now = m_clock.nowMs();
    const long long elapsed = now - m_lastCountDownMs;
    m_lastCountDownMs = now;
    countDown(elapsed);
}

void Lane::onStripsRestyled(int captionWidth) {
    // Restyled, the strips show the current caption alone.
    m_passed.clear();
    m_captionWidth = captionWidth;
}

void Lane::onStripsLaidOut() {
    // The current caption enters again on blank strips; the cycle starts at its first caption.
    m_schedule.restartCycle();
    enter(m_currentId, m_currentText, false, true);
    // A caption draining out needs the whole way out anew.
    if (m_rolling && m_schedule.empty() && !m_currentText.empty()) resetDrain();
}
