#include "SettingsCompare.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <vector>

#include "TempDir.h"
#include "framework/Mbcs.h"
#include "model/SettingsFile.h"
#include "panel/SettingsSave.h"

namespace testing_support {
namespace {
const char kScratchSection[] = "KIRUNNER-TEST-SCRATCH";

std::vector<std::string> LinesWithEnds(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        if (end < bytes.size() && bytes[end] == '\r') ++end;
        if (end < bytes.size() && bytes[end] == '\n') ++end;
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

// A line "NAME = value" whose name is one the settings file writes (or deletes: an option of the
// strip at its default).
bool IsWrittenKeyLine(const std::string& line) {
    static const std::set<std::string> kWritten = {
        "COLOR", "RGB", "RGBSDW", "POS", "GAP", "LGAP", "RGAP", "SIZE", "DELTAX", "FONTFACENAME", "FONTHEIGHT",
        "FONTWEIGHT", "FONTITALIC", "ITEMCOUNT", "MINUTE", "STRINGS", "EXEC", "PATH",
        "BAND", "BANDRGB", "BANDOPACITY", "OUTLINE", "SEPARATOR"};
    std::string name = line.substr(0, line.find_first_of("=\r\n"));
    name.erase(0, name.find_first_not_of(" \t\v\f\x1a"));
    name.erase(name.find_last_not_of(" \t\v\f\x1a") + 1);
    return kWritten.count(fw::UpperAscii(name)) != 0;
}
}  // namespace

Settings LoadWithReader(const std::string& path) {
    Settings s;
    loadSettingsFile(path, s.appearance, s.captions, s.fileInterface);
    return s;
}

bool SaveWithWriter(const std::string& path, const Settings& s) {
    return saveSettingsAndReport(path, s.appearance, s.captions, s.fileInterface);
}

void ExpectSameSettings(const Settings& expected, const Settings& actual, const std::string& what) {
    const AppearanceSettings& a = expected.appearance;
    const AppearanceSettings& b = actual.appearance;
    EXPECT_EQ(a.colorChoice, b.colorChoice) << what;
    EXPECT_EQ(a.userTextColor, b.userTextColor) << what;
    EXPECT_EQ(a.userShadowColor, b.userShadowColor) << what;
    EXPECT_EQ(a.sizeChoice, b.sizeChoice) << what;
    EXPECT_EQ(a.pos, b.pos) << what;
    EXPECT_EQ(a.gap, b.gap) << what;
    EXPECT_EQ(a.lgap, b.lgap) << what;
    EXPECT_EQ(a.rgap, b.rgap) << what;
    EXPECT_EQ(a.deltaX, b.deltaX) << what;
    EXPECT_STREQ(a.logFont.lfFaceName, b.logFont.lfFaceName) << what;
    EXPECT_EQ(a.logFont.lfHeight, b.logFont.lfHeight) << what;
    EXPECT_EQ(a.logFont.lfWeight, b.logFont.lfWeight) << what;
    EXPECT_EQ(a.logFont.lfItalic, b.logFont.lfItalic) << what;
    EXPECT_EQ(a.monitorName, b.monitorName) << what;
    EXPECT_EQ(a.bandOn, b.bandOn) << what;
    EXPECT_EQ(a.bandColor, b.bandColor) << what;
    EXPECT_EQ(a.bandOpacity, b.bandOpacity) << what;
    EXPECT_EQ(a.outline, b.outline) << what;
    EXPECT_EQ(a.separator, b.separator) << what;
    EXPECT_EQ(expected.fileInterface.fileExec, actual.fileInterface.fileExec) << what;
    EXPECT_EQ(expected.fileInterface.fileMinute, actual.fileInterface.fileMinute) << what;
    EXPECT_EQ(expected.fileInterface.filePath, actual.fileInterface.filePath) << what;
    ASSERT_EQ(expected.captions.count(), actual.captions.count()) << what;
    for (int i = 0; i < expected.captions.count(); ++i) {
        EXPECT_EQ(expected.captions.at(i).m_text, actual.captions.at(i).m_text) << what << ", item " << i;
        EXPECT_EQ(expected.captions.at(i).m_minutes, actual.captions.at(i).m_minutes) << what << ", item " << i;
    }
}

std::string AsRewrittenByPlatform(const std::string& bytes) {
    TempDir dir;
    const std::string path = dir.file("rewritten.ini");
    WriteFileBytes(path, bytes);
    WritePrivateProfileStringA(kScratchSection, "K", "1", path.c_str());
    WritePrivateProfileStringA(kScratchSection, nullptr, nullptr, path.c_str());
    return ReadFileBytes(path);
}

bool KeepsOtherLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> kept = LinesWithEnds(before);
    const std::vector<std::string> now = LinesWithEnds(after);
    size_t next = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (IsWrittenKeyLine(kept[i])) continue;
        const bool isLast = i + 1 == kept.size();
        while (next < now.size() && now[next] != kept[i] && !(isLast && now[next] == kept[i] + "\r\n")) ++next;
        if (next == now.size()) return false;
        ++next;
    }
    return true;
}

CaptionList NumberedCaptions(int n, size_t bytes, int version) {
    CaptionList list;
    for (int i = 0; i < n; ++i) {
        char head[48];
        std::snprintf(head, sizeof head, "v%d 項目%d ", version, i);
        std::string text = head;
        while (text.size() < bytes) text += "表示テスト";
        list.append(CKirunData(fw::CutToBytes(text, bytes), 1 + i % 60000));
    }
    return list;
}

}  // namespace testing_support
