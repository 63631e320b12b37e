#pragma once
// The settings as a whole in memory, and the parts of them that the operator changes one at a
// time: a list edit, a dialog's OK, the main window resized. A settings file that could not be
// read at start is brought together with the page part by part once it can be read: each part
// the operator changed meanwhile is the page's, every other part the file's.
#include <vector>

#include "model/LaneLook.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "model/SettingsTable.h"
#include "model/ShowSettings.h"

// `lanes` holds lane 1's look first and is never empty.
struct StoredSettings {
    std::vector<LaneLook> lanes = std::vector<LaneLook>(1);
    CaptionList captions;
    FileInterfaceSettings fileInterface;
    WindowSize window;
    ShowRules rules;
};

// The records of `s`, its list among them, as the settings file reads and writes them.
inline SettingsRecords recordsOf(StoredSettings& s) {
    return {s.lanes, s.window, s.rules, s.fileInterface, &s.captions};
}
inline ConstSettingsRecords recordsOf(const StoredSettings& s) {
    return {s.lanes, s.window, s.rules, s.fileInterface, &s.captions};
}

namespace settings_parts {
enum : unsigned {
    kList = 1u << 0,         // the caption list
    kLook = 1u << 1,         // the appearance dialog's settings (キルン設定): every lane's look, the show's rules
    kWindow = 1u << 2,       // the main window's size
    kWatchedFile = 1u << 3,  // the text-file interface: on or off, the file, its minutes
    kRemote = 1u << 4,       // the web remote
    kSources = 1u << 5,      // the data sources
};
}  // namespace settings_parts

// `file` takes from `page` every part in `changed` but the list, whose rule is the caller's.
// What no dialog changes (the OSC receiver, the OSC feedback) stays the file's.
void takeChangedParts(unsigned changed, const StoredSettings& page, StoredSettings& file);

// Whether two lists hold the same texts with the same minutes and lanes, in the same order.
bool sameCaptions(const CaptionList& a, const CaptionList& b);
