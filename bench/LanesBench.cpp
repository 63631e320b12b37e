// What more lanes cost: 1, 2 and 4 lanes moving at once for a few seconds each, in the default
// look (each lane's own 50 ms scroll timer) and in the smooth look (every lane on one frame
// clock), with the CPU time this process spent per second of moving and, in the smooth look,
// the intervals between the frames that moved lane 1. Lanes alternate top and bottom edge, so
// that lanes 3 and 4 stack inside lanes 1 and 2. Prints figures; judges nothing. The CPU of
// the X server and of wineserver is not counted here.
//
// Usage: LanesBench [seconds-per-run [smooth-speed]]    (defaults 4 s and the speed of the
// default step; at a speed under a pixel a refresh, the colour-keyed picture of the smooth look
// moves on some refreshes only, and only those count as moves)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/StripLook.h"
#include "framework/Gdi.h"
#include "model/AppearanceRules.h"
#include "model/LaneLook.h"
#include "tests/support/StripRig.h"

namespace {

constexpr int kNormalSize = 1;  // the size choice "普通"

double Seconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// User and kernel time of this process, in seconds.
double ProcessCpu() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return value(kernel) + value(user);
}

struct Figures {
    double cpuPerSecond = 0;  // seconds of CPU per second of moving
    std::vector<double> frameMs;
};

Figures Run(int lanes, bool smooth, int speedPx, HFONT font, double seconds) {
    testing_support::LanesRig rig(lanes);
    for (int number = 1; number <= lanes; ++number) {
        LaneLook settings;
        settings.smooth = smooth ? 1 : 0;
        settings.speedPx = speedPx;
        settings.pos = (number - 1) % 2;
        rig.strips(number).start(stripLookFor(settings, font));
        rig.lane(number).addKirun(1, std::wstring(2000, L'W'), 10, nullptr);
    }
    Figures figures;
    const Lane& first = rig.lane(1).lane;
    // A second to settle (the pacing thread chooses its source, the strips are shown).
    const LONGLONG settle = Now();
    const double cpuBefore = [&] {
        MSG msg;
        while (Seconds(Now() - settle) < 1.0) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        return ProcessCpu();
    }();
    const LONGLONG begin = Now();
    LONGLONG lastMove = 0;
    int lastPosition = first.position();
    MSG msg;
    while (Seconds(Now() - begin) < seconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
            if (first.position() == lastPosition) continue;
            const LONGLONG now = Now();
            if (lastMove != 0) figures.frameMs.push_back(Seconds(now - lastMove) * 1000);
            lastMove = now;
            lastPosition = first.position();
        }
    }
    figures.cpuPerSecond = (ProcessCpu() - cpuBefore) / Seconds(Now() - begin);
    for (int number = 1; number <= lanes; ++number) rig.strips(number).stop();
    return figures;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 4.0;
    const int speedPx = argc > 2 ? std::atoi(argv[2]) : 0;
    LOGFONTA lf = defaultCaptionFont();
    applyFontChoice(lf, kNormalSize);
    fw::Font font(CreateFontIndirectA(&lf));
    std::printf("lanes  look     CPU %%  moves  interval ms: mean  median  p95   max\n");
    for (const bool smooth : {false, true}) {
        for (const int lanes : {1, 2, 4}) {
            const Figures f = Run(lanes, smooth, speedPx, font.get(), seconds);
            double sum = 0;
            for (double ms : f.frameMs) sum += ms;
            const double mean = f.frameMs.empty() ? 0 : sum / static_cast<double>(f.frameMs.size());
            std::printf("%5d  %-7s %6.1f  %5zu  %17.2f  %6.2f  %5.2f  %5.2f\n", lanes, smooth ? "smooth" : "default",
                        f.cpuPerSecond * 100, f.frameMs.size(), mean, Percentile(f.frameMs, 0.5),
                        Percentile(f.frameMs, 0.95), Percentile(f.frameMs, 1.0));
            std::fflush(stdout);
        }
    }
    return 0;
}
