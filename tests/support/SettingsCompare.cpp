#include "SettingsCompare.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <vector>

#include "TempDir.h"
#include "framework/Mbcs.h"
#include "model/SettingsFile.h"
#include "model/SettingsTable.h"
#include "control/SettingsSave.h"
#include "framework/WideText.h"

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

std::set<std::string> WrittenKeyNames() {
    std::set<std::string> names;
    for (const SettingRow& row : settingRows()) names.insert(row.key);
    for (const ItemSettingRow& row : itemSettingRows()) names.insert(row.key);
    for (const SectionRow& row : sourceSections().rows) names.insert(row.key);
    for (const SectionRow& row : laneSections().rows) names.insert(row.key);
    names.erase("");
    return names;
}

void ExpectSameItems(const CaptionList& expected, const CaptionList& actual, const std::string& what) {
    ASSERT_EQ(expected.count(), actual.count()) << what;
    for (int i = 0; i < expected.count(); ++i) {
        for (const ItemSettingRow& row : itemSettingRows()) {
            const CKirunData& a = expected.at(i);
            const CKirunData& b = actual.at(i);
            if (row.field.number) EXPECT_EQ(row.field.number(&a), row.field.number(&b)) << what << ", item " << i << " " << row.key;
            else if (row.field.wideText) EXPECT_EQ(row.field.wideText(&a), row.field.wideText(&b)) << what << ", item " << i << " " << row.key;
            else EXPECT_EQ(row.field.text(&a), row.field.text(&b)) << what << ", item " << i << " " << row.key;
        }
    }
}

// Every field of a group's rows in two elements of its list.
void ExpectSameElement(const RepeatedSections& group, const void* a, const void* b, const std::string& what) {
    for (const SectionRow& row : group.rows) {
        const std::string key = what + " " + row.key;
        if (row.field.number) EXPECT_EQ(row.field.number(a), row.field.number(b)) << key;
        else if (row.field.wideText) EXPECT_EQ(row.field.wideText(a), row.field.wideText(b)) << key;
        else EXPECT_EQ(row.field.text(a), row.field.text(b)) << key;
    }
}

void ExpectSameSources(const FileInterfaceSettings& expected, const FileInterfaceSettings& actual,
                       const std::string& what) {
    ASSERT_EQ(expected.sources.size(), actual.sources.size()) << what;
    for (size_t i = 0; i < expected.sources.size(); ++i)
        ExpectSameElement(sourceSections(), &expected.sources[i], &actual.sources[i], what + ", SOURCE" + std::to_string(i));
}

void ExpectSameLanes(const std::vector<LaneLook>& expected, const std::vector<LaneLook>& actual, const std::string& what) {
    ASSERT_EQ(expected.size(), actual.size()) << what << ", lanes";
    for (size_t i = 1; i < expected.size(); ++i)
        ExpectSameElement(laneSections(), &expected[i], &actual[i], what + ", LANE" + std::to_string(i + 1));
}

// A line "NAME = value" whose name is one the settings file writes (or deletes: an option of the
// strip at its default).
bool IsWrittenKeyLine(const std::string& line) {
    static const std::set<std::string> kWritten = WrittenKeyNames();
    std::string name = line.substr(0, line.find_first_of("=\r\n"));
    name.erase(0, name.find_first_not_of(" \t\v\f\x1a"));
    name.erase(name.find_last_not_of(" \t\v\f\x1a") + 1);
    return kWritten.count(fw::UpperAscii(name)) != 0;
}
}  // namespace

Settings LoadWithReader(const std::string& path) {
    Settings s;
    loadSettingsFile(fw::WideFromCodePage932(path), recordsOf(s));
    return s;
}

bool SaveWithWriter(const std::string& path, const Settings& s) {
    return saveSettingsAndReport(fw::WideFromCodePage932(path), recordsOf(s));
}

void ExpectSameSettings(const Settings& expected, const Settings& actual, const std::string& what) {
    const ConstSettingsRecords a = recordsOf(expected);
    const ConstSettingsRecords b = recordsOf(actual);
    for (const SettingRow& row : settingRows()) {
        const std::string key = what + ", " + row.section + " " + row.key;
        if (row.field.isNumber()) {
            EXPECT_EQ(row.field.number(a), row.field.number(b)) << key;
        }
        if (row.field.element.text) {
            EXPECT_EQ(row.field.text(a), row.field.text(b)) << key;
        }
    }
    ExpectSameItems(expected.captions, actual.captions, what);
    ExpectSameSources(expected.fileInterface, actual.fileInterface, what);
    ExpectSameLanes(expected.lanes, actual.lanes, what);
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
        list.append(CKirunData(fw::WideFromCodePage932(fw::CutToBytes(text, bytes)), 1 + i % 60000));
    }
    return list;
}

}  // namespace testing_support
