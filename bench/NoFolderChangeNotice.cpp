// For the file-latency benchmark only: linked into a copy of Kirunner in place of
// fileif/FolderChangeNotice.cpp, so that every folder is one that cannot notify and only the
// once-a-second look takes a save, as before folders were watched.
#include "fileif/FolderChangeNotice.h"

HANDLE openFolderChangeNotice(const std::string&) { return INVALID_HANDLE_VALUE; }
