#include "fileif/FolderChangeNotice.h"

HANDLE openFolderChangeNotice(const std::wstring& filePath) {
    const size_t separator = filePath.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? std::wstring(L".") : filePath.substr(0, separator + 1);
    return FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                        FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE |
                                            FILE_NOTIFY_CHANGE_FILE_NAME);
}
