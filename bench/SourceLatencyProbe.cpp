// From a change of a data source to its new item's first pixels on the strip. Starts Kirunner in
// FOLDER with one source (FORMAT=text: one caption a line) and CHANGES times: waits until the
// strip is empty and has stopped rolling, waits a random phase (of the once-a-second fallback
// look, or of REFRESH), changes the source, and polls the strip's pixels every millisecond until
// the caption's colour shows. A -C (as a second process sends it) then takes the item off air,
// until the source next changes. Prints every change and the median and worst.
//
// Usage: SourceLatencyProbe KIRUNNER_EXE FOLDER file|http [CHANGES]
//   file: the source is FOLDER\news.txt; http: the feed server's /doc/news.txt with REFRESH=10
//   (PYTHON3 and FEED_SERVER name the server).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ChangeToStrip.h"
#include "KirunnerProcess.h"
#include "FeedServer.h"
#include "TempDir.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "surfaces/CommandChannel.h"

using namespace testing_support;

namespace {

const DWORD kTimeoutMs = 60000;
const int kPixelsPerSecond = 80;  // DELTAX=4: 4 pixels every 50 ms

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: SourceLatencyProbe KIRUNNER_EXE FOLDER file|http [CHANGES]\n");
        return 2;
    }
    const std::string exe = argv[1];
    const std::string folder = argv[2];
    const bool http = std::string(argv[3]) == "http";
    const int changes = argc > 4 ? std::max(1, std::atoi(argv[4])) : 20;

    FeedServer server(3600);
    if (http && !server.ready()) {
        std::printf("SourceLatencyProbe: the feed server did not start (PYTHON3, FEED_SERVER)\n");
        return 3;
    }
    const std::string file = folder + "\\news.txt";
    const std::string url = http ? fw::CodePage932FromWide(server.http(L"/doc/news.txt")) : file;
    auto change = [&](const std::string& text) { return http ? server.put("news.txt", text) : WriteFileBytes(file, text); };
    if (!change("first\r\n")) return 4;
    WriteFileBytes(folder + "\\Kirunner.ini", "[SYSTEM]\r\nDELTAX=4\r\nLGAP=1200\r\nSOURCECOUNT=1\r\n[SOURCE0]\r\nEXEC=1\r\nURL=" +
                                                  url + "\r\nFORMAT=text\r\nREFRESH=10\r\n");
    KirunnerProcess program;
    if (!program.StartProgram(exe, "", folder)) return 5;
    HWND strip = program.StripWindow(kTimeoutMs);
    if (!strip) return 6;
    const std::string channel = channelName(fw::WideFromCodePage932(folder));
    const std::vector<CaptionCommand> clear(1, CaptionCommand{});  // kClearAll
    if (!WaitUntil([&] { return TextShown(strip); }, kTimeoutMs) || handOverCommands(channel, clear) != 0) return 7;

    const std::vector<double> latencies = TimeChangesToStrip(
        strip, channel, "change", changes, kPixelsPerSecond, http ? 10000 : 1000, kTimeoutMs, [&](int n) {
            char text[32];
            std::snprintf(text, sizeof text, "change %d\r\n", n);
            return change(text);
        });
    program.Kill();
    if (latencies.empty()) return 8;
    return static_cast<int>(latencies.size()) == changes ? 0 : 9;
}
