#include "surfaces/CommandChannel.h"

#include <cstdio>

#include "surfaces/CommandPayload.h"
#include "framework/FileBytes.h"
#include "framework/FolderIdentity.h"
#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "framework/UniqueHandle.h"
#include "model/StartupState.h"
#include "show/CommandRunner.h"

namespace {
const char kReceiverClass[] = "Kirunner.CommandReceiver.1";
const UINT kHandOverTimeoutMs = 10000;
const DWORD kStartGateWaitMs = 2000;
fw::HeldMutex g_startGate;  // held by this process while it owns one

std::string receiverTitle(const std::string& channel) { return "Kirunner commands: " + channel; }

HWND findHolder(const std::string& channel) {
    return FindWindowExA(HWND_MESSAGE, nullptr, kReceiverClass, receiverTitle(channel).c_str());
}

// A 64-bit FNV-1a hash as 16 upper-case hex digits: a short name without backslashes.
std::string hashText(const std::string& text) {
    unsigned long long hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    char digits[20];
    std::snprintf(digits, sizeof digits, "%016llX", hash);
    return digits;
}

}  // namespace

std::string channelName(const std::wstring& folder) {
    std::string identity;
    if (fw::FolderIdentity(folder, identity)) return identity;
    const std::wstring path = fw::FullPathOf(folder);
    const std::string bytes = fw::CodePage932Holds(path) ? fw::CodePage932FromWide(path) : fw::Narrow(path, CP_UTF8);
    return "PATH-" + hashText(fw::UpperAscii(bytes));
}

bool channelHeld(const std::string& channel) { return findHolder(channel) != nullptr; }

bool enterStartGate(const std::string& channel) {
    if (g_startGate) return true;
    const std::string name = "Local\\Kirunner.Start." + channel;
    fw::KernelHandle gate(CreateMutexA(nullptr, FALSE, name.c_str()));
    if (!gate) return false;
    const DWORD waited = WaitForSingleObject(gate.get(), kStartGateWaitMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
        return false;  // another process hangs while it becomes the holder
    g_startGate.reset(gate.release());
    return true;
}

void leaveStartGate() { g_startGate.reset(); }

int handOverCommands(const std::string& channel, const std::vector<CaptionCommand>& commands) {
    HWND receiver = findHolder(channel);
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

bool CCommandReceiver::Create(const std::string& channel, CommandRunner* runner) {
    m_runner = runner;
    RECT none{0, 0, 0, 0};
    const bool created = RegisterNamedClass(kReceiverClass) &&
                         CreateEx(0, kReceiverClass, receiverTitle(channel).c_str(), 0, none, HWND_MESSAGE, 0);
    leaveStartGate();  // from now on later processes find this one, or none
    return created;
}

LRESULT CCommandReceiver::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    return fw::Window::HandleMessage(msg, wp, lp);
}

LRESULT CCommandReceiver::OnCopyData(const COPYDATASTRUCT* data) {
    CaptionCommand command;
    if (!data || !m_runner || !remote::decodeCommand(data->dwData, data->lpData, data->cbData, command))
        return remote::kAnswerMalformed;
    const CommandResult result = m_runner->runCommand(command);
    return result == CommandResult::kDone || result == CommandResult::kDoneUnsaved ? remote::kAnswerDone
                                                                                   : remote::kAnswerNoSuchItem;
}
