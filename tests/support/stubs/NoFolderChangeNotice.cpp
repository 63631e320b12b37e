// Linked into a program in place of fileif/FolderChangeNotice.cpp: every folder is one that
// cannot notify, so only the page's once-a-second look takes a save. For the tests that tick
// that look by hand, and for the file-latency benchmark's copy of Kirunner as it was before
// folders were watched.
#include "fileif/FolderChangeNotice.h"

HANDLE openFolderChangeNotice(const std::wstring&) { return INVALID_HANDLE_VALUE; }
