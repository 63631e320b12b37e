#include "surfaces/StateJson.h"

#include "surfaces/SnapshotLanes.h"

namespace {

const char* kindName(ShowRow::Kind kind) {
    switch (kind) {
    case ShowRow::Kind::Item: return "item";
    case ShowRow::Kind::File: return "file";
    case ShowRow::Kind::CutIn: return "cutin";
    case ShowRow::Kind::FreeText: return "text";
    case ShowRow::Kind::Source: return "source";
    }
    return "item";
}

// The number column as the page shows it. The marks are UTF-8 whatever the program's code page.
std::string numberOf(const ShowRow& row) {
    switch (row.kind) {
    case ShowRow::Kind::Item: return std::to_string(row.number);
    case ShowRow::Kind::File: return u8"ファイル";
    case ShowRow::Kind::CutIn: return u8"割り込み";
    case ShowRow::Kind::FreeText: return u8"テキスト";
    case ShowRow::Kind::Source: return u8"ソース" + std::to_string(row.number);
    }
    return std::string();
}

// A list entry's time on air in the settings file's forms, unset members left out; null for none.
Json scheduleOf(const ShowRow& row) {
    const AirWindow& window = row.air.window;
    if (row.kind != ShowRow::Kind::Item || !window.set()) return nullptr;
    Json schedule = Json::object();
    if (!window.from.empty()) schedule["from"] = window.from;
    if (!window.until.empty()) schedule["until"] = window.until;
    if (!window.hours.empty()) schedule["hours"] = window.hours;
    if (!window.days.empty()) schedule["days"] = window.days;
    if (window.plays > 0) schedule["plays"] = window.plays;
    return schedule;
}

Json rowDocument(const ShowRow& row) {
    Json document;
    document["number"] = numberOf(row);
    document["kind"] = kindName(row.kind);
    // A list entry's caption: PUT and DELETE may name it, so as not to edit another one.
    if (row.kind == ShowRow::Kind::Item) document["id"] = row.id;
    document["text"] = utf8Of(row.text);
    document["minutes"] = row.minutes;
    document["lane"] = row.lane;
    document["onAir"] = row.onAir;
    if (row.onAir && row.secondsLeft >= 0)
        document["secondsLeft"] = row.secondsLeft;
    else
        document["secondsLeft"] = nullptr;
    document["schedule"] = scheduleOf(row);
    const bool item = row.kind == ShowRow::Kind::Item;
    document["waiting"] = item && row.air.waiting;
    // Where they stand, only where they do: over, when a waiting entry opens, the plays left on air.
    if (item && row.air.over) document["over"] = true;
    if (item && row.air.waiting && row.air.opensAt != kNeverMinute) {
        const std::string opensAt = localMinuteText(row.air.opensAt);
        if (!opensAt.empty()) document["opensAt"] = opensAt;
    }
    if (item && row.onAir && row.air.playsLeft >= 0) document["playsLeft"] = row.air.playsLeft;
    return document;
}

}  // namespace

Json stateDocument(const ShowSnapshot& snapshot) {
    Json document;
    document["version"] = snapshot.version;
    document["strip"] = Json{{"shown", snapshot.stripShown}};
    Json rows = Json::array();
    for (const ShowRow& row : snapshot.rows) rows.push_back(rowDocument(row));
    document["rows"] = std::move(rows);
    const bool cutIn = snapshot.cutInRow >= 0 && static_cast<std::size_t>(snapshot.cutInRow) < snapshot.rows.size();
    document["cutIn"] = cutIn ? rowDocument(snapshot.rows[static_cast<std::size_t>(snapshot.cutInRow)]) : Json(nullptr);
    Json lanes = Json::array();
    for (const LaneState& lane : lanesOf(snapshot))
        lanes.push_back(Json{{"number", lane.number}, {"name", utf8Of(lane.name)}, {"shown", lane.shown}, {"cutIn", lane.cutIn}});
    document["lanes"] = std::move(lanes);
    return document;
}

std::string stateJson(const ShowSnapshot& snapshot) { return jsonLine(stateDocument(snapshot)); }
