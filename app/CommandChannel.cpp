#include "app/CommandChannel.h"

#include <cstdio>

#include "app/CommandPayload.h"
#include "framework/Mbcs.h"
#include "model/StartupState.h"
#include "panel/ControlDlg.h"

namespace {
const char kReceiverClass[] = "Kirunner.CommandReceiver.1";
const UINT kHandOverTimeoutMs = 10000;
const DWORD kStartGateWaitMs = 20000;
HANDLE g_startGate = nullptr;  // held by this process while not null

// Folders differ in letter case only on paper: one running program per folder.
std::string receiverTitle(const std::string& folder) {
    return "Kirunner commands: " + fw::UpperAscii(folder);
}
}  // namespace

void enterStartGate(const std::string& folder) {
    if (g_startGate) return;
    // The folder's name, folded to upper case, as a 64-bit FNV-1a hash: any folder gives a
    // short mutex name without backslashes.
    unsigned long long hash = 14695981039346656037ull;
    for (unsigned char c : fw::UpperAscii(folder)) hash = (hash ^ c) * 1099511628211ull;
    char name[64];
    std::snprintf(name, sizeof name, "Local\\Kirunner.Start.%016llx", hash);
    HANDLE gate = CreateMutexA(nullptr, FALSE, name);
    if (!gate) return;
    const DWORD waited = WaitForSingleObject(gate, kStartGateWaitMs);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        g_startGate = gate;
    } else {
        CloseHandle(gate);  // the holder hangs: go on without the gate
    }
}

void leaveStartGate() {
    if (!g_startGate) return;
    ReleaseMutex(g_startGate);
    CloseHandle(g_startGate);
    g_startGate = nullptr;
}

int handOverCommands(const std::string& folder, const std::vector<CaptionCommand>& commands) {
    HWND receiver = FindWindowExA(HWND_MESSAGE, nullptr, kReceiverClass, receiverTitle(folder).c_str());
    if (!receiver) return -1;
    for (const CaptionCommand& command : commands) {
        std::vector<char> payload = remote::encodeCommand(command);
        COPYDATASTRUCT data{};
        data.dwData = remote::kMagic;
        data.cbData = static_cast<DWORD>(payload.size());
        data.lpData = payload.data();
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                 SMTO_ABORTIFHUNG, kHandOverTimeoutMs, &answer))
            return kExitNoRunningKirunner;
        if (static_cast<LRESULT>(answer) == remote::kAnswerNoSuchItem) return kExitNoSuchItem;
        if (static_cast<LRESULT>(answer) != remote::kAnswerDone) return kExitMalformedCommand;
    }
    return kExitNormal;
}

bool CCommandReceiver::Create(const std::string& folder, CControlDlg* page) {
    m_page = page;
    if (!RegisterNamedClass(kReceiverClass)) return false;
    RECT none{0, 0, 0, 0};
    const bool created =
        CreateEx(0, kReceiverClass, receiverTitle(folder).c_str(), 0, none, HWND_MESSAGE, 0);
    leaveStartGate();  // from now on later processes find this one
    return created;
}

LRESULT CCommandReceiver::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    return fw::Window::HandleMessage(msg, wp, lp);
}

LRESULT CCommandReceiver::OnCopyData(const COPYDATASTRUCT* data) {
    CaptionCommand command;
    if (!data || !m_page || !remote::decodeCommand(data->dwData, data->lpData, data->cbData, command))
        return remote::kAnswerMalformed;
    return m_page->runCommand(command) == CommandResult::kDone ? remote::kAnswerDone
                                                                : remote::kAnswerNoSuchItem;
}
