#include "framework/FolderIdentity.h"

#include <windows.h>

#include <cstdio>

#include "framework/UniqueHandle.h"

namespace fw {

bool FolderIdentity(const std::wstring& folder, std::string& identity) {
    // Backup semantics open a folder; no access rights are needed to read its information, and
    // sharing everything never stands in the way of another process using it.
    const FileHandle handle(CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle.get(), &info) != FALSE;
    // Some network file systems give every file the index 0: that names no folder.
    if (!known || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return false;
    char text[32];
    std::snprintf(text, sizeof text, "%08lX-%08lX%08lX", static_cast<unsigned long>(info.dwVolumeSerialNumber),
                  static_cast<unsigned long>(info.nFileIndexHigh), static_cast<unsigned long>(info.nFileIndexLow));
    identity = text;
    return true;
}

}  // namespace fw
