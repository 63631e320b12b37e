#include "surfaces/OverlayJson.h"

#include <cstdio>

#include "surfaces/SnapshotLanes.h"

namespace {

Json lookDocument(const OverlayLook& look) {
    Json document;
    document["font"] = utf8Of(look.fontFace);
    document["size"] = look.fontPx;
    document["weight"] = look.fontWeight;
    document["italic"] = look.italic;
    document["color"] = cssColor(look.textColor);
    document["shadow"] = cssColor(look.shadowColor);
    document["outline"] = look.outline;
    document["band"] = look.bandOn;
    document["bandColor"] = cssColor(look.bandColor);
    document["bandOpacity"] = look.bandOpacity;
    document["separator"] = utf8Of(look.separator);
    document["speed"] = look.speedPx;
    document["width"] = look.stripWidth;
    document["height"] = look.stripHeight;
    return document;
}

Json captionDocument(const LaneEntry& entry) {
    if (entry.number == 0) return Json(nullptr);
    Json document;
    document["entry"] = entry.number;
    document["text"] = utf8Of(entry.text);
    document["follows"] = entry.follows;
    document["fromBlank"] = entry.fromBlank;
    document["width"] = entry.width;
    return document;
}

}  // namespace

std::string cssColor(std::uint32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

Json overlayDocument(const ShowSnapshot& snapshot, int lane) {
    const std::vector<LaneState> lanes = lanesOf(snapshot);
    std::size_t index = 0;
    while (index < lanes.size() && lanes[index].number != lane) ++index;
    if (index == lanes.size()) return Json(nullptr);
    // Entries and looks may be missing (a show that tells none, a look not yet known): a lane
    // without an entry has had none, one without a look has the default.
    const LaneEntry entry = index < snapshot.entries.size() ? snapshot.entries[index] : LaneEntry{};
    const OverlayLook look = index < snapshot.looks.size() ? snapshot.looks[index] : OverlayLook{};
    Json document;
    document["version"] = snapshot.version;
    document["lane"] = lane;
    document["name"] = utf8Of(lanes[index].name);
    document["shown"] = lanes[index].shown;
    document["rolling"] = entry.rolling;
    document["look"] = lookDocument(look);
    document["caption"] = captionDocument(entry);
    return document;
}
