#include "feeds/LocalFile.h"

#include "feeds/FeedParser.h"
#include "framework/FileBytes.h"

bool FileVersion::operator==(const FileVersion& other) const {
    if (exists != other.exists) return false;
    return !exists || (CompareFileTime(&lastWrite, &other.lastWrite) == 0 && size == other.size);
}

FileVersion fileVersionOf(const std::wstring& path) {
    FileVersion version;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return version;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return version;
    version.exists = true;
    version.lastWrite = data.ftLastWriteTime;
    version.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return version;
}

FetchResult readLocalSource(const std::wstring& path, size_t maxBytes) {
    FetchResult result;
    // One byte more than the bound tells a file that passes it.
    switch (fw::ReadFileStart(path, fw::FileSharing::NoWriters, maxBytes + 1, result.bytes)) {
    case fw::FileBytesResult::Missing: result.reason = L"the file does not exist"; return result;
    case fw::FileBytesResult::CouldNotOpen:
        result.reason = L"the file could not be opened";
        result.held = true;
        return result;
    case fw::FileBytesResult::ReadError:
    case fw::FileBytesResult::NoMemory: result.reason = L"the file could not be read"; return result;
    case fw::FileBytesResult::Read: break;
    }
    if (result.bytes.size() > maxBytes) {
        result.bytes.clear();
        result.reason = L"the file is larger than " + std::to_wstring(maxBytes / (1024 * 1024)) + L" MiB";
        return result;
    }
    result.contentType = contentTypeOfPath(path);
    result.outcome = FetchOutcome::Fetched;
    return result;
}
