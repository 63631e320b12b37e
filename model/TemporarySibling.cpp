#include "model/TemporarySibling.h"

#include <cstdio>

#include "framework/Mbcs.h"

namespace {
const char kSuffix[] = ".tmp";
const size_t kSuffixLength = sizeof kSuffix - 1;
// A name still taken (a leftover with a reused process id) moves the counter on.
const int kNameAttempts = 100;

volatile LONG temporaryCounter = 0;

bool endsWithSuffix(const std::string& name) {
    return name.size() >= kSuffixLength &&
           lstrcmpiA(name.c_str() + name.size() - kSuffixLength, kSuffix) == 0;
}

// "<digits>-<digits>": the process id into `ownerId`.
bool parseOwnerAndCounter(const std::string& middle, unsigned long long& ownerId) {
    const size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size() || dash > 10) return false;
    unsigned long long id = 0;
    for (size_t i = 0; i < middle.size(); ++i) {
        const char c = middle[i];
        if (i == dash) continue;
        if (c < '0' || c > '9') return false;
        if (i < dash) id = id * 10 + static_cast<unsigned>(c - '0');
    }
    ownerId = id;
    return true;
}

bool processRuns(unsigned long long id) {
    if (id > 0xFFFFFFFFull) return false;
    const DWORD pid = static_cast<DWORD>(id);
    if (pid == GetCurrentProcessId()) return true;
    const fw::KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // there, but not ours to open
    return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

std::string folderOf(const std::string& path) {
    const size_t slash = fw::FindLastChar(path, '\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

fw::FileHandle createTemporarySibling(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        char middle[48];
        std::snprintf(middle, sizeof middle, ".%lu-%ld", static_cast<unsigned long>(GetCurrentProcessId()),
                      InterlockedIncrement(&temporaryCounter));
        temporary = path + middle + kSuffix;
        fw::FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) break;
    }
    temporary.clear();
    return fw::FileHandle();
}

bool isTemporarySiblingName(const std::string& name, const std::string& baseName, unsigned long long& ownerId) {
    if (name.size() < baseName.size() + kSuffixLength || !endsWithSuffix(name) ||
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), static_cast<int>(baseName.size()),
                       baseName.c_str(), static_cast<int>(baseName.size())) != CSTR_EQUAL)
        return false;
    const std::string rest = name.substr(baseName.size(), name.size() - baseName.size() - kSuffixLength);
    if (rest.empty()) {
        ownerId = 0;
        return true;
    }
    return rest[0] == '.' && parseOwnerAndCounter(rest.substr(1), ownerId);
}

void removeLeftoverTemporaryFiles(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string baseName = path.substr(folder.size());
    WIN32_FIND_DATAA found;
    const fw::FindHandle search(FindFirstFileA((path + "*" + kSuffix).c_str(), &found));
    if (!search) return;
    do {
        unsigned long long ownerId = 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !isTemporarySiblingName(found.cFileName, baseName, ownerId) || (ownerId != 0 && processRuns(ownerId)))
            continue;
        const std::string leftover = folder + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(leftover.c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        DeleteFileA(leftover.c_str());  // one held open by a writer stays; it is not a leftover
    } while (FindNextFileA(search.get(), &found));
}
