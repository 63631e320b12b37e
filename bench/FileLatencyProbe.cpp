// From a save of the watched file to the new caption's first pixels on the strip. Starts
// Kirunner in FOLDER (whose Kirunner.ini watches FILE), then SAVES times: waits until the strip
// is empty, writes FILE with a new text and closes it, and polls the strip's pixels every
// millisecond until the caption's colour shows. After each save a -C command (as a second
// process would send it) takes the caption off air, and the next save waits until the strip
// has emptied and stopped rolling. Prints every
// save and the median and worst.
//
// Usage: FileLatencyProbe KIRUNNER_EXE FOLDER FILE [SAVES]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ChangeToStrip.h"
#include "KirunnerProcess.h"
#include "surfaces/CommandChannel.h"
#include "framework/WideText.h"

using testing_support::KirunnerProcess;

namespace {

const DWORD kTimeoutMs = 30000;
// The strip's scroll speed as the script sets it (DELTAX=4): 4 pixels every 50 ms.
const int kPixelsPerSecond = 80;

bool Save(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    return CloseHandle(file) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: FileLatencyProbe KIRUNNER_EXE FOLDER FILE [SAVES]\n");
        return 2;
    }
    const std::string exe = argv[1];
    const std::string folder = argv[2];
    const std::string file = argv[3];
    const int saves = argc > 4 ? std::max(1, std::atoi(argv[4])) : 50;

    KirunnerProcess program;
    if (!program.StartProgram(exe, "", folder)) return 3;
    HWND strip = program.StripWindow(kTimeoutMs);
    if (!strip) return 4;
    const std::string channel = channelName(fw::WideFromCodePage932(folder));
    Sleep(1500);  // the program's first look takes the file's baseline

    const std::vector<double> latencies =
        TimeChangesToStrip(strip, channel, "save", saves, kPixelsPerSecond, 1000, kTimeoutMs, [&](int n) {
            char text[32];
            std::snprintf(text, sizeof text, "save %d", n);
            return Save(file, text);
        });
    program.Kill();
    if (latencies.empty()) return 5;
    return static_cast<int>(latencies.size()) == saves ? 0 : 6;
}
