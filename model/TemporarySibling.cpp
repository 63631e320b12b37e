#include "model/TemporarySibling.h"

#include <cwchar>

namespace {
const wchar_t kSuffix[] = L".tmp";
const size_t kSuffixLength = sizeof kSuffix / sizeof kSuffix[0] - 1;
// A name still taken (a leftover with a reused process id) moves the counter on.
const int kNameAttempts = 100;

volatile LONG temporaryCounter = 0;

bool endsWithSuffix(const std::wstring& name) {
    return name.size() >= kSuffixLength &&
           lstrcmpiW(name.c_str() + name.size() - kSuffixLength, kSuffix) == 0;
}

// "<digits>-<digits>": the process id into `ownerId`.
bool parseOwnerAndCounter(const std::wstring& middle, unsigned long long& ownerId) {
    const size_t dash = middle.find(L'-');
    if (dash == 0 || dash == std::wstring::npos || dash + 1 == middle.size() || dash > 10) return false;
    unsigned long long id = 0;
    for (size_t i = 0; i < middle.size(); ++i) {
        const wchar_t c = middle[i];
        if (i == dash) continue;
        if (c < L'0' || c > L'9') return false;
        if (i < dash) id = id * 10 + static_cast<unsigned>(c - L'0');
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

std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}
}  // namespace

fw::FileHandle createTemporarySibling(const std::wstring& path, std::wstring& temporary, DWORD& error) {
    error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        wchar_t middle[48];
        std::swprintf(middle, sizeof middle / sizeof middle[0], L".%lu-%ld", static_cast<unsigned long>(GetCurrentProcessId()),
                      InterlockedIncrement(&temporaryCounter));
        temporary = path + middle + kSuffix;
        fw::FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        // Access is denied for a name that a folder or a file being deleted holds, and for
        // every name in a folder where no file may be made: only the first is worth a new name.
        if (error != ERROR_ACCESS_DENIED || GetFileAttributesW(temporary.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    }
    temporary.clear();
    return fw::FileHandle();
}

bool isTemporarySiblingName(const std::wstring& name, const std::wstring& baseName, unsigned long long& ownerId) {
    if (name.size() < baseName.size() + kSuffixLength || !endsWithSuffix(name) ||
        CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), static_cast<int>(baseName.size()),
                       baseName.c_str(), static_cast<int>(baseName.size())) != CSTR_EQUAL)
        return false;
    const std::wstring rest = name.substr(baseName.size(), name.size() - baseName.size() - kSuffixLength);
    if (rest.empty()) {
        ownerId = 0;
        return true;
    }
    return rest[0] == L'.' && parseOwnerAndCounter(rest.substr(1), ownerId);
}

void removeLeftoverTemporaryFiles(const std::wstring& path) {
    const std::wstring folder = folderOf(path);
    const std::wstring baseName = path.substr(folder.size());
    WIN32_FIND_DATAW found;
    const fw::FindHandle search(FindFirstFileW((path + L"*" + kSuffix).c_str(), &found));
    if (!search) return;
    do {
        unsigned long long ownerId = 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !isTemporarySiblingName(found.cFileName, baseName, ownerId) || (ownerId != 0 && processRuns(ownerId)))
            continue;
        const std::wstring leftover = folder + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesW(leftover.c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        DeleteFileW(leftover.c_str());  // one held open by a writer stays; it is not a leftover
    } while (FindNextFileW(search.get(), &found));
}
