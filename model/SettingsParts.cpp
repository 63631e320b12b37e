#include "model/SettingsParts.h"

#include <algorithm>

void takeChangedParts(unsigned changed, const StoredSettings& page, StoredSettings& file) {
    using namespace settings_parts;
    if (changed & kLook) {
        // The dialog's OK takes every look setting at once, as the operator saw them together.
        const int width = file.appearance.windowWidth;
        const int height = file.appearance.windowHeight;
        file.appearance = page.appearance;
        file.appearance.windowWidth = width;
        file.appearance.windowHeight = height;
    }
    if (changed & kWindow) {
        file.appearance.windowWidth = page.appearance.windowWidth;
        file.appearance.windowHeight = page.appearance.windowHeight;
    }
    if (changed & kWatchedFile) {
        file.fileInterface.fileExec = page.fileInterface.fileExec;
        file.fileInterface.filePath = page.fileInterface.filePath;
        file.fileInterface.fileMinute = page.fileInterface.fileMinute;
    }
    if (changed & kRemote) file.fileInterface.http = page.fileInterface.http;
    if (changed & kSources) file.fileInterface.sources = page.fileInterface.sources;
}

bool sameCaptions(const CaptionList& a, const CaptionList& b) {
    const auto same = [](const CKirunData& x, const CKirunData& y) {
        return x.m_text == y.m_text && x.m_minutes == y.m_minutes;
    };
    return a.count() == b.count() && std::equal(a.begin(), a.end(), b.begin(), same);
}
