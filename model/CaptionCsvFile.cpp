#include "model/CaptionCsvFile.h"

#include <windows.h>

#include <new>

#include "framework/FileBytes.h"

namespace {
// Whether the system gives the file a size over maxBytes; a file without one is left to the read.
bool largerThan(const std::wstring& path, size_t maxBytes) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    const unsigned long long size = static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    return size > maxBytes;
}
}  // namespace

CaptionCsvFileRead readCaptionCsvFile(const std::wstring& path, size_t maxBytes, CaptionCsvImport& read) {
    read = CaptionCsvImport();
    if (largerThan(path, maxBytes)) return CaptionCsvFileRead::TooLarge;
    try {
        std::string bytes;
        // One byte more than the bound tells a file that grew past it meanwhile.
        switch (fw::ReadFileStart(path, fw::FileSharing::Writers, maxBytes + 1, bytes)) {
        case fw::FileBytesResult::Read: break;
        case fw::FileBytesResult::NoMemory: return CaptionCsvFileRead::NoMemory;
        case fw::FileBytesResult::Missing:
        case fw::FileBytesResult::CouldNotOpen:
        case fw::FileBytesResult::ReadError: return CaptionCsvFileRead::Unreadable;
        }
        if (bytes.size() > maxBytes) return CaptionCsvFileRead::TooLarge;
        read = captionsFromCsv(bytes);
        return CaptionCsvFileRead::Read;
    } catch (const std::bad_alloc&) {
        // The text decoded from the bytes, or the rows read from it, did not fit.
        read = CaptionCsvImport();
        return CaptionCsvFileRead::NoMemory;
    }
}
