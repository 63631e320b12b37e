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

    // The size is only a hint (a pipe or a device has none): reading goes on to the end.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        bytes.reserve(static_cast<size_t>(std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(maxBytes))));
    FileBytesResult result = FileBytesResult::Read;
    while (bytes.size() < maxBytes) {
        const size_t have = bytes.size();
        const DWORD want = static_cast<DWORD>(std::min<size_t>(kChunk, maxBytes - have));
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
