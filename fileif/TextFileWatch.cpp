#include "fileif/TextFileWatch.h"

#include <algorithm>
#include <cstring>

#include "fileif/CaptionTextFile.h"
#include "framework/Mbcs.h"
#include "framework/Text.h"
#include "framework/UniqueHandle.h"
#include "framework/WideText.h"

bool isNewVersion(const WIN32_FIND_DATAA& entry, const WIN32_FIND_DATAA& last) {
    return CompareFileTime(&entry.ftLastWriteTime, &last.ftLastWriteTime) != 0 ||
           entry.nFileSizeHigh != last.nFileSizeHigh || entry.nFileSizeLow != last.nFileSizeLow;
}

namespace {
const char kBlanks[] = " \t";

std::string trimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
}  // namespace

std::string watchedPathFromInput(const std::string& typed) {
    std::string path = trimBlanks(typed);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = trimBlanks(path.substr(1, path.size() - 2));
    return path;
}

namespace {
const char kLongPathPrefix[] = "\\\\?\\";
const char kDevicePrefix[] = "\\\\.\\";
const char kDevicePrefixSlashes[] = "//./";

// The DOS device names stand for their device in any folder and with any extension.
bool isDeviceName(const std::string& lastPart) {
    std::string name = fw::UpperAscii(lastPart.substr(0, lastPart.find('.')));
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* device : kNames)
        if (name == device) return true;
    return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) &&
           name[3] >= '0' && name[3] <= '9';
}
}  // namespace

bool isWatchablePath(const std::string& filePath) {
    if (filePath.empty()) return false;
    if (fw::StartsWith(filePath, kDevicePrefix) || fw::StartsWith(filePath, kDevicePrefixSlashes)) return false;
    // "*" and "?" are never trail bytes of a double-byte character, so a byte search is safe.
    const size_t afterPrefix = fw::StartsWith(filePath, kLongPathPrefix) ? std::strlen(kLongPathPrefix) : 0;
    if (filePath.find_first_of("*?", afterPrefix) != std::string::npos) return false;
    // The last part starts after the last separator; a backslash byte inside a double-byte
    // character is none. A device may be written with a colon after it ("LPT1:").
    std::string path = filePath;
    while (!path.empty() && (path.back() == ':' || path.back() == ' ')) path.pop_back();
    const size_t backslash = fw::FindLastChar(path, '\\');
    const size_t other = path.find_last_of("/:");
    size_t start = 0;
    if (backslash != std::string::npos) start = backslash + 1;
    if (other != std::string::npos && other + 1 > start) start = other + 1;
    const std::string lastPart = path.substr(start);
    return !isDeviceName(lastPart);
}

bool checkTextFile(int fileExec, const std::string& filePath, TextFileWatch& watch, std::string& text) {
    text.clear();
    if (fileExec == 0) return false;

    WIN32_FIND_DATAA entry;
    fw::FindHandle search(FindFirstFileA(filePath.c_str(), &entry));
    if (!search) {
        if (!watch.lastFileDataValid) {
            std::memset(&watch.lastFileData, 0, sizeof watch.lastFileData);
            watch.lastFileDataValid = 1;
        }
        return false;
    }
    search.reset();  // only the entry counts

    if (entry.cFileName[0] == '\0') return false;
    const bool readable = isWatchablePath(filePath) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!watch.lastFileDataValid) {
        watch.lastFileData = entry;
        watch.lastFileDataValid = 1;
        return false;
    }
    if (!isNewVersion(entry, watch.lastFileData)) return false;

    if (!readable || readCaptionText(filePath, text) != CaptionFileRead::Read) {
        text.clear();
        return false;
    }
    watch.lastFileData = entry;
    // A carriage return without a line feed ends no line: it is dropped, as the control page
    // drops every line end from its captions, so the strip never shows it as a glyph. No
    // double-byte character of code page 932 holds the byte.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return !text.empty();
}

// Interim: the watched file is still read through its code page 932 path and text.
bool isWatchablePath(const std::wstring& filePath) { return isWatchablePath(fw::CodePage932FromWide(filePath)); }

bool checkTextFile(int fileExec, const std::wstring& filePath, TextFileWatch& watch, std::wstring& text) {
    std::string bytes;
    const bool shown = checkTextFile(fileExec, fw::CodePage932FromWide(filePath), watch, bytes);
    text = fw::WideFromCodePage932(bytes);
    return shown;
}
