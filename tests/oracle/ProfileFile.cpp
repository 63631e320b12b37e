#include "tests/oracle/ProfileFile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "framework/Mbcs.h"

namespace {
// At the end of a full buffer the profile functions may split a double-byte character or leave
// a byte unwritten, so a value is read into a zeroed buffer with room beyond the wanted length
// and cut back to a character boundary.
const size_t kRoomForSplitCharacter = 3;

const DWORD kFirstSectionListSize = 4096;
const DWORD kLargestSectionListSize = 16u * 1024 * 1024;
}  // namespace

int ProfileFile::readInt(const char* section, const char* key, int defaultValue) const {
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, m_path.c_str()));
}

std::string ProfileFile::readString(const char* section, const char* key, size_t maxBytes) const {
    std::vector<char> buffer(maxBytes + kRoomForSplitCharacter, '\0');
    GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                             m_path.c_str());
    buffer.back() = '\0';
    return fw::CutToBytes(std::string(buffer.data()), maxBytes);
}

bool ProfileFile::readSectionNames(std::vector<std::string>& names) const {
    names.clear();
    for (DWORD size = kFirstSectionListSize; size <= kLargestSectionListSize; size *= 2) {
        std::vector<char> buffer(size, '\0');
        DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), size, m_path.c_str());
        if (length + 2 >= size) continue;  // the list was cut: try a larger buffer
        for (const char* name = buffer.data(); *name; name += std::strlen(name) + 1)
            names.emplace_back(name);
        return true;
    }
    return false;
}

bool ProfileFile::writeString(const char* section, const char* key, const std::string& value) const {
    return WritePrivateProfileStringA(section, key, value.c_str(), m_path.c_str()) != FALSE;
}

bool ProfileFile::writeInt(const char* section, const char* key, int value) const {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return writeString(section, key, text);
}
