// What choosing the next caption costs with 60,000 armed captions on air (each with a time on
// air): what a lane does at every caption boundary — the pass counted and the next open caption
// chosen by the states the last minute check read — with every window open, with one open among
// waiting ones, and with none open; and the minute check at which every cached state has run
// out and every window is read anew. Prints figures; judges nothing.
//
// Usage: AirTimeBench [captions]    (default 60000)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/BenchClock.h"
#include "show/Schedule.h"

namespace {

LocalMinute At(const char* text) {
    LocalMinute minute = 0;
    parseLocalMinute(text, minute);
    return minute;
}

// `open` of the captions have a window open at noon; the others open at 18:00.
void Fill(Schedule& schedule, int captions, int open) {
    AirWindow opened;
    opened.hours = "09:00-17:00";
    opened.days = "12345";
    opened.plays = 9999;
    AirWindow later;
    later.from = "2026-12-10 18:00";
    later.until = "2026-12-31 23:00";
    for (int i = 0; i < captions; ++i)
        schedule.put(static_cast<CaptionId>(1000 + i), L"caption " + std::to_wstring(i), 5, i < open ? opened : later);
}

double BoundaryMicros(Schedule& schedule, int rounds, int calls) {
    CaptionId current = caption_ids::kNone;
    return bench::MedianMicros(rounds, calls, [&] {
        schedule.played(current);
        const ScheduledCaption* next = schedule.selectNext();
        current = next ? next->id : caption_ids::kNone;
    });
}

}  // namespace

int main(int argc, char** argv) {
    const int captions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60000;
    const LocalMinute noon = At("2026-12-10 12:00");  // a Thursday
    std::printf("armed captions on air: %d\n", captions);
    const struct {
        const char* name;
        int open;
    } cases[] = {{"every window open", captions}, {"one open, the others waiting", 1}, {"none open", 0}};
    for (const auto& c : cases) {
        Schedule schedule;
        Fill(schedule, captions, c.open);
        schedule.setNow(noon);
        schedule.refresh();
        std::printf("%-30s next caption: %8.1f us\n", c.name, BoundaryMicros(schedule, 9, 200));
        // The clock a week ahead and back again by turns: every cached state is read anew.
        bool ahead = false;
        const double cold = bench::MedianMicros(5, 1, [&] {
            ahead = !ahead;
            schedule.setNow(ahead ? noon + 60 * 24 * 7 : noon);
            schedule.refresh();
        });
        std::printf("%-30s minute check, every window read anew: %8.1f us\n", c.name, cold);
    }
    return 0;
}
