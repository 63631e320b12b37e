#include "fileif/TextFileWatch.h"

#include <algorithm>
#include <cstring>

#include "fileif/CaptionTextFile.h"
#include "framework/UniqueHandle.h"

bool isNewVersion(const WIN32_FIND_DATAW& entry, const WIN32_FIND_DATAW& last) {
    return CompareFileTime(&entry.ftLastWriteTime, &last.ftLastWriteTime) != 0 ||
           entry.nFileSizeHigh != last.nFileSizeHigh || entry.nFileSizeLow != last.nFileSizeLow;
}

namespace {
const wchar_t kBlanks[] = L" \t";

std::wstring trimBlanks(const std::wstring& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}
}  // namespace

std::wstring watchedPathFromInput(const std::wstring& typed) {
    std::wstring path = trimBlanks(typed);
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = trimBlanks(path.substr(1, path.size() - 2));
    return path;
}

namespace {
const wchar_t kLongPathPrefix[] = L"\\\\?\\";
const wchar_t kDevicePrefix[] = L"\\\\.\\";
const wchar_t kDevicePrefixSlashes[] = L"//./";

// The DOS device names stand for their device in any folder and with any extension.
bool isDeviceName(const std::wstring& lastPart) {
    std::wstring name = lastPart.substr(0, lastPart.find(L'.'));
    for (wchar_t& c : name)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    while (!name.empty() && (name.back() == L' ' || name.back() == L':')) name.pop_back();
    static const wchar_t* const kNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (const wchar_t* device : kNames)
        if (name == device) return true;
    return name.size() == 4 && (name.compare(0, 3, L"COM") == 0 || name.compare(0, 3, L"LPT") == 0) &&
           name[3] >= L'0' && name[3] <= L'9';
}
}  // namespace

bool isWatchablePath(const std::wstring& filePath) {
    if (filePath.empty()) return false;
    if (startsWith(filePath, kDevicePrefix) || startsWith(filePath, kDevicePrefixSlashes)) return false;
    const size_t afterPrefix = startsWith(filePath, kLongPathPrefix) ? std::wcslen(kLongPathPrefix) : 0;
    if (filePath.find_first_of(L"*?", afterPrefix) != std::wstring::npos) return false;
    // The last part starts after the last separator. A device may be written with a colon
    // after it ("LPT1:").
    std::wstring path = filePath;
    while (!path.empty() && (path.back() == L':' || path.back() == L' ')) path.pop_back();
    const size_t separator = path.find_last_of(L"\\/:");
    return !isDeviceName(separator == std::wstring::npos ? path : path.substr(separator + 1));
}

namespace {
bool findEntry(const std::wstring& filePath, WIN32_FIND_DATAW& entry) {
    return static_cast<bool>(fw::FindHandle(FindFirstFileW(filePath.c_str(), &entry)));
}

// A save can land between the look at the entry and the read: the text is then the new one
// but the entry the old one, and the next look would take the same save for a newer version.
// So the entry is looked at again after the read, and the read repeated while they differ.
// A file still changing after a few reads keeps the baseline where it was: the next look
// reads it again.
const int kReadsWhileChanging = 3;

bool readSteadyVersion(const std::wstring& filePath, WIN32_FIND_DATAW& entry, std::wstring& text) {
    for (int read = 0; read < kReadsWhileChanging; ++read) {
        if (readCaptionText(filePath, text) != CaptionFileRead::Read) return false;
        WIN32_FIND_DATAW after;
        if (!findEntry(filePath, after)) return false;
        if (!isNewVersion(after, entry)) return true;
        entry = after;
    }
    return false;
}
}  // namespace

bool checkTextFile(int fileExec, const std::wstring& filePath, TextFileWatch& watch, std::wstring& text) {
    text.clear();
    if (fileExec == 0) return false;

    WIN32_FIND_DATAW entry;
    if (!findEntry(filePath, entry)) {
        if (!watch.lastFileDataValid) {
            std::memset(&watch.lastFileData, 0, sizeof watch.lastFileData);
            watch.lastFileDataValid = 1;
        }
        return false;
    }

    if (entry.cFileName[0] == L'\0') return false;
    const bool readable = isWatchablePath(filePath) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!watch.lastFileDataValid) {
        watch.lastFileData = entry;
        watch.lastFileDataValid = 1;
        return false;
    }
    if (!isNewVersion(entry, watch.lastFileData)) return false;

    if (!readable || !readSteadyVersion(filePath, entry, text)) {
        text.clear();
        return false;
    }
    watch.lastFileData = entry;
    // A carriage return without a line feed ends no line: it is dropped, as the control page
    // drops every line end from its captions, so the strip never shows it as a glyph.
    text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    return !text.empty();
}
