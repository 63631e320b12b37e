#include "TempDir.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/UniqueHandle.h"
#include "framework/WideText.h"

namespace testing_support {
namespace {
// Wide, so that names code page 932 cannot hold go too.
void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    const fw::FindHandle find(FindFirstFileW((dir + L"\\*").c_str(), &fd));
    if (find) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = dir + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(find.get(), &fd));
    }
    RemoveDirectoryW(dir.c_str());
}
}  // namespace

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH + 64];
        std::snprintf(name, sizeof name, "%skirunner-test-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
    }
}

std::wstring TempDir::wideFile(const std::wstring& name) const {
    return fw::WideFromCodePage932(m_path) + L"\\" + name;
}

TempDir::~TempDir() { RemoveTree(fw::WideFromCodePage932(m_path)); }

std::string ReadFileBytes(const std::string& path) { return ReadFileBytes(fw::WideFromCodePage932(path)); }

std::string ReadFileBytes(const std::wstring& path) {
    std::string bytes;
    const fw::FileHandle h(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    if (!h) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    return WriteFileBytes(fw::WideFromCodePage932(path), bytes);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    fw::FileHandle h(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!h) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(h.release()) && ok && written == bytes.size();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int TemporaryFilesBeside(const std::string& path) {
    int count = 0;
    WIN32_FIND_DATAA found;
    const fw::FindHandle search(FindFirstFileA((path + "*.tmp").c_str(), &found));
    if (!search) return 0;
    do count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileA(search.get(), &found));
    return count;
}

bool WriteFileAtMinute(const std::string& path, const std::string& bytes, int minute) {
    if (!WriteFileBytes(path, bytes)) return false;
    ULARGE_INTEGER t;
    t.QuadPart = 133000000000000000ULL + static_cast<ULONGLONG>(minute) * 600000000ULL;
    FILETIME time{t.LowPart, t.HighPart};
    const fw::FileHandle h(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return h && SetFileTime(h.get(), nullptr, nullptr, &time);
}

bool MakeHugeFile(const std::string& path, const std::string& head, long long size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = head.empty() || (WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr) &&
                               written == head.size());
    LARGE_INTEGER end;
    end.QuadPart = size;
    ok = ok && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
}

std::string HostPathToWindows(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string PathByDriveZ(const std::string& path) {
    const char* prefix = std::getenv("WINEPREFIX");  // drive C: is its folder drive_c
    if (!prefix || path.compare(0, 3, "C:\\") != 0) return std::string();
    return HostPathToWindows(prefix) + "\\drive_c" + path.substr(2);
}

}  // namespace testing_support
