#pragma once
// What a test under Wine sets up on the Linux side, where no Windows call reaches: a folder
// in which no entry may be made (the immutable attribute, chattr +i, which Wine reports as
// ERROR_ACCESS_DENIED for every new name while the files in it stay writable), and a symbolic
// link. Wine starts a Linux program without a handle to wait on, so each step waits until
// its effect shows from the Windows side.
#include <string>

namespace testing_support {

// The Linux path of a Windows path; empty outside Wine.
std::string UnixPathOf(const std::string& windowsPath);

// Makes `folder` refuse new entries, renames and deletions until the object ends. Needs the
// super-user (the tests' user) and a file system that keeps the attribute (ext4 does):
// where either is missing, `locked()` is false and `whyNot()` says why.
class LockedFolder {
public:
    explicit LockedFolder(const std::string& folder);
    ~LockedFolder();
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked() const { return m_locked; }
    const std::string& whyNot() const { return m_whyNot; }

private:
    std::string m_folder;
    std::string m_unixFolder;
    bool m_started = false;
    bool m_locked = false;
    std::string m_whyNot;
};

// A symbolic link at `link` to `target` (a path as the link stores it: relative to the link's
// folder, or a Linux path), made by ln -s and removed by rm when the object ends (Wine's
// DeleteFile would remove the file it points to instead). `made()` is false when the link did
// not show within a few seconds.
class SymbolicLink {
public:
    SymbolicLink(const std::string& target, const std::string& link);
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

    bool made() const { return m_made; }

private:
    std::string m_link;
    bool m_made = false;
};

}  // namespace testing_support
