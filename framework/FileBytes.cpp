#include "framework/FileBytes.h"

#include <windows.h>

#include <algorithm>

namespace fw {
namespace {
const DWORD kChunk = 64 * 1024;
}  // namespace

FileBytesResult ReadFileStart(const std::string& path, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileBytesResult::CouldNotOpen;

    // No one can write the file while it is open here, so once its size has been read the end
    // is known. A pipe or a device has no size: reading goes on until it ends.
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file, &size) && size.QuadPart > 0;
    const size_t wanted = sized ? static_cast<size_t>(std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(maxBytes)))
                                : maxBytes;
    if (sized) bytes.reserve(wanted);
    FileBytesResult result = FileBytesResult::Read;
    while (bytes.size() < wanted) {
        const size_t have = bytes.size();
        const DWORD want = static_cast<DWORD>(std::min<size_t>(kChunk, wanted - have));
        bytes.resize(have + want);
        DWORD got = 0;
        const BOOL ok = ReadFile(file, &bytes[have], want, &got, nullptr);
        bytes.resize(have + got);
        if (!ok) {
            result = FileBytesResult::ReadError;
            break;
        }
        if (got == 0) break;
    }
    CloseHandle(file);
    if (result != FileBytesResult::Read) bytes.clear();
    return result;
}

}  // namespace fw
