// The end of a large batch run, seen from outside: COUNT one-minute captions put on air by
// "-T1 … -TCOUNT" all end in the same countdown tick. Prints when the hidden program ended and
// how long its main window went without answering (SendMessageTimeout with WM_NULL, asked
// again at once after each answer).
//
// Usage: BatchEndProbe KIRUNNER_EXE FOLDER [COUNT]
//   FOLDER gets a Kirunner.ini with COUNT items of one minute and a copy of the program.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLimitMs = 10 * 60 * 1000;
constexpr UINT kAskTimeoutMs = 60 * 1000;

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lp) {
    Search& s = *reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char cls[32] = "";
    char title[32] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (owner == s.processId && std::string(cls) == "#32770" && std::string(title) == "Kirunner") {
        s.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& freq) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(freq.QuadPart);
}

bool WriteSettings(const std::string& path, int count) {
    std::string ini = "[SYSTEM]\r\nITEMCOUNT=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i)
        ini += "[ITEM" + std::to_string(i) + "]\r\nMINUTE=1\r\nSTRINGS=4e6577732031\r\n";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == ini.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: BatchEndProbe KIRUNNER_EXE FOLDER [COUNT]\n");
        return 2;
    }
    const std::string folder = argv[2];
    const int count = argc > 3 ? std::atoi(argv[3]) : 2000;
    const std::string exe = folder + "\\Kirunner.exe";
    if (!CopyFileA(argv[1], exe.c_str(), FALSE) || !WriteSettings(folder + "\\Kirunner.ini", count)) {
        std::fprintf(stderr, "BatchEndProbe: cannot prepare %s\n", folder.c_str());
        return 1;
    }
    std::string commandLine = "\"" + exe + "\"";
    for (int i = 1; i <= count; ++i) commandLine += " -T" + std::to_string(i);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    LARGE_INTEGER freq, begin, now;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&begin);
    // Detached: the program's echo of its thousands of arguments stays out of the figures.
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        folder.c_str(), &si, &pi)) {
        std::fprintf(stderr, "BatchEndProbe: cannot start %s\n", exe.c_str());
        return 1;
    }

    double longestSilence = 0, silentAt = 0, firstAnswer = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        if (Seconds(begin, now, freq) * 1000 > kLimitMs) {
            std::printf("not ended after %u s: stopped\n", static_cast<unsigned>(kLimitMs / 1000));
            TerminateProcess(pi.hProcess, 1);
            break;
        }
        Search search{pi.dwProcessId, nullptr};
        EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(10);
            continue;
        }
        LARGE_INTEGER asked;
        QueryPerformanceCounter(&asked);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, kAskTimeoutMs, &result);
        QueryPerformanceCounter(&now);
        const double silence = Seconds(asked, now, freq);
        if (firstAnswer < 0) firstAnswer = Seconds(begin, now, freq);
        if (silence > longestSilence) {
            longestSilence = silence;
            silentAt = Seconds(begin, asked, freq);
        }
        Sleep(10);
    }
    QueryPerformanceCounter(&now);
    const double ended = Seconds(begin, now, freq);
    std::printf("captions:                 %d of one minute\n", count);
    std::printf("main window answered at:  %.1f s\n", firstAnswer);
    std::printf("program ended at:         %.1f s (%.1f s after the minute)\n", ended, ended - 60.0);
    std::printf("longest without answer:   %.2f s, from %.1f s\n", longestSilence, silentAt);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
