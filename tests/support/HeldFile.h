#pragma once
// Another program's hold on a file, as a viewer, a sync agent or a backup takes it: the file
// open with the given sharing until Release or the end of the object (an empty path holds
// nothing).
#include <windows.h>

#include <string>

#include "framework/UniqueHandle.h"

namespace testing_support {

class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD share)
        : m_handle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    void Release() { m_handle.reset(); }

private:
    fw::FileHandle m_handle;
};

}  // namespace testing_support
