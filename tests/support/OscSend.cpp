#include "OscSend.h"

#include <windows.h>

#include <cstdlib>

#include "KirunnerProcess.h"
#include "TempDir.h"

namespace testing_support {

OscSender::OscSender(int port, const std::string& arguments) {
    static int count = 0;
    m_done = "/tmp/kirunner-osc-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    DeleteFileA(HostPathToWindows(m_done).c_str());
    const char* python = std::getenv("PYTHON3");
    const char* sender = std::getenv("OSC_SENDER");
    if (!python || !sender) return;
    // Its arguments reach it as they are: host paths.
    const std::string program = HostPathToWindows(python);
    std::string line = "\"" + program + "\" \"" + sender + "\" " + std::to_string(port) + " " + m_done + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    m_started =
        CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != FALSE;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
}

OscSender::~OscSender() { DeleteFileA(HostPathToWindows(m_done).c_str()); }

bool OscSender::Ended() const { return FileExists(HostPathToWindows(m_done)); }

bool SendOsc(int port, const std::string& arguments, unsigned long timeoutMs) {
    OscSender sender(port, arguments);
    return sender.Started() && WaitUntil([&] { return sender.Ended(); }, timeoutMs, 10);
}

}  // namespace testing_support
