#include "tests/oracle/ProfileFile.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "framework/Mbcs.h"

namespace {
// At the end of a full buffer the profile functions may split a double-byte character or leave
// a byte unwritten, so a value is read into a zeroed buffer with room beyond the wanted length
// and cut back to a character boundary.
const size_t kRoomForSplitCharacter = 3;
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

bool ProfileFile::writeString(const char* section, const char* key, const std::string& value) const {
    return WritePrivateProfileStringA(section, key, value.c_str(), m_path.c_str()) != FALSE;
}

bool ProfileFile::deleteKey(const char* section, const char* key) const {
    return WritePrivateProfileStringA(section, key, nullptr, m_path.c_str()) != FALSE;
}

bool ProfileFile::hasSection(const char* section) const {
    std::vector<char> names(65536, '\0');
    const DWORD length = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), m_path.c_str());
    for (const char* name = names.data(); name < names.data() + length && *name; name += std::strlen(name) + 1)
        if (lstrcmpiA(name, section) == 0) return true;
    return false;
}

bool ProfileFile::deleteSection(const char* section) const {
    return WritePrivateProfileStringA(section, nullptr, nullptr, m_path.c_str()) != FALSE;
}
