#pragma once
// The show as the API gives it, the same document for GET /api/state, every command's answer
// and every event of the event stream:
//   {"version": 7, "strip": {"shown": true},
//    "rows": [{"number": "1", "kind": "item", "text": "…", "minutes": 5, "onAir": true,
//              "lane": 1, "secondsLeft": 281}, …],
//    "cutIn": <the cut-in's row, or null>,
//    "lanes": [{"number": 1, "name": "", "shown": true, "cutIn": false}, …]}
// "strip" and "cutIn" are lane 1's; "lanes" holds every lane the show holds, lane 1 first.
// "number" is the list number for list rows and the row's mark otherwise (ファイル, 割り込み,
// テキスト, ソース<n>); "secondsLeft" is null while a row is off air.
#include <string>

#include "show/ShowSnapshot.h"
#include "surfaces/JsonText.h"

Json stateDocument(const ShowSnapshot& snapshot);
std::string stateJson(const ShowSnapshot& snapshot);
