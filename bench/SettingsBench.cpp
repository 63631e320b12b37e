// Save and load time of the settings file by the number of items (1,000-byte texts): the
// program's one-read, one-write settings file ("after") beside the platform's profile functions
// key by key ("before"). A save is the one after adding an item to a list already on disk.
// Usage: SettingsBench [MAX_BEFORE_ITEMS [ITEMS...]]   ("before" only up to MAX_BEFORE_ITEMS)
//        SettingsBench --write PATH ITEMS              (a settings file of that many items)
//        SettingsBench --load PATH [RUNS]              (the load alone, each run and the median)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "BenchClock.h"
#include "BenchText.h"
#include "model/SettingsFile.h"
#include "tests/oracle/SettingsOracle.h"

namespace {

const size_t kTextBytes = 1000;

std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + "kirunner-settings-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

oracle::Settings ListOf(int items) {
    oracle::Settings s;
    const std::string text = bench::CaptionBytes(kTextBytes);
    for (int i = 0; i < items; ++i) s.captions.append(CKirunData(fw::WideFromCodePage932(text), 1 + i % 100));
    return s;
}

double Milliseconds(void (*work)(const std::string&, oracle::Settings&), const std::string& path,
                    oracle::Settings& s) {
    return bench::MedianMicros(1, 1, [&] { work(path, s); }) / 1000.0;
}

void SaveAfter(const std::string& path, oracle::Settings& s) {
    saveSettingsFile(fw::WideFromCodePage932(path), recordsOf(s));
}
void SaveBefore(const std::string& path, oracle::Settings& s) { oracle::WriteSettings(path, s); }
void LoadAfter(const std::string& path, oracle::Settings& s) {
    s = oracle::Settings();
    loadSettingsFile(fw::WideFromCodePage932(path), recordsOf(s));
}
void LoadBefore(const std::string& path, oracle::Settings& s) {
    s = oracle::Settings();
    oracle::LoadSettings(path, s);
}

// Writes the list less its last item, then times the save of the whole list and its load.
void Measure(const std::string& path, int items, bool after, double& saveMs, double& loadMs, int& loaded) {
    oracle::Settings shorter = ListOf(items - 1);
    DeleteFileA(path.c_str());
    saveSettingsFile(fw::WideFromCodePage932(path), recordsOf(shorter));
    oracle::Settings full = ListOf(items);
    saveMs = Milliseconds(after ? SaveAfter : SaveBefore, path, full);
    oracle::Settings read;
    loadMs = Milliseconds(after ? LoadAfter : LoadBefore, path, read);
    loaded = read.captions.count();
}

}  // namespace

// The load of start-up alone, as the program reads the file at `path`.
int LoadOnly(const std::string& path, int runs) {
    std::vector<double> times;
    int loaded = 0;
    for (int run = 0; run < runs; ++run) {
        oracle::Settings s;
        times.push_back(Milliseconds(LoadAfter, path, s));
        loaded = s.captions.count();
        std::printf("load %d: %.1f ms, %d items\n", run + 1, times.back(), loaded);
    }
    std::sort(times.begin(), times.end());
    std::printf("median of %d loads: %.1f ms\n", runs, times[times.size() / 2]);
    return loaded > 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--load") {
        const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
        return LoadOnly(argv[2], runs >= 1 && runs <= 100 ? runs : 5);
    }
    if (argc == 4 && std::string(argv[1]) == "--write") {
        oracle::Settings s = ListOf(std::atoi(argv[3]));
        return saveSettingsFile(fw::WideFromCodePage932(argv[2]), recordsOf(s)) ? 0 : 1;
    }
    const int maxBefore = argc > 1 ? std::atoi(argv[1]) : 10000;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {100, 1000, 10000, 60000};
    const std::string folder = TempFolder();
    const std::string path = folder + "\\Kirunner.ini";

    std::printf("texts of %u bytes; a save after adding one item; ms (one run each)\n",
                static_cast<unsigned>(kTextBytes));
    std::printf("%-8s %12s %12s %12s %12s %12s\n", "items", "file MB", "save before", "save after",
                "load before", "load after");
    for (int items : sizes) {
        double saveBefore = -1, loadBefore = -1, saveAfter = 0, loadAfter = 0;
        int loadedBefore = items, loadedAfter = 0;
        if (items <= maxBefore) Measure(path, items, false, saveBefore, loadBefore, loadedBefore);
        Measure(path, items, true, saveAfter, loadAfter, loadedAfter);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
        const double megabytes = static_cast<double>(data.nFileSizeLow) / (1024.0 * 1024.0);
        auto figure = [](double ms) { return ms < 0 ? std::string("-") : std::to_string(ms).substr(0, 9); };
        std::printf("%-8d %12.1f %12s %12s %12s %12s%s\n", items, megabytes, figure(saveBefore).c_str(),
                    figure(saveAfter).c_str(), figure(loadBefore).c_str(), figure(loadAfter).c_str(),
                    loadedAfter == items && loadedBefore == items ? "" : "  (items lost!)");
        std::fflush(stdout);
    }
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
