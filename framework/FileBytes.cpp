#include "framework/FileBytes.h"

#include <vector>

#include <windows.h>

#include <algorithm>

#include "framework/UniqueHandle.h"

namespace fw {
namespace {
const DWORD kChunk = 64 * 1024;

DWORD shareMode(FileSharing sharing) {
    const DWORD readers = FILE_SHARE_READ | FILE_SHARE_DELETE;
    return sharing == FileSharing::Writers ? readers | FILE_SHARE_WRITE : readers;
}

bool readInto(HANDLE file, size_t maxBytes, std::string& bytes) {
    // The size read once the file is open bounds the read: with writers kept out it is the
    // end, with writers let in what they add meanwhile is left. A pipe or a device has no
    // size: reading goes on until it ends.
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file, &size) && size.QuadPart > 0;
    const size_t wanted = sized ? static_cast<size_t>(std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(maxBytes)))
                                : maxBytes;
    if (sized) bytes.reserve(wanted);
    while (bytes.size() < wanted) {
        const size_t have = bytes.size();
        const DWORD want = static_cast<DWORD>(std::min<size_t>(kChunk, wanted - have));
        bytes.resize(have + want);
        DWORD got = 0;
        const BOOL ok = ReadFile(file, &bytes[have], want, &got, nullptr);
        bytes.resize(have + got);
        if (!ok) return false;
        if (got == 0) break;  // the file shrank meanwhile, or a pipe ended
    }
    return true;
}

// Reads from a file just opened (the last error still that of its open), then closes it.
FileBytesResult readOpened(FileHandle file, size_t maxBytes, std::string& bytes) {
    if (!file) return GetLastError() == ERROR_FILE_NOT_FOUND ? FileBytesResult::Missing : FileBytesResult::CouldNotOpen;
    FileBytesResult result = FileBytesResult::ReadError;
    try {
        if (readInto(file.get(), maxBytes, bytes)) return FileBytesResult::Read;
    } catch (...) {
        result = FileBytesResult::NoMemory;  // more bytes than memory holds
    }
    bytes.clear();
    return result;
}
}  // namespace

FileBytesResult ReadFileStart(const std::wstring& path, FileSharing sharing, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    return readOpened(FileHandle(CreateFileW(path.c_str(), GENERIC_READ, shareMode(sharing), nullptr, OPEN_EXISTING,
                                             FILE_FLAG_SEQUENTIAL_SCAN, nullptr)),
                      maxBytes, bytes);
}

std::wstring FullPathOf(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
    return length > 0 && length < needed ? std::wstring(buffer.data(), length) : path;
}

}  // namespace fw
