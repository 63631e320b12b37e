#include "fileif/FolderChangeNotice.h"

HANDLE openFolderChangeNotice(const std::wstring& folder) {
    return FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                        FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE |
                                            FILE_NOTIFY_CHANGE_FILE_NAME);
}
