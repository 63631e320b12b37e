#include "ChangeToStrip.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "KirunnerProcess.h"
#include "surfaces/CommandChannel.h"

using testing_support::CaptureWindow;
using testing_support::WaitUntil;

bool TextShown(HWND strip) { return CaptureWindow(strip).count(RGB(255, 255, 255)) > 0; }

namespace {

double Millis(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

std::vector<double> TimeChangesToStrip(HWND strip, const std::string& channel, const char* word, int count,
                                       int pixelsPerSecond, DWORD phaseMs, DWORD timeoutMs,
                                       const std::function<bool(int)>& change) {
    const std::vector<CaptionCommand> clear(1, CaptionCommand{});  // kClearAll
    // Once nothing is on air the strip rolls on for its width before it stops; only a stopped
    // strip puts a new caption on at once.
    RECT stripRect{};
    GetWindowRect(strip, &stripRect);
    const DWORD drainMs = static_cast<DWORD>((stripRect.right - stripRect.left) * 1000 / pixelsPerSecond) + 500;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> latencies;
    for (int n = 1; n <= count; ++n) {
        if (!WaitUntil([&] { return !TextShown(strip); }, timeoutMs, 20)) {
            std::printf("%s %d: the strip did not empty\n", word, n);
            break;
        }
        // A random phase against the program's looks.
        Sleep(drainMs + static_cast<DWORD>(std::rand() % static_cast<int>(phaseMs)));
        if (!change(n)) {
            std::printf("%s %d: could not be made\n", word, n);
            break;
        }
        LARGE_INTEGER changed;
        LARGE_INTEGER seen;
        QueryPerformanceCounter(&changed);
        bool shown = false;
        for (;;) {
            shown = TextShown(strip);
            QueryPerformanceCounter(&seen);
            if (shown || Millis(changed, seen, frequency) > timeoutMs) break;
            Sleep(1);
        }
        if (!shown) {
            std::printf("%s %d: not shown\n", word, n);
            break;
        }
        latencies.push_back(Millis(changed, seen, frequency));
        std::printf("%s %2d: %8.1f ms\n", word, n, latencies.back());
        std::fflush(stdout);
        if (handOverCommands(channel, clear) != 0) {
            std::printf("%s %d: -C not taken\n", word, n);
            break;
        }
    }
    if (!latencies.empty()) {
        std::vector<double> sorted = latencies;
        std::sort(sorted.begin(), sorted.end());
        const size_t size = sorted.size();
        const double median = size % 2 ? sorted[size / 2] : (sorted[size / 2 - 1] + sorted[size / 2]) / 2;
        std::printf("%ss %zu  median %.1f ms  worst %.1f ms\n", word, size, median, sorted.back());
    }
    return latencies;
}
