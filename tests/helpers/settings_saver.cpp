// Saves the settings file again and again, alternating between two versions of a caption list,
// until it is killed or a save fails (exit code 4, instead of the message box that would wait).
// Used by the crash test, which kills it at random moments.
// Usage: settings_saver PATH ITEMS STARTED-MARKER
#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/MessageBox.h"
#include "tests/support/SettingsCompare.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    fw::SetMessageBoxFunction([](HWND, const char*, const char*, UINT) -> int { ExitProcess(4); });
    const std::string path = argv[1];
    const int items = std::atoi(argv[2]);
    testing_support::Settings versions[2];
    for (int v = 0; v < 2; ++v) versions[v].captions = testing_support::NumberedCaptions(items, testing_support::kCrashTestTextBytes, v);
    HANDLE marker = CreateFileA(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (marker == INVALID_HANDLE_VALUE) return 3;
    CloseHandle(marker);
    for (int save = 1;; ++save) {
        if (!testing_support::SaveWithWriter(path, versions[save % 2])) return 4;
    }
}
