#pragma once
// The change notification on the folder of the watched file: signalled when a file in it is
// written, changes its size, or is created, renamed or deleted (a save through a temporary file
// and a rename counts). Linked on its own, so that a build can replace it with a folder that
// never notifies.
#include <windows.h>

#include <string>

// A notification handle for `folder`; INVALID_HANDLE_VALUE when that folder cannot notify
// (many network shares, a folder that does not exist). Close it with
// FindCloseChangeNotification.
HANDLE openFolderChangeNotice(const std::wstring& folder);
