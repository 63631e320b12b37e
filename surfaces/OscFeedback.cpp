#include "surfaces/OscFeedback.h"

#include <cstdint>
#include <map>

#include "surfaces/SnapshotLanes.h"

namespace {

struct ItemState {
    bool onAir = false;
    int secondsLeft = 0;
};

std::map<int, ItemState> itemsOf(const ShowSnapshot& snapshot) {
    std::map<int, ItemState> items;
    for (const ShowRow& row : snapshot.rows)
        if (row.kind == ShowRow::Kind::Item && row.number > 0)
            items[row.number] = ItemState{row.onAir, row.onAir && row.secondsLeft > 0 ? row.secondsLeft : 0};
    return items;
}

bool cutInOnAir(const ShowSnapshot& snapshot) {
    return snapshot.cutInRow >= 0 && static_cast<std::size_t>(snapshot.cutInRow) < snapshot.rows.size() &&
           snapshot.rows[static_cast<std::size_t>(snapshot.cutInRow)].onAir;
}

void padded(std::string& packet, const std::string& text) {
    packet += text;
    packet.append(4 - text.size() % 4, '\0');  // at least one NUL ends the string
}

}  // namespace

std::vector<OscFeedbackMessage> feedbackMessages(const ShowSnapshot* before, const ShowSnapshot& after) {
    std::vector<OscFeedbackMessage> messages;
    if (!before || before->stripShown != after.stripShown)
        messages.push_back({"/kirunner/strip", {after.stripShown ? 1 : 0}});
    if (!before || cutInOnAir(*before) != cutInOnAir(after))
        messages.push_back({"/kirunner/cutin", {cutInOnAir(after) ? 1 : 0}});

    // Each lane's own, while the show holds more than one.
    const std::vector<LaneState> lanes = lanesOf(after);
    const std::vector<LaneState> earlier = before ? lanesOf(*before) : std::vector<LaneState>();
    if (lanes.size() > 1) {
        for (const LaneState& lane : lanes) {
            const LaneState* was = nullptr;
            for (const LaneState& candidate : earlier)
                if (candidate.number == lane.number) was = &candidate;
            // A lane new to the surface (the show just gained it) is told whole.
            const bool whole = !was || earlier.size() < 2;
            const std::string prefix = "/kirunner/lane/" + std::to_string(lane.number);
            if (whole || was->shown != lane.shown) messages.push_back({prefix + "/strip", {lane.shown ? 1 : 0}});
            if (whole || was->cutIn != lane.cutIn) messages.push_back({prefix + "/cutin", {lane.cutIn ? 1 : 0}});
        }
    }

    std::map<int, ItemState> old = before ? itemsOf(*before) : std::map<int, ItemState>();
    const std::map<int, ItemState> now = itemsOf(after);
    // An entry deleted while on air leaves the air with its number.
    std::map<int, ItemState> all = now;
    for (const auto& entry : old)
        if (entry.second.onAir && all.find(entry.first) == all.end()) all[entry.first] = ItemState();
    for (const auto& entry : all) {
        const int number = entry.first;
        const ItemState& state = entry.second;
        const auto previous = old.find(number);
        const bool known = before && previous != old.end();
        if (!known || previous->second.onAir != state.onAir)
            messages.push_back({"/kirunner/onair", {number, state.onAir ? 1 : 0}});
        const bool timeChanged = known ? previous->second.secondsLeft != state.secondsLeft : state.onAir;
        if (timeChanged) messages.push_back({"/kirunner/timeleft", {number, state.secondsLeft}});
    }
    return messages;
}

std::string encodeOsc(const OscFeedbackMessage& message) {
    std::string packet;
    padded(packet, message.address);
    padded(packet, "," + std::string(message.arguments.size(), 'i'));
    for (int argument : message.arguments) {
        const std::uint32_t word = static_cast<std::uint32_t>(argument);
        for (int shift = 24; shift >= 0; shift -= 8) packet += static_cast<char>((word >> shift) & 0xFF);
    }
    return packet;
}
