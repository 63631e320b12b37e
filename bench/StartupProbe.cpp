// Start-up time of Kirunner: from the call that creates its process to (a) its caption strip
// placed on the screen (a visible layered window of the process with a non-empty rectangle)
// and (b) its main window visible. Polls the process's top-level windows every millisecond;
// each run ends the process and the next starts it anew. Prints each run and the medians.
//
// Usage: StartupProbe KIRUNNER_EXE FOLDER [RUNS [TIMEOUT_S]]
//   The program is started from FOLDER (which holds its Kirunner.ini) without arguments; a
//   start that shows neither window within TIMEOUT_S seconds (default 30) counts as none.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

DWORD timeoutMs = 30000;

struct Sighting {
    DWORD processId = 0;
    bool mainVisible = false;
    bool stripPlaced = false;
};

BOOL CALLBACK LookAt(HWND hwnd, LPARAM lp) {
    Sighting& s = *reinterpret_cast<Sighting*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s.processId || !IsWindowVisible(hwnd)) return TRUE;
    RECT r{};
    GetWindowRect(hwnd, &r);
    const bool sized = r.right > r.left && r.bottom > r.top;
    if (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) {
        if (sized) s.stripPlaced = true;
    } else {
        char cls[32] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (sized && std::string(cls) == "#32770") s.mainVisible = true;
    }
    return TRUE;
}

double Millis(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& freq) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// One start: milliseconds to the strip placed and to the main window visible (-1: not seen).
bool MeasureOnce(const std::string& exe, const std::string& folder, double& toStrip, double& toMain) {
    LARGE_INTEGER freq;
    LARGE_INTEGER begin;
    QueryPerformanceFrequency(&freq);
    std::string commandLine = "\"" + exe + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi))
        return false;
    Sighting s;
    s.processId = pi.dwProcessId;
    toStrip = toMain = -1.0;
    const DWORD startTick = GetTickCount();
    while ((toStrip < 0 || toMain < 0) && GetTickCount() - startTick < timeoutMs) {
        EnumWindows(LookAt, reinterpret_cast<LPARAM>(&s));
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        if (s.stripPlaced && toStrip < 0) toStrip = Millis(begin, now, freq);
        if (s.mainVisible && toMain < 0) toMain = Millis(begin, now, freq);
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return toStrip >= 0 && toMain >= 0;
}

double Median(std::vector<double> values) {
    if (values.empty()) return -1.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupProbe KIRUNNER_EXE FOLDER [RUNS]\n");
        return 2;
    }
    const long asked = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 7;
    const int runs = asked >= 1 && asked <= 100 ? static_cast<int>(asked) : 7;
    const long seconds = argc > 4 ? std::strtol(argv[4], nullptr, 10) : 30;
    if (seconds >= 1 && seconds <= 3600) timeoutMs = static_cast<DWORD>(seconds) * 1000;
    std::vector<double> strips;
    std::vector<double> mains;
    std::printf("%-5s %12s %12s\n", "run", "strip ms", "main ms");
    for (int run = 1; run <= runs; ++run) {
        double toStrip = -1.0;
        double toMain = -1.0;
        if (!MeasureOnce(argv[1], argv[2], toStrip, toMain)) {
            std::printf("%-5d not both seen within %lu ms (strip %.1f, main %.1f)\n", run,
                        static_cast<unsigned long>(timeoutMs), toStrip, toMain);
            continue;
        }
        strips.push_back(toStrip);
        mains.push_back(toMain);
        std::printf("%-5d %12.1f %12.1f\n", run, toStrip, toMain);
        std::fflush(stdout);
        Sleep(300);  // let the ended process's windows go before the next start
    }
    std::printf("median of %zu runs: strip placed %.1f ms, main window visible %.1f ms\n",
                strips.size(), Median(strips), Median(mains));
    return strips.empty() ? 1 : 0;
}
