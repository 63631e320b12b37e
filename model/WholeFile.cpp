#include "model/WholeFile.h"

#include "framework/FileBytes.h"
#include "framework/UniqueHandle.h"
#include "model/FileTraits.h"
#include "model/TemporarySibling.h"

namespace {
// WriteFile takes at most a DWORD: large files go in pieces.
const size_t kLargestPiece = 64u * 1024 * 1024;
// A viewer or a reader of another process that has the file open blocks the rename.
const int kRenameAttempts = 6;
const DWORD kRenameStepMs = 120;

bool writeAll(HANDLE file, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        size_t piece = bytes.size() - done < kLargestPiece ? bytes.size() - done : kLargestPiece;
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(piece), &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Whole, whatever its size (one too large for memory is unreadable), and also while another
// program holds it open for writing.
FileRead readOnce(const std::wstring& path, std::string& bytes) {
    switch (fw::ReadFileStart(path, fw::FileSharing::Writers, bytes.max_size(), bytes)) {
    case fw::FileBytesResult::Read: return FileRead::Read;
    case fw::FileBytesResult::Missing: return FileRead::Missing;
    case fw::FileBytesResult::CouldNotOpen:
    case fw::FileBytesResult::ReadError:
    case fw::FileBytesResult::NoMemory: break;
    }
    return FileRead::Unreadable;
}

// A rename refused for one of these may be written in place instead.
bool mayWriteInPlace(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Whether another program has `path` open: then it cannot be opened for this handle alone.
bool isOpenElsewhere(const std::wstring& path) {
    fw::FileHandle alone(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !alone && GetLastError() == ERROR_SHARING_VIOLATION;
}

// A refusal that goes when another program lets go of the file. Renaming over an open file is
// denied (under Wine whatever its sharing), and so is a rename that the folder's or the file's
// rights forbid: only the first is worth waiting for.
bool mayPass(DWORD error, const std::wstring& path) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
    return error == ERROR_ACCESS_DENIED && isOpenElsewhere(path);
}

// One rename within the folder, which replaces the old file in a single step and reaches the
// disk before it returns. (ReplaceFileA is not used: Wine's moves the old file aside before it
// moves the new one in, which leaves a moment with no settings file at all.) A file that
// another program has open cannot be renamed over, so that is tried again for a moment.
bool putInPlace(const std::wstring& temporary, const std::wstring& path, DWORD& error) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        error = GetLastError();
        if (attempt == kRenameAttempts || !mayPass(error, path)) return false;
        Sleep(kRenameStepMs);
    }
}

// The new bytes over the old ones through one handle that a viewer's sharing allows, then the
// end cut: a kill can leave a mixed file only during the write itself.
bool writeInPlace(const std::wstring& path, const std::string& bytes) {
    fw::FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const bool written = writeAll(file.get(), bytes) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
    return CloseHandle(file.release()) && written;
}
}  // namespace

FileRead readWholeFilePatiently(const std::wstring& path, std::string& bytes, DWORD patienceMs, DWORD stepMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const FileRead read = readOnce(path, bytes);
        if (read != FileRead::Unreadable || GetTickCount() - start >= patienceMs) return read;
        Sleep(stepMs);
    }
}

bool replaceWholeFile(const std::wstring& path, const std::string& bytes) {
    const FileTraits traits = traitsOf(path);
    std::wstring temporary;
    DWORD error = ERROR_SUCCESS;
    fw::FileHandle file = createTemporarySibling(path, temporary, error);
    // A folder where no file may be made, as a per-key writer would have met it: it writes the
    // file itself.
    if (!file) return error == ERROR_ACCESS_DENIED && writeInPlace(path, bytes);
    bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) != FALSE;
    written = CloseHandle(file.release()) && written && applyTraits(temporary, traits);
    if (written && putInPlace(temporary, path, error)) return true;
    DeleteFileW(temporary.c_str());
    return written && mayWriteInPlace(error) && writeInPlace(path, bytes);
}
