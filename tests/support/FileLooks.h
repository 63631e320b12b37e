#pragma once
// The control page's look at the watched file, which runs on a worker, made one synchronous
// step for tests, and a stand-in look that holds until the test lets it go.
#include <windows.h>

#include <string>

#include "fileif/TextFileWatch.h"

class CControlDlg;

namespace testing_support {

// Starts the page's check (as a tick of its timer does) and handles the end of the look it
// started. False when the look did not end within `timeoutMs`.
bool CheckTextFileNow(CControlDlg& page, DWORD timeoutMs = 10000);
// Handles the page's posted "look done" messages until its reader is free or `timeoutMs` has
// passed; true when it is free.
bool FinishFileLook(CControlDlg& page, DWORD timeoutMs = 10000);

// A look that waits like an open that does not return: it signals entered(), waits until
// Release() (or a minute at most), then looks at the file for real.
struct HeldLook {
    static bool Look(int fileExec, const std::wstring& filePath, TextFileWatch& watch, std::wstring& text);
    static void Reset();     // a new hold: not entered, not released
    static bool WaitEntered(DWORD timeoutMs);
    static void Release();
    static bool WaitLeft(DWORD timeoutMs);  // the look has returned
    static LONG Entries();  // looks begun since Reset
};

}  // namespace testing_support
