// What the show reads out for the page and the remote: its rows, its lanes, its captions on air.
#include <unordered_map>
#include <vector>

#include "show/CaptionKinds.h"
#include "show/Show.h"
#include "show/ShowTimes.h"

namespace {
int secondsOf(const ScheduledCaption* caption) { return caption ? (tenthsOf(caption->msLeft) + 9) / 10 : -1; }
}  // namespace

std::vector<Show::OnAir> Show::captionsOnAir() const {
    std::vector<OnAir> onAir;
    for (const auto& slot : m_lanes) {
        const Schedule& schedule = slot->lane.schedule();
        onAir.reserve(onAir.size() + static_cast<size_t>(schedule.count()));
        for (int i = 0; i < schedule.count(); ++i) {
            const ScheduledCaption& caption = schedule.at(i);
            OnAir entry;
            entry.kind = kindOf(caption.id);
            entry.position = entry.kind == ShowRow::Kind::Item ? m_captions.positionOf(caption.id) : -1;
            entry.tenthsLeft = tenthsOf(caption.msLeft);
            entry.lane = slot->number;
            onAir.push_back(entry);
        }
    }
    return onAir;
}

std::vector<LaneState> Show::laneStates() const {
    std::vector<LaneState> lanes;
    lanes.reserve(m_lanes.size());
    for (const auto& slot : m_lanes)
        lanes.push_back(LaneState{slot->number, slot->name, slot->shown, slot->lane.schedule().find(caption_ids::kCutIn) != nullptr});
    return lanes;
}

ShowSnapshot Show::snapshot() const {
    ShowSnapshot snapshot;
    snapshot.version = m_version;
    snapshot.stripShown = m_lanes.front()->shown;
    snapshot.rows.reserve(static_cast<size_t>(m_captions.count()) + 3 * m_lanes.size() + m_sourceRows.size());
    // An item's caption, on whichever lane it is on air (looked up once per row: lists are long).
    std::unordered_map<CaptionId, const ScheduledCaption*> onAir;
    for (const auto& slot : m_lanes) {
        const Schedule& schedule = slot->lane.schedule();
        for (int i = 0; i < schedule.count(); ++i)
            if (kindOf(schedule.at(i).id) == ShowRow::Kind::Item) onAir.emplace(schedule.at(i).id, &schedule.at(i));
    }
    auto onAirOf = [&](CaptionId id) -> const ScheduledCaption* {
        const auto found = onAir.find(id);
        return found == onAir.end() ? nullptr : found->second;
    };
    int number = 0;
    for (const CKirunData& item : m_captions) {
        const ScheduledCaption* caption = onAirOf(item.m_id);
        snapshot.rows.push_back(ShowRow{ShowRow::Kind::Item, ++number, item.m_text, item.m_minutes, caption != nullptr,
                                        secondsOf(caption), item.m_id, item.m_lane, airTimeOf(item, caption)});
    }
    for (const auto& slot : m_lanes) {
        const Schedule& schedule = slot->lane.schedule();
        for (CaptionId id : kOffListIds) {
            const ScheduledCaption* caption = schedule.find(id);
            if (!caption) continue;
            if (id == caption_ids::kCutIn && slot->number == 1) snapshot.cutInRow = static_cast<int>(snapshot.rows.size());
            snapshot.rows.push_back(ShowRow{kindOf(id), 0, caption->text, caption->minutes, true, secondsOf(caption),
                                            caption_ids::kNone, slot->number});
        }
    }
    snapshot.lanes = laneStates();
    snapshot.entries.reserve(m_lanes.size());
    for (const auto& slot : m_lanes) {
        const Lane& lane = slot->lane;
        snapshot.entries.push_back(LaneEntry{lane.rolling(), lane.entries(), lane.currentText(), lane.currentFollows(),
                                             lane.enteredFromBlank(), lane.captionWidth()});
    }
    int sourceNumber = 0;
    for (const SourceRow& source : m_sourceRows)
        snapshot.rows.push_back(ShowRow{ShowRow::Kind::Source, ++sourceNumber, source.text, 0,
                                        source.state == SourceRow::State::OnAir || source.state == SourceRow::State::Watching, -1,
                                        caption_ids::kNone, source.lane});
    return snapshot;
}

ShowRow Show::itemRow(int position) const {
    if (!m_captions.contains(position)) return ShowRow{};
    const CKirunData& item = m_captions.at(position);
    const ScheduledCaption* caption = nullptr;
    for (const auto& slot : m_lanes)
        if ((caption = slot->lane.schedule().find(item.m_id)) != nullptr) break;
    return ShowRow{ShowRow::Kind::Item, position + 1, item.m_text, item.m_minutes, caption != nullptr, secondsOf(caption),
                   item.m_id, item.m_lane, airTimeOf(item, caption)};
}

RowAirTime Show::airTimeOf(const CKirunData& item, const ScheduledCaption* caption) const {
    RowAirTime air;
    air.window = item.m_window;
    air.over = !caption && m_airOver.count(item.m_id) != 0;
    if (!caption || !caption->armed) return air;
    // Where it stood when the wall clock was last read (at a boundary, or the minute's check).
    if (caption->checkedAt != kNeverMinute && caption->air.state == AirState::kWaiting) {
        air.waiting = true;
        air.opensAt = caption->air.opensAt;
    }
    air.playsLeft = caption->playsLeft;
    return air;
}
