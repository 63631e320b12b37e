#include "model/SettingsParts.h"

#include <algorithm>

void takeChangedParts(unsigned changed, const StoredSettings& page, StoredSettings& file) {
    if (file.lanes.empty()) file.lanes.resize(1);
    if (page.lanes.empty()) return;
    using namespace settings_parts;
    if (changed & kLook) {
        // The dialog's OK takes every look setting at once, as the operator saw them together.
        // The lanes come and go with it.
        file.lanes = page.lanes;
        file.rules = page.rules;
    }
    if (changed & kWindow) file.window = page.window;
    if (changed & kWatchedFile) {
        file.fileInterface.fileExec = page.fileInterface.fileExec;
        file.fileInterface.filePath = page.fileInterface.filePath;
        file.fileInterface.fileMinute = page.fileInterface.fileMinute;
        file.fileInterface.fileLane = page.fileInterface.fileLane;
    }
    if (changed & kRemote) file.fileInterface.http = page.fileInterface.http;
    if (changed & kSources) file.fileInterface.sources = page.fileInterface.sources;
}

bool sameCaptions(const CaptionList& a, const CaptionList& b) {
    const auto same = [](const CKirunData& x, const CKirunData& y) {
        return x.m_text == y.m_text && x.m_minutes == y.m_minutes && x.m_lane == y.m_lane;
    };
    return a.count() == b.count() && std::equal(a.begin(), a.end(), b.begin(), same);
}
