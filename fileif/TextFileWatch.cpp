#include "fileif/TextFileWatch.h"

#include <cstring>

#include "fileif/CaptionTextFile.h"

bool isLaterWriteTime(const FILETIME& later, const FILETIME& earlier) {
    if (later.dwHighDateTime != earlier.dwHighDateTime) return later.dwHighDateTime > earlier.dwHighDateTime;
    return later.dwLowDateTime > earlier.dwLowDateTime;
}

bool checkTextFile(int fileExec, const std::string& filePath, TextFileWatch& watch, std::string& text) {
    text.clear();
    if (fileExec == 0) return false;

    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(filePath.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        if (!watch.lastFileDataValid) {
            std::memset(&watch.lastFileData, 0, sizeof watch.lastFileData);
            watch.lastFileDataValid = 1;
        }
        return false;
    }
    FindClose(find);

    if (entry.cFileName[0] == '\0') return false;
    if (!watch.lastFileDataValid) {
        watch.lastFileData = entry;
        watch.lastFileDataValid = 1;
        return false;
    }
    if (!isLaterWriteTime(entry.ftLastWriteTime, watch.lastFileData.ftLastWriteTime)) return false;

    if (readCaptionText(filePath, text) != CaptionFileRead::Read) {
        text.clear();
        return false;
    }
    watch.lastFileData = entry;
    return !text.empty();
}
