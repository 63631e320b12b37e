#pragma once
// A command that changes what is on air, given on the command line or handed over by another
// Kirunner process. Commands never change the caption list or the settings file.
#include <string>

struct CaptionCommand {
    enum Kind {
        kShowItem = 1,  // put list item `number` (counted from 1) on air, renewing it
        kHideItem = 2,  // take list item `number` off air
        kClearAll = 3,  // take every caption off air
        kShowText = 4,  // put `text` on air for `minutes` under a key of its own
        kShowStrip = 5, // show the strip (`number` 1) or hide it (`number` 0), as 表示ON/表示OFF
        kCutIn = 6,     // put `text` on air for `minutes` ahead of the cycle, repeating
        kClearNow = 7,  // take every caption off air and blank the strip at once, without draining
    };
    Kind kind = kClearAll;
    int number = 0;
    int minutes = 1;
    std::wstring text;  // UTF-16, one line
};

// What a command achieved.
enum class CommandResult { kDone, kNoSuchItem };
