#include "model/LinkTarget.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "framework/FileBytes.h"
#include "framework/UniqueHandle.h"

namespace {
const wchar_t kVerbatim[] = L"\\\\?\\";
const wchar_t kVerbatimUnc[] = L"\\\\?\\UNC\\";

bool startsWith(const std::wstring& text, const wchar_t* prefix) { return text.compare(0, std::wcslen(prefix), prefix) == 0; }

// "\\?\C:\a" as "C:\a" and "\\?\UNC\server\share" as "\\server\share", the forms the file
// functions and the operator's messages use.
std::wstring withoutVerbatimPrefix(const std::wstring& path) {
    if (startsWith(path, kVerbatimUnc)) return L"\\\\" + path.substr(std::wcslen(kVerbatimUnc));
    const size_t prefix = std::wcslen(kVerbatim);
    if (startsWith(path, kVerbatim) && path.size() > prefix + 1 && path[prefix + 1] == L':') return path.substr(prefix);
    return path;
}

// The path the file system resolves `path` to, links followed; empty when it cannot be opened.
std::wstring finalPathOf(const std::wstring& path) {
    const fw::FileHandle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return std::wstring();
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    const DWORD needed = GetFinalPathNameByHandleW(file.get(), nullptr, 0, flags);
    if (needed == 0) return std::wstring();
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), flags);
    if (length == 0 || length >= buffer.size()) return std::wstring();
    return withoutVerbatimPrefix(std::wstring(buffer.data(), length));
}

std::wstring withoutTrailingSlash(std::wstring path) {
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

bool sameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}
}  // namespace

std::wstring linkTargetOf(const std::wstring& path) {
    const std::wstring full = fw::FullPathOf(path);
    const size_t slash = full.find_last_of(L'\\');
    const std::wstring file = finalPathOf(full);
    const size_t fileSlash = file.find_last_of(L'\\');
    if (slash == std::wstring::npos || fileSlash == std::wstring::npos) return path;
    const std::wstring folder = withoutTrailingSlash(finalPathOf(full.substr(0, slash + 1)));
    if (folder.empty()) return path;
    const bool isLink = !sameName(folder, file.substr(0, fileSlash)) ||
                        !sameName(full.substr(slash + 1), file.substr(fileSlash + 1));
    return isLink ? file : path;
}
