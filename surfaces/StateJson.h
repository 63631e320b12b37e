#pragma once
// The show as the API gives it, the same document for GET /api/state, every command's answer
// and every event of the event stream:
//   {"version": 7, "strip": {"shown": true},
//    "rows": [{"number": "1", "kind": "item", "text": "…", "minutes": 5, "onAir": true,
//              "secondsLeft": 281}, …],
//    "cutIn": <the cut-in's row, or null>}
// "number" is the list number for list rows and the row's mark otherwise (ファイル, 割り込み,
// テキスト, ソース<n>); "secondsLeft" is null while a row is off air.
#include <string>

#include "show/ShowSnapshot.h"
#include "surfaces/JsonText.h"

Json stateDocument(const ShowSnapshot& snapshot);
std::string stateJson(const ShowSnapshot& snapshot);
