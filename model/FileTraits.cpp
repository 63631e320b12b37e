#include "model/FileTraits.h"

namespace {
// Read-only is not carried on: a read-only settings file is refused before any replacement.
const DWORD kCarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
const SECURITY_INFORMATION kCarriedSecurity =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
}  // namespace

FileTraits traitsOf(const std::wstring& path) {
    FileTraits traits;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return traits;
    traits.attributes = attributes & kCarriedAttributes;
    DWORD needed = 0;
    GetFileSecurityW(path.c_str(), kCarriedSecurity, nullptr, 0, &needed);
    if (needed == 0) return traits;
    traits.security.resize(needed);
    if (!GetFileSecurityW(path.c_str(), kCarriedSecurity, traits.security.data(), needed, &needed))
        traits.security.clear();
    return traits;
}

bool applyTraits(const std::wstring& path, const FileTraits& traits) {
    if (!traits.security.empty()) {
        PSECURITY_DESCRIPTOR security = const_cast<BYTE*>(traits.security.data());
        // Giving a file another owner takes a privilege that most callers lack: the access list
        // alone is carried on then.
        if (!SetFileSecurityW(path.c_str(), kCarriedSecurity, security))
            SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, security);
    }
    return traits.attributes == 0 || SetFileAttributesW(path.c_str(), traits.attributes) != FALSE;
}
