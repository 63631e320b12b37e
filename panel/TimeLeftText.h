#pragma once
// A caption's time left as the page's list shows it: minutes and seconds ("4:59") under an hour,
// hours, minutes and seconds ("1:40:00") from an hour on, the seconds rounded up, so that a
// caption shows "0:01" until its time is up.
#include <string>

std::string timeLeftText(int tenths);
