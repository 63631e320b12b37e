#pragma once
// What the page's list says of a list item's time on air, in the page's code page: its state
// cell (予定 while it waits for its window, 終了 once its end or its plays are past) and its time
// left cell (when a waiting item opens: "18:00から" today, "12/25 18:00から" another day; the plays
// left, "残り3回", in place of the time left while it is on air). `now` is the wall clock's
// minute, whose day is "today".
#include <string>

#include "show/ShowSnapshot.h"

// Null when the row's state cell says what it says without a time on air.
const char* airStateText(const ShowRow& row);
// Empty when the row's time left cell shows its time left (or nothing) as without one.
std::string airTimeLeftText(const ShowRow& row, LocalMinute now);
