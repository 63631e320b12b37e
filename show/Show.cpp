#include "show/Show.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "framework/WideText.h"
#include "model/LaneLook.h"
#include "show/CaptionKinds.h"
#include "show/ShowTimes.h"


Show::Show(StripPort& lane1Strips, const MonotonicClock& clock) : m_clock(clock) {
    m_lanes.push_back(std::make_unique<LaneSlot>(*this, 1, lane1Strips, clock));
}

void Show::addListener(ShowListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void Show::removeListener(ShowListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void Show::tell(const ShowChange& change) {
    // A listener may add or remove listeners while it hears the change: those heard are a copy.
    const std::vector<ShowListener*> listeners = m_listeners;
    for (ShowListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) listener->showChanged(change);
}

void Show::setWallClock(const WallClock* wall) {
    m_wall = wall;
    for (const auto& slot : m_lanes) slot->lane.setWallClock(wall);
}

void Show::readWallClock() {
    for (const auto& slot : m_lanes) slot->lane.readWallClock();
}

bool Show::anyArmed() const {
    for (const auto& slot : m_lanes)
        if (slot->lane.schedule().armedCount() > 0) return true;
    return false;
}

int Show::addLane(StripPort& strips) {
    if (laneCount() >= kMaxLanes) return 0;
    const int number = laneCount() + 1;
    m_lanes.push_back(std::make_unique<LaneSlot>(*this, number, strips, m_clock));
    m_lanes.back()->lane.setWallClock(m_wall);
    changed(number);
    return number;
}

bool Show::removeLane(int number) {
    if (number <= 1 || !hasLane(number)) return false;
    const bool wasRolling = laneOf(number).rolling();
    takeEverythingOffAir(number);
    m_lanes.erase(m_lanes.begin() + (number - 1));
    for (size_t i = 0; i < m_lanes.size(); ++i) m_lanes[i]->number = static_cast<int>(i) + 1;
    changed();
    // Its strips stop with it: should it have been the last lane rolling, rolling has ended.
    if (wasRolling) tellIfAllRolledOut();
    return true;
}

std::vector<Show::LaneSlot*> Show::lanesFor(int lane) {
    std::vector<LaneSlot*> lanes;
    if (lane == CaptionCommand::kEveryLane)
        for (const auto& slot : m_lanes) lanes.push_back(slot.get());
    else if (hasLane(lane))
        lanes.push_back(&slotOf(lane));
    return lanes;
}

void Show::printOnAir(CaptionId id, bool cutIn) const {
    // The index a caption has always been reported by: its list position, or for the captions
    // that are no list item numbers the list never reaches; -1 for a data source's item.
    int index = -1;
    switch (id) {
    case caption_ids::kFile: index = 60000; break;
    case caption_ids::kFreeText: index = 60001; break;
    case caption_ids::kCutIn: index = 60002; break;
    default: index = isSourceCaption(id) ? -1 : m_captions.positionOf(id); break;
    }
    std::printf(cutIn ? "CKirunWin::cutInKirun() index=%d\n" : "CKirunWin::addKirun() index=%d\n", index);
    std::fflush(stdout);
}

void Show::put(LaneSlot& slot, CaptionId id, const std::wstring& text, int minutes, int position,
               const AirWindow& window) {
    printOnAir(id, false);
    m_airOver.erase(id);
    slot.lane.addKirun(id, text, minutes, window);
    changed(slot.number, position);
}

bool Show::putOnAir(int position) {
    if (!m_captions.contains(position)) return false;
    const CKirunData& item = m_captions.at(position);
    if (!hasLane(item.m_lane)) return false;
    put(slotOf(item.m_lane), item.m_id, fw::WithoutLineBreaks(item.m_text), item.m_minutes, position, item.m_window);
    return true;
}

bool Show::putNumbersOnAir(const std::vector<int>& numbers) {
    std::vector<bool> sent(static_cast<size_t>(m_captions.count()), false);
    bool anyOnAir = false;
    for (int number : numbers) {
        const int position = number - 1;
        if (!m_captions.contains(position) || sent[static_cast<size_t>(position)]) continue;
        sent[static_cast<size_t>(position)] = true;
        anyOnAir = putOnAir(position) || anyOnAir;
    }
    return anyOnAir;
}

bool Show::takeOffAir(int position) {
    if (!m_captions.contains(position)) return false;
    // An item is on air on one lane at most, whichever lane it names now.
    bool gone = false;
    for (const auto& slot : m_lanes) gone = slot->lane.remove(m_captions.at(position).m_id) || gone;
    if (gone) changed(0, position);
    return gone;
}

bool Show::takeOffAir(int lane, CaptionId id) {
    bool gone = false;
    for (LaneSlot* slot : lanesFor(lane)) {
        if (!slot->lane.remove(id)) continue;
        gone = true;
        // A cut-in taken off lets the next waiting one cut in at once.
        if (id == caption_ids::kCutIn) nextCutIn(*slot, false);
        changed(slot->number);
    }
    return gone;
}

bool Show::onAir(int position) const {
    return m_captions.contains(position) && tenthsLeft(m_captions.at(position).m_id) >= 0;
}

bool Show::showFreeText(int lane, const std::wstring& text, int minutes) {
    if (!hasLane(lane)) return false;
    put(slotOf(lane), caption_ids::kFreeText, text, minutes);
    return true;
}

bool Show::showFileCaption(int lane, const std::wstring& text, int minutes) {
    if (!hasLane(lane)) return false;
    // The watched file has one caption: it goes with the file to the lane the file names now.
    for (const auto& slot : m_lanes)
        if (slot->number != lane && slot->lane.remove(caption_ids::kFile)) changed(slot->number);
    put(slotOf(lane), caption_ids::kFile, text, minutes);
    return true;
}

bool Show::captionOnAir(CaptionId id, std::wstring& text) const {
    for (const auto& slot : m_lanes) {
        if (const ScheduledCaption* caption = slot->lane.schedule().find(id)) {
            text = caption->text;
            return true;
        }
    }
    return false;
}

bool Show::captionOnAir(int lane, CaptionId id) const {
    return hasLane(lane) && slotOf(lane).lane.schedule().find(id) != nullptr;
}

void Show::putCutIn(LaneSlot& slot, const std::wstring& text, int minutes, bool afterCurrent) {
    printOnAir(caption_ids::kCutIn, true);
    slot.lane.cutIn(text, minutes, afterCurrent);
}

bool Show::cutIn(int lane, const std::wstring& text, int minutes, bool afterCurrent) {
    if (!hasLane(lane)) return false;
    putCutIn(slotOf(lane), text, minutes, afterCurrent);
    changed(lane);
    return true;
}

bool Show::queueCutIn(int lane, const std::wstring& text, int minutes, bool afterCurrent) {
    if (!hasLane(lane)) return false;
    LaneSlot& slot = slotOf(lane);
    if (!slot.lane.schedule().find(caption_ids::kCutIn)) return cutIn(lane, text, minutes, afterCurrent);
    slot.cutIns.push(text, minutes);
    changed(lane);
    return true;
}

void Show::nextCutIn(LaneSlot& slot, bool afterCurrent) {
    CutInQueue::Waiting next;
    if (slot.lane.schedule().find(caption_ids::kCutIn) || !slot.cutIns.pop(next)) return;
    putCutIn(slot, next.text, next.minutes, afterCurrent);
}

void Show::applySourceChanges(int lane, const CaptionChanges& changes) {
    if (changes.empty()) return;
    if (!changes.leave.empty()) {
        const std::unordered_set<CaptionId> leaving(changes.leave.begin(), changes.leave.end());
        for (const auto& slot : m_lanes) slot->lane.removeWhere([&](CaptionId id) { return leaving.count(id) != 0; });
    }
    if (hasLane(lane)) {
        Lane& target = laneOf(lane);
        // A changed text is put in place of the old one; the pass on the strip keeps the old text.
        std::vector<std::pair<CaptionId, std::wstring>> retexts;
        for (const auto& retext : changes.retext)
            if (target.schedule().find(retext.first)) retexts.push_back(retext);
        target.addCaptions(retexts, 0);
        target.addCaptions(changes.join, 0);
    }
    changed(hasLane(lane) ? lane : 0);
}

void Show::setSourceRows(std::vector<SourceRow> rows) {
    if (rows.size() == m_sourceRows.size() && std::equal(rows.begin(), rows.end(), m_sourceRows.begin())) return;
    m_sourceRows = std::move(rows);
    changed();
}

void Show::setSourceRow(int index, const SourceRow& row) {
    if (index < 0 || index >= static_cast<int>(m_sourceRows.size())) return;
    if (m_sourceRows[static_cast<size_t>(index)] == row) return;
    m_sourceRows[static_cast<size_t>(index)] = row;
    changed();
}

std::vector<int> Show::takeEverythingOffAir(int lane) {
    std::vector<int> positions;
    const std::vector<LaneSlot*> lanes = lanesFor(lane);
    for (LaneSlot* slot : lanes) slot->cutIns.clear();
    for (int position = 0; position < m_captions.count(); ++position) {
        bool gone = false;
        for (LaneSlot* slot : lanes) gone = slot->lane.remove(m_captions.at(position).m_id) || gone;
        if (!gone) continue;
        positions.push_back(position);
        changed(0, position);
    }
    for (LaneSlot* slot : lanes) {
        for (CaptionId id : kOffListIds) takeOffAir(slot->number, id);
        // The data sources' items, last, in one pass: they may be thousands.
        if (slot->lane.removeWhere(isSourceCaption) > 0) changed(slot->number);
    }
    return positions;
}

bool Show::blankNow(int lane) {
    std::vector<LaneSlot*> ended;
    for (LaneSlot* slot : lanesFor(lane))
        if (slot->lane.blank()) ended.push_back(slot);
    changed(lane == CaptionCommand::kEveryLane ? 0 : lane);
    // Rolling has ended there, as after the last caption had scrolled out.
    for (LaneSlot* slot : ended) tell(ShowChange{ShowChange::What::kLaneRolledOut, slot->number, caption_ids::kNone, -1});
    if (!ended.empty()) tellIfAllRolledOut();
    return !ended.empty();
}

void Show::addItem(const CKirunData& item) {
    m_captions.append(item);
    changed();
}

bool Show::changeItem(int position, const CKirunData& edited) {
    if (!m_captions.replaceAt(position, edited)) return false;
    m_airOver.erase(m_captions.at(position).m_id);
    changed();
    return true;
}

bool Show::setItemLane(int position, int lane) {
    if (!hasLane(lane) || !m_captions.contains(position)) return false;
    const bool wasOnAir = takeOffAir(position);
    m_captions.setLane(position, lane);
    if (wasOnAir) putOnAir(position);
    changed(0, position);
    return true;
}

void Show::laneRemoved(int removed) {
    m_captions.laneRemoved(removed);
    changed();
}

bool Show::deleteItem(int position) {
    if (!m_captions.contains(position)) return false;
    for (const auto& slot : m_lanes) slot->lane.remove(m_captions.at(position).m_id);
    m_airOver.erase(m_captions.at(position).m_id);
    m_captions.eraseAt(position);
    changed();
    return true;
}

void Show::replaceList(CaptionList&& captions) {
    for (const CKirunData& item : m_captions)
        for (const auto& slot : m_lanes) slot->lane.remove(item.m_id);
    // Appended to this list, the new items get ids after those given so far: none stands for
    // an item that went.
    while (m_captions.count() > 0) m_captions.eraseAt(m_captions.count() - 1);
    m_airOver.clear();
    m_captions.reserve(captions.count());
    for (const CKirunData& item : captions) m_captions.append(item);
    changed();
}

int Show::tenthsLeft(CaptionId id) const {
    for (const auto& slot : m_lanes)
        if (const ScheduledCaption* caption = slot->lane.schedule().find(id)) return tenthsOf(caption->msLeft);
    return -1;
}

int Show::tenthsLeft(int lane, CaptionId id) const {
    const ScheduledCaption* caption = hasLane(lane) ? slotOf(lane).lane.schedule().find(id) : nullptr;
    return caption ? tenthsOf(caption->msLeft) : -1;
}

bool Show::nothingOnAir() const {
    for (const auto& slot : m_lanes)
        if (!slot->lane.schedule().empty()) return false;
    return true;
}

bool Show::setShown(int lane, bool shown) {
    const std::vector<LaneSlot*> lanes = lanesFor(lane);
    for (LaneSlot* slot : lanes) {
        if (slot->shown == shown) continue;
        slot->shown = shown;
        slot->strips.setShown(shown);
        changed(slot->number);
    }
    return !lanes.empty();
}

void Show::setLaneName(int lane, const std::wstring& name) {
    if (!hasLane(lane) || slotOf(lane).name == name) return;
    slotOf(lane).name = name;
    changed(lane);
}

void Show::captionEnded(LaneSlot& slot, CaptionId id) {
    // The next waiting cut-in follows once this one's pass is over.
    if (id == caption_ids::kCutIn) nextCutIn(slot, true);
    changed(slot.number, kindOf(id) == ShowRow::Kind::Item ? m_captions.positionOf(id) : -1);
    tell(ShowChange{ShowChange::What::kCaptionEnded, slot.number, id, -1});
}

void Show::rollingEnded(LaneSlot& slot) {
    // The lane's entry no longer rolls: a snapshot shows it.
    ++m_version;
    tell(ShowChange{ShowChange::What::kLaneRolledOut, slot.number, caption_ids::kNone, -1});
    tellIfAllRolledOut();
}

void Show::tellIfAllRolledOut() {
    for (const auto& slot : m_lanes)
        if (slot->lane.rolling()) return;
    tell(ShowChange{ShowChange::What::kAllRolledOut, 0, caption_ids::kNone, -1});
}

void Show::captionEntered(LaneSlot& slot) {
    ++m_version;
    tell(ShowChange{ShowChange::What::kEntered, slot.number, caption_ids::kNone, -1});
}
