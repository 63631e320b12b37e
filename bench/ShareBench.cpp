// Sharing violations that a writer sees while the program looks at the file it rewrites: the
// writer saves the file ten times a second, the reader takes the program's look, and the
// writer's failed opens are counted. "before" is the look as it was (an exclusive open, lines
// made while the file is open), "after" the look as it is (read in one go into memory with
// reading and renaming shared, closed before the lines are made).
// Usage: ShareBench [seconds=60] [folder=temporary folder]
// Each look runs at the program's pace (one a second) and back to back (as many as fit, which
// shows the share of time the file is held), against a writer that rewrites the file in place
// and one that renames a new file over it. A refused save is a sharing violation (or, for the
// rename, access denied, which is how the system refuses renaming over a file held open).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fileif/CaptionTextFile.h"
#include "framework/WideText.h"

namespace {
const DWORD kWritePeriodMs = 100;
const DWORD kLookPeriodMs = 1000;
const int kLinesPerVersion = 40;

// The look as it was: an exclusive open, the lines made while the file is open (here from
// what one 64 KiB read gives, with the program's own line rules), then closed.
bool LookBefore(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string bytes(64 * 1024, '\0');
    std::wstring text;
    DWORD got = 0;
    if (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr)) {
        bytes.resize(got);
        captionTextFromBytes(bytes, false, text);
    }
    CloseHandle(file);
    return !text.empty();
}

bool LookAfter(const std::string& path) {
    std::wstring text;
    return readCaptionText(fw::WideFromCodePage932(path), text) == CaptionFileRead::Read && !text.empty();
}

std::string Version(int number) {
    std::string bytes;
    for (int line = 0; line < kLinesPerVersion; ++line)
        bytes += "ニュース " + std::to_string(number) + " 行 " + std::to_string(line) + " ........................\r\n";
    return bytes;
}

// How the writer saves: rewriting the file in place, or writing a new file beside it and
// renaming that over it (as editors that save safely do).
enum class Save { Rewrite, Replace };

struct Run {
    Save save = Save::Rewrite;
    std::string path;
    DWORD seconds = 60;
    volatile LONG stop = 0;
    LONG saves = 0;
    LONG violations = 0;
    LONG otherFailures = 0;
};

bool WriteVersion(const std::string& path, int number) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::string bytes = Version(number);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return true;
}

// Saves a new version every 100 ms; counts the saves refused for sharing.
DWORD WINAPI Writer(void* parameter) {
    Run& run = *static_cast<Run*>(parameter);
    const std::string beside = run.path + ".new";
    for (int number = 0; !run.stop; ++number) {
        const DWORD started = GetTickCount();
        bool saved = false;
        if (run.save == Save::Rewrite) {
            saved = WriteVersion(run.path, number);
        } else {
            saved = WriteVersion(beside, number) &&
                    MoveFileExA(beside.c_str(), run.path.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
        ++run.saves;
        if (!saved) {
            const DWORD error = GetLastError();
            if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) ++run.violations;
            else ++run.otherFailures;
        }
        const DWORD spent = GetTickCount() - started;
        if (spent < kWritePeriodMs) Sleep(kWritePeriodMs - spent);
    }
    return 0;
}

void Measure(Save save, const char* name, bool (*look)(const std::string&), bool backToBack,
             const std::string& folder, DWORD seconds) {
    Run run;
    run.save = save;
    run.path = folder + "\\share-bench.txt";
    run.seconds = seconds;
    const std::string first = Version(0);
    HANDLE make = CreateFileA(run.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (make != INVALID_HANDLE_VALUE) {
        WriteFile(make, first.data(), static_cast<DWORD>(first.size()), &written, nullptr);
        CloseHandle(make);
    }
    HANDLE writer = CreateThread(nullptr, 0, Writer, &run, 0, nullptr);
    if (!writer) return;
    long looks = 0, read = 0;
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    double lookSeconds = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < seconds * 1000) {
        QueryPerformanceCounter(&before);
        if (look(run.path)) ++read;
        QueryPerformanceCounter(&after);
        lookSeconds += static_cast<double>(after.QuadPart - before.QuadPart) / static_cast<double>(frequency.QuadPart);
        ++looks;
        if (!backToBack) Sleep(kLookPeriodMs);
    }
    run.stop = 1;
    WaitForSingleObject(writer, INFINITE);
    CloseHandle(writer);
    DeleteFileA(run.path.c_str());
    DeleteFileA((run.path + ".new").c_str());
    std::printf("%-7s %-6s %-12s looks %7ld (read %7ld, %5.1f us each)  saves %4ld  sharing violations %4ld (%5.2f %%)  other failures %ld\n",
                save == Save::Rewrite ? "rewrite" : "replace", name, backToBack ? "back-to-back" : "1 a second", looks, read, looks ? lookSeconds * 1e6 / looks : 0.0,
                run.saves, run.violations, run.saves ? 100.0 * run.violations / run.saves : 0.0, run.otherFailures);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 60;
    std::string folder;
    if (argc > 2) {
        folder = argv[2];
    } else {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = temp;
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    }
    std::printf("writer saves every %lu ms for %lu s; file of %zu bytes; folder %s\n",
                static_cast<unsigned long>(kWritePeriodMs), static_cast<unsigned long>(seconds),
                Version(0).size(), folder.c_str());
    for (Save save : {Save::Rewrite, Save::Replace}) {
        for (bool backToBack : {false, true}) {
            Measure(save, "before", LookBefore, backToBack, folder, seconds);
            Measure(save, "after", LookAfter, backToBack, folder, seconds);
        }
    }
    return 0;
}
