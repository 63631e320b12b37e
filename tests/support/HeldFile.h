#pragma once
// Another program's hold on a file, as a viewer, a sync agent or a backup takes it: the file
// open with the given sharing until Release or the end of the object (an empty path holds
// nothing).
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
    void Release() {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

}  // namespace testing_support
