// From a tap on the web remote to the first pixels of the caption on the strip: the program
// started with its remote on, a request as a phone sends it, and the strip read back until the
// caption shows. Prints figures; judges nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "LoopbackHttp.h"
#include "PageParent.h"
#include "TempDir.h"

using namespace testing_support;

namespace {
const char kToken[] = "probe-token-0123456789abcdef";

int Request(int port, const std::string& method, const std::string& path, const std::string& body = "") {
    return LoopbackHttpStatus(port, kToken, method, path, body);
}

double Ms(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const int port = 42000 + static_cast<int>(GetCurrentProcessId() % 1000);
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"WWWWWWWW", 60}}, "HTTPPORT=" + std::to_string(port) +
                                                                                 "\r\nHTTPTOKEN=" + kToken + "\r\n"));
    KirunnerProcess program;
    if (!program.Start(dir.path())) return 1;
    HWND strip = program.StripWindow(20000);
    if (!strip || !WaitUntil([&] { return Request(port, "GET", "/api/state") == 200; }, 20000)) return 1;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> delays;
    for (int round = 0; round < rounds; ++round) {
        Request(port, "POST", "/api/clearnow");
        WaitUntil([&] { return CaptureWindow(strip).count(RGB(255, 255, 255)) == 0; }, 5000);
        Sleep(100);
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        if (Request(port, "POST", "/api/show/1") != 200) continue;
        if (!WaitUntil([&] { return CaptureWindow(strip).count(RGB(255, 255, 255)) > 0; }, 5000, 1)) continue;
        QueryPerformanceCounter(&shown);
        delays.push_back(Ms(start, shown, frequency));
    }
    std::sort(delays.begin(), delays.end());
    if (!delays.empty())
        std::printf("tap (POST /api/show/1) to the caption's first pixels on the strip, ms: median %.1f, worst %.1f (%zu taps)\n",
                    delays[delays.size() / 2], delays.back(), delays.size());
    PostMessageA(program.MainWindow(5000), WM_CLOSE, 0, 0);
    program.WaitForExit(10000);
    return 0;
}
