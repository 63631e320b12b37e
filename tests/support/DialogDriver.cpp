#include "DialogDriver.h"

#include <algorithm>

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

namespace testing_support {

struct DialogDriver::Running {
    HWND dialog;
    std::vector<DialogStep> steps;
    size_t next = 0;
    bool busy = false;
};

namespace {
DialogDriver* g_driver = nullptr;
constexpr UINT_PTR kStepTimer = 0x7E57;
}  // namespace

DialogDriver::DialogDriver() {
    g_driver = this;
    m_hook = SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    for (Running* r : m_running) {
        if (IsWindow(r->dialog)) KillTimer(r->dialog, kStepTimer);
        delete r;
    }
    g_driver = nullptr;
}

void DialogDriver::Expect(std::vector<DialogStep> steps) { m_scripts.push_back(std::move(steps)); }

void DialogDriver::Start(HWND dialog) {
    m_titles.push_back(fw::GetWindowTextString(dialog));
    if (m_scripts.empty()) return;
    Running* r = new Running{dialog, std::move(m_scripts.front())};
    m_scripts.pop_front();
    m_running.push_back(r);
    SetTimer(dialog, kStepTimer, 10, TimerProc);
}

LRESULT CALLBACK DialogDriver::HookProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && g_driver) {
        const CWPRETSTRUCT* info = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (info->message == WM_INITDIALOG) g_driver->Start(info->hwnd);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void CALLBACK DialogDriver::TimerProc(HWND hwnd, UINT, UINT_PTR, DWORD) {
    if (!g_driver) return;
    auto found = std::find_if(g_driver->m_running.begin(), g_driver->m_running.end(),
                              [hwnd](Running* r) { return r->dialog == hwnd; });
    if (found == g_driver->m_running.end()) {
        KillTimer(hwnd, kStepTimer);
        return;
    }
    Running* r = *found;
    if (r->busy) return;  // a step is still running (it opened a nested dialog)
    if (r->next >= r->steps.size()) {
        KillTimer(hwnd, kStepTimer);
        return;
    }
    r->busy = true;
    DialogStep step = r->steps[r->next++];
    step(hwnd);
    r->busy = false;
}

DialogStep SetText(int id, const std::string& text) {
    return [id, text](HWND dialog) { SetDlgItemTextA(dialog, id, text.c_str()); };
}

DialogStep Click(int id) {
    return [id](HWND dialog) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); };
}

DialogStep Command(int id) {
    return [id](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
}

DialogStep Check(const std::function<void(HWND)>& inspect) { return inspect; }

DialogStep NoteFocus(int id, FocusNote& note) {
    return [id, &note](HWND dialog) {
        note.control = GetDlgItem(dialog, id);
        note.focused = GetFocus();
        SendMessageA(note.focused, EM_GETSEL, reinterpret_cast<WPARAM>(&note.selStart),
                     reinterpret_cast<LPARAM>(&note.selEnd));
        note.textLength = GetWindowTextLengthA(note.focused);
    };
}

MessageBoxRecorder::MessageBoxRecorder(int answer) : m_answer(answer) {
    fw::SetMessageBoxFunction([this](HWND, const char* text, const char* title, UINT type) {
        m_shown.push_back({text ? text : "", title ? title : "", type});
        return m_answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { fw::SetMessageBoxFunction(nullptr); }

std::vector<std::string> MessageBoxRecorder::texts() const {
    std::vector<std::string> out;
    for (const Shown& s : m_shown) out.push_back(s.text);
    return out;
}

void PumpMessages(int maxMessages) {
    MSG msg;
    for (int i = 0; i < maxMessages && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace testing_support
