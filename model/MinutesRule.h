#pragma once
// Display times in minutes, for list captions and the text-file caption alike.

constexpr int kMinMinutes = 1;
constexpr int kMaxMinutes = 60000;

// The message for a display time outside kMinMinutes ... kMaxMinutes; null when it is inside.
const char* minutesProblem(int minutes);
