#pragma once
// The folder notification of the watched file, kept armed for as long as the file is watched.
// A folder can go and come back while the program runs: a sync tool or a script deletes and
// creates it again, or replaces it with another one, and a folder that is missing when watching
// starts may appear later. A notification that fails, or whose folder is no longer the one at
// the path, is let go (so that a folder deleted under it really goes) and opened again once a
// folder is there. A folder that is there but cannot notify (many network shares) is not asked
// again until another folder takes its place.
#include <windows.h>

#include <string>

class FolderWatch {
public:
    // How often check() is due while a folder is watched.
    static constexpr DWORD kCheckMs = 1000;

    FolderWatch() = default;
    ~FolderWatch() { drop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches the folder that holds `filePath` (the current folder for a bare name), or none
    // when `watched` is false or the path is empty.
    void open(bool watched, const std::wstring& filePath);
    // A folder is watched, whether or not its notification is armed now.
    bool wanted() const { return !m_folder.empty(); }
    bool armed() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE handle() const { return m_handle; }
    // After the notification was signalled: signals again at the next change; a notification
    // that cannot is let go, and check() opens it again.
    void again();
    // Lets the notification go, keeping the folder: check() opens it again.
    void drop();
    // Looks at the folder at the path: a notification whose folder is gone or another one is
    // let go, and one that is not armed is opened when a folder is there. True when it was
    // opened here: what changed while it was not armed was never reported.
    bool check();

private:
    // The folder at the path: whether there is one, and who it is ("" when its file system
    // gives no identity).
    struct Presence {
        bool exists = false;
        std::string identity;
    };
    static Presence presenceOf(const std::wstring& folder);
    bool arm(const Presence& now);

    std::wstring m_folder;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::string m_identity;      // of the folder the notification was opened for
    bool m_refused = false;      // the folder at the path cannot notify
    std::string m_refusedIdentity;
};
