#pragma once
// One lane as an overlay page draws it (GET /api/overlay): the lane's state, its look and the
// caption that entered its strips last, on one line of UTF-8 JSON, members in this order:
//   {"version": 12, "lane": 1, "name": "", "shown": true, "rolling": true,
//    "look": {"font": "…", "size": 16, "weight": 700, "italic": false, "color": "#ffffff",
//             "shadow": "#000000", "outline": false, "band": false, "bandColor": "#000000",
//             "bandOpacity": 100, "separator": "", "speed": 40, "width": 1920, "height": 18},
//    "caption": {"entry": 7, "text": "…", "follows": false, "fromBlank": true, "width": 163}}
// "caption" is null before the lane's first entry; its "text" "" is the blank caption.
// Colours are "#rrggbb" in lower case; "width"/"height" of the look are the strip's size on the
// primary monitor (0 when unknown).
#include <cstdint>
#include <string>

#include "show/ShowSnapshot.h"
#include "surfaces/JsonText.h"

// The document of lane `lane` (its number, from 1); null when the show holds no such lane.
Json overlayDocument(const ShowSnapshot& snapshot, int lane);
// A colour held as 0x00BBGGRR, as "#rrggbb".
std::string cssColor(std::uint32_t color);
