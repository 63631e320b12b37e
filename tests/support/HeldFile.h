#pragma once
// Another program's hold on a file, as a viewer, a sync agent or a backup takes it: the file
// open with the given sharing until Release or the end of the object.
#include <windows.h>

#include <string>

namespace testing_support {

class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD share)
        : m_handle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE handle() const { return m_handle; }
    void Release() {
        if (held()) CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

// The temporary files beside `ini` that a save may leave: "<ini>.tmp" and "<ini>.*.tmp".
int TemporaryFilesBeside(const std::string& ini);

}  // namespace testing_support
