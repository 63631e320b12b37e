#include "model/WholeFile.h"

#include <windows.h>

namespace {
// Beside the file, so that the final step is a rename within one folder.
const char kTemporarySuffix[] = ".tmp";
// ReadFile and WriteFile take at most a DWORD: large files go in pieces.
const size_t kLargestPiece = 64u * 1024 * 1024;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool close() {
        bool closed = !valid() || CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

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

// One rename within the folder, which replaces the old file in a single step and reaches the
// disk before it returns. (ReplaceFileA is not used: Wine's moves the old file aside before it
// moves the new one in, which leaves a moment with no settings file at all.)
bool putInPlace(const std::string& temporary, const std::string& path) {
    return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}
}  // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) >= bytes.max_size())
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        size_t piece = bytes.size() - done < kLargestPiece ? bytes.size() - done : kLargestPiece;
        DWORD got = 0;
        if (!ReadFile(file.get(), &bytes[done], static_cast<DWORD>(piece), &got, nullptr)) return false;
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool replaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + kTemporarySuffix;
    FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.valid()) return false;
    bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) != FALSE;
    written = file.close() && written;
    if (written && putInPlace(temporary, path)) return true;
    DeleteFileA(temporary.c_str());
    return false;
}
