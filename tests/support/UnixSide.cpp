#include "UnixSide.h"

#include <windows.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "framework/UniqueHandle.h"
#include "framework/WideText.h"

namespace testing_support {
namespace {
const DWORD kPatienceMs = 5000;
const DWORD kStepMs = 20;
const char kChattr[] = "Z:\\usr\\bin\\chattr";
const char kLn[] = "Z:\\usr\\bin\\ln";
const char kRm[] = "Z:\\usr\\bin\\rm";

using UnixFileName = char*(CDECL*)(LPCWSTR);

// Wine starts a program that is no Windows program as a Linux process of its own.
bool StartUnixProgram(const std::string& program, const std::vector<std::string>& arguments) {
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments) line += " \"" + argument + "\"";
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    fw::KernelHandle process(started.hProcess);
    fw::KernelHandle thread(started.hThread);
    return true;
}

template <typename Done> bool WaitFor(Done done) {
    for (DWORD waited = 0;; waited += kStepMs) {
        if (done()) return true;
        if (waited >= kPatienceMs) return false;
        Sleep(kStepMs);
    }
}

// Whether a new file can be made in `folder` now (it is removed again at once); false with
// ERROR_ACCESS_DENIED in `error` in a locked folder. Each look takes a new name: one made just
// before the lock took hold stays there.
bool CanMakeFile(const std::string& folder, DWORD& error) {
    static unsigned looks = 0;
    const std::string probe = folder + "\\locked-folder-probe-" + std::to_string(++looks);
    fw::FileHandle file(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    error = file ? ERROR_SUCCESS : GetLastError();
    if (!file) return false;
    file.reset();
    DeleteFileA(probe.c_str());
    return true;
}
// Whether the folder lists `path`: a link is listed whether or not the file it names is there.
bool Listed(const std::string& path) {
    WIN32_FIND_DATAA found;
    return fw::FindHandle(FindFirstFileA(path.c_str(), &found)).get() != INVALID_HANDLE_VALUE;
}
}  // namespace

std::string UnixPathOf(const std::string& windowsPath) {
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto unixName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(kernel ? GetProcAddress(kernel, "wine_get_unix_file_name") : nullptr));
    if (!unixName) return std::string();
    char* name = unixName(fw::WideFromCodePage932(windowsPath).c_str());
    if (!name) return std::string();
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

LockedFolder::LockedFolder(const std::string& folder) : m_folder(folder), m_unixFolder(UnixPathOf(folder)) {
    if (m_unixFolder.empty()) {
        m_whyNot = "not under Wine";
        return;
    }
    m_started = StartUnixProgram(kChattr, {"+i", m_unixFolder});
    if (!m_started) {
        m_whyNot = std::string(kChattr) + " could not be started";
        return;
    }
    DWORD error = ERROR_SUCCESS;
    m_locked = WaitFor([&] { return !CanMakeFile(m_folder, error) && error == ERROR_ACCESS_DENIED; });
    if (!m_locked) m_whyNot = "chattr +i did not lock the folder (not the super-user, or a file system without it)";
}

LockedFolder::~LockedFolder() {
    // Also when the lock came too late to be seen: the folder must be left as it was.
    if (!m_started || !StartUnixProgram(kChattr, {"-i", m_unixFolder})) return;
    DWORD error = ERROR_SUCCESS;
    WaitFor([&] { return CanMakeFile(m_folder, error); });
}

SymbolicLink::SymbolicLink(const std::string& target, const std::string& link) : m_link(link) {
    const std::string unixLink = UnixPathOf(link);
    m_made = !unixLink.empty() && StartUnixProgram(kLn, {"-s", target, unixLink}) && WaitFor([&] { return Listed(link); });
}

SymbolicLink::~SymbolicLink() {
    if (m_made && StartUnixProgram(kRm, {"-f", UnixPathOf(m_link)})) WaitFor([&] { return !Listed(m_link); });
}

}  // namespace testing_support
