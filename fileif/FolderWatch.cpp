#include "fileif/FolderWatch.h"

#include "fileif/FolderChangeNotice.h"
#include "framework/FolderIdentity.h"

namespace {
std::wstring folderOf(const std::wstring& filePath) {
    const size_t separator = filePath.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : filePath.substr(0, separator + 1);
}
}  // namespace

FolderWatch::Presence FolderWatch::presenceOf(const std::wstring& folder) {
    Presence presence;
    if (fw::FolderIdentity(folder, presence.identity)) {
        presence.exists = true;
        return presence;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    presence.exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return presence;
}

void FolderWatch::open(bool watched, const std::wstring& filePath) {
    drop();
    m_refused = false;
    m_folder = watched && !filePath.empty() ? folderOf(filePath) : std::wstring();
    if (!wanted()) return;
    const Presence now = presenceOf(m_folder);
    if (now.exists) arm(now);  // a missing folder is armed by check() once it is there
}

void FolderWatch::again() {
    if (armed() && !FindNextChangeNotification(m_handle)) drop();
}

void FolderWatch::drop() {
    if (armed()) FindCloseChangeNotification(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

bool FolderWatch::check() {
    if (!wanted()) return false;
    const Presence now = presenceOf(m_folder);
    if (armed()) {
        const bool replaced = !now.identity.empty() && !m_identity.empty() && now.identity != m_identity;
        if (now.exists && !replaced) return false;
        drop();
    }
    if (!now.exists) {
        m_refused = false;  // whatever folder comes next is asked anew
        return false;
    }
    if (m_refused && now.identity == m_refusedIdentity) return false;
    return arm(now);
}

bool FolderWatch::arm(const Presence& now) {
    m_handle = openFolderChangeNotice(m_folder);
    if (!armed()) {
        m_handle = INVALID_HANDLE_VALUE;
        m_refused = true;
        m_refusedIdentity = now.identity;
        return false;
    }
    m_refused = false;
    m_identity = now.identity;
    return true;
}
