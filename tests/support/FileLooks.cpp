#include "FileLooks.h"

#include "panel/ControlDlg.h"

namespace testing_support {

bool FinishFileLook(CControlDlg& page, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    WatchedFile& file = page.controller().watchedFile();
    while (file.reader().busy()) {
        if (GetTickCount() - start > timeoutMs) return false;
        file.takeLook();  // what the program's queue would do once the look is announced
        Sleep(10);
    }
    return true;
}

bool CheckTextFileNow(CControlDlg& page, DWORD timeoutMs) {
    page.checkTextFile();
    return FinishFileLook(page, timeoutMs);
}

namespace {
const DWORD kLongestHold = 60000;

HANDLE Event(HANDLE& event) {
    if (!event) event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return event;
}
HANDLE g_entered = nullptr;
HANDLE g_released = nullptr;
HANDLE g_left = nullptr;
LONG g_entries = 0;
}  // namespace

bool HeldLook::Look(int fileExec, const std::wstring& filePath, TextFileWatch& watch, std::wstring& text) {
    InterlockedIncrement(&g_entries);
    SetEvent(Event(g_entered));
    WaitForSingleObject(Event(g_released), kLongestHold);
    const bool shown = checkTextFile(fileExec, filePath, watch, text);
    SetEvent(Event(g_left));
    return shown;
}

void HeldLook::Reset() {
    ResetEvent(Event(g_entered));
    ResetEvent(Event(g_released));
    ResetEvent(Event(g_left));
    InterlockedExchange(&g_entries, 0);
}

bool HeldLook::WaitEntered(DWORD timeoutMs) { return WaitForSingleObject(Event(g_entered), timeoutMs) == WAIT_OBJECT_0; }
void HeldLook::Release() { SetEvent(Event(g_released)); }
bool HeldLook::WaitLeft(DWORD timeoutMs) { return WaitForSingleObject(Event(g_left), timeoutMs) == WAIT_OBJECT_0; }
LONG HeldLook::Entries() { return InterlockedCompareExchange(&g_entries, 0, 0); }

}  // namespace testing_support
