#include "model/FileTraits.h"

namespace {
// Read-only is not carried on: a read-only settings file is refused before any replacement.
const DWORD kCarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
const SECURITY_INFORMATION kCarriedSecurity =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
}  // namespace

FileTraits traitsOf(const std::string& path) {
    FileTraits traits;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return traits;
    traits.attributes = attributes & kCarriedAttributes;
    DWORD needed = 0;
    GetFileSecurityA(path.c_str(), kCarriedSecurity, nullptr, 0, &needed);
    if (needed == 0) return traits;
    traits.security.resize(needed);
    if (!GetFileSecurityA(path.c_str(), kCarriedSecurity, traits.security.data(), needed, &needed))
        traits.security.clear();
    return traits;
}

bool applyTraits(const std::string& path, const FileTraits& traits) {
    if (!traits.security.empty()) {
        PSECURITY_DESCRIPTOR security = const_cast<BYTE*>(traits.security.data());
        // Giving a file another owner takes a privilege that most callers lack: the access list
        // alone is carried on then.
        if (!SetFileSecurityA(path.c_str(), kCarriedSecurity, security))
            SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, security);
    }
    return traits.attributes == 0 || SetFileAttributesA(path.c_str(), traits.attributes) != FALSE;
}
