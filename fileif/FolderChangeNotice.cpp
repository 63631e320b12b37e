#include "fileif/FolderChangeNotice.h"

#include "framework/Mbcs.h"

HANDLE openFolderChangeNotice(const std::string& filePath) {
    // A slash is never the trail byte of a double-byte character; a backslash may be.
    size_t separator = fw::FindLastChar(filePath, '\\');
    const size_t slash = filePath.find_last_of('/');
    if (slash != std::string::npos && (separator == std::string::npos || slash > separator)) separator = slash;
    const std::string folder = separator == std::string::npos ? std::string(".") : filePath.substr(0, separator + 1);
    return FindFirstChangeNotificationA(folder.c_str(), FALSE,
                                        FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE |
                                            FILE_NOTIFY_CHANGE_FILE_NAME);
}
