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

#include "KirunnerProcess.h"
#include "surfaces/CommandChannel.h"
#include "framework/WideText.h"

using testing_support::CaptureWindow;
using testing_support::KirunnerProcess;
using testing_support::WaitUntil;

namespace {

const COLORREF kTextColour = RGB(255, 255, 255);  // the default caption colour
const DWORD kTimeoutMs = 30000;
// The strip's scroll speed as the script sets it (DELTAX=4): 4 pixels every 50 ms.
const int kPixelsPerSecond = 80;

bool TextShown(HWND strip) { return CaptureWindow(strip).count(kTextColour) > 0; }

bool Save(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    return CloseHandle(file) && ok;
}

double Millis(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
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
    const std::vector<CaptionCommand> clear(1, CaptionCommand{});  // kClearAll
    const std::string channel = channelName(fw::WideFromCodePage932(folder));
    Sleep(1500);  // the program's first look takes the file's baseline

    // Once the run list is empty the strip rolls on for its width before it stops; only a
    // stopped strip puts a new caption on at once.
    RECT stripRect{};
    GetWindowRect(strip, &stripRect);
    const DWORD drainMs = static_cast<DWORD>((stripRect.right - stripRect.left) * 1000 / kPixelsPerSecond) + 500;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> latencies;
    for (int i = 0; i < saves; ++i) {
        if (!WaitUntil([&] { return !TextShown(strip); }, kTimeoutMs, 20)) {
            std::printf("save %d: the strip did not empty\n", i + 1);
            break;
        }
        // Then a random phase against the program's once-a-second timer.
        Sleep(drainMs + static_cast<DWORD>(std::rand() % 1000));
        char text[32];
        std::snprintf(text, sizeof text, "save %d", i + 1);
        LARGE_INTEGER closed;
        LARGE_INTEGER seen;
        if (!Save(file, text)) {
            std::printf("save %d: the file could not be written\n", i + 1);
            break;
        }
        QueryPerformanceCounter(&closed);
        bool shown = false;
        for (;;) {
            shown = TextShown(strip);
            QueryPerformanceCounter(&seen);
            if (shown || Millis(closed, seen, frequency) > kTimeoutMs) break;
            Sleep(1);
        }
        if (!shown) {
            std::printf("save %d: not shown\n", i + 1);
            break;
        }
        latencies.push_back(Millis(closed, seen, frequency));
        std::printf("save %2d: %7.1f ms\n", i + 1, latencies.back());
        std::fflush(stdout);
        if (handOverCommands(channel, clear) != 0) {
            std::printf("save %d: -C not taken\n", i + 1);
            break;
        }
    }
    program.Kill();
    if (latencies.empty()) return 5;
    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    std::printf("saves %zu  median %.1f ms  worst %.1f ms\n", n, median, sorted.back());
    return static_cast<int>(n) == saves ? 0 : 6;
}
