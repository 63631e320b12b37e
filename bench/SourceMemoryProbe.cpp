// Memory and handles of a data source over many refreshes: the program's own DataSources and
// Show, with a strip port that draws nothing, look at the feed server's /changing feed (20 items,
// one leaving and one joining at every look) as fast as it answers, and the lane moves on after
// every report. Prints the private bytes, handles and GDI objects after the first 100 refreshes
// and after each further `step`, up to `refreshes`. Prints figures; judges nothing.
//
// Usage: SourceMemoryProbe [refreshes] [step]   (PYTHON3 and FEED_SERVER name the server; 1000, 100)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "sources/DataSources.h"
#include "tests/support/FeedServer.h"
#include "tests/support/GdiCount.h"

namespace {

// Strips that show nothing: the show's own work, without a window's.
class NoStrip : public StripPort {
public:
    int enter(const std::wstring& text, bool, bool) override { return static_cast<int>(text.size()) * 10 + 2; }
    void scroll(int) override {}
    int drainColumns() override { return 1000; }
    void present() override {}
    void setMoving(bool) override {}
    void setCounting(bool) override {}
    void raise() override {}
    void setShown(bool) override {}
};

class TickClock : public MonotonicClock {
public:
    long long nowMs() const override { return static_cast<long long>(GetTickCount64()); }
};

void PrintUse(int refreshes, size_t onAir) {
    using namespace testing_support;
    std::printf("%10d %14.1f %10d %8d %10zu\n", refreshes, PrivateBytes() / 1024.0, CountHandles(),
                CountGdiObjects(), onAir);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int refreshes = argc > 1 ? std::max(100, std::atoi(argv[1])) : 1000;
    const int step = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    testing_support::FeedServer server(3600);
    if (!server.ready()) {
        std::printf("SourceMemoryProbe: the feed server did not start (PYTHON3, FEED_SERVER)\n");
        return 1;
    }
    fw::UiQueue queue;
    queue.create();
    NoStrip strip;
    TickClock clock;
    Show show(strip, clock);
    DataSources sources(queue, show, FetchOptions());
    int reports = 0;
    DataSources::Hooks hooks;
    hooks.rowsChanged = [&] {
        ++reports;
        show.laneOf(1).onScrollTick(400);  // a caption passes: leaving ones go for good
    };
    sources.setHooks(hooks);
    sources.setTiming([](const SourceSettings&) { return SourceTiming{1, 1, 1000, 150000}; });
    SourceSettings source;
    source.exec = 1;
    source.url = server.http(L"/changing");
    sources.applySources({source});
    std::printf("%10s %14s %10s %8s %10s\n", "refreshes", "private KiB", "handles", "GDI", "on air");
    int next = 100;
    MSG msg;
    while (next <= refreshes && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
        if (reports < next) continue;
        PrintUse(reports, static_cast<size_t>(show.laneOf(1).schedule().count()));
        next += step;
    }
    sources.stop();
    queue.destroy();
    return 0;
}
