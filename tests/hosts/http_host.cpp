// Serves the web remote, the HTTP API and the OSC feedback from a fake show, so that clients
// from outside (tests/http) try the whole surface without the program. Lines on standard input
// work the show as the operator would at the PC:
//   show <n> | hide <n> | add <text> | stall 1|0 | lanes <n> | quit
// Usage: http_host --port N [--address A] [--token T] [--view-key K] [--osc-feedback host:port]
//                  [--head-ms N] [--idle-ms N] [--crowd-ms N]
#include <winsock2.h>
#include <process.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FakeShow.h"
#include "framework/TextCodec.h"
#include "surfaces/HttpServer.h"
#include "surfaces/OscFeedbackSender.h"

namespace {

volatile LONG g_quit = 0;

unsigned __stdcall tickLoop(void* show) {
    while (!InterlockedCompareExchange(&g_quit, 0, 0)) {
        static_cast<FakeShow*>(show)->tick();
        Sleep(100);
    }
    return 0;
}

void runLine(FakeShow& show, const std::string& line) {
    CaptionCommand command;
    const std::string word = line.substr(0, line.find(' '));
    const std::string rest = line.size() > word.size() ? line.substr(word.size() + 1) : std::string();
    if (word == "show" || word == "hide") {
        command.kind = word == "show" ? CaptionCommand::kShowItem : CaptionCommand::kHideItem;
        command.number = std::atoi(rest.c_str());
    } else if (word == "add") {
        command.kind = CaptionCommand::kAddItem;
        command.text = fw::Widen(rest, CP_UTF8);
        command.minutes = 5;
    } else if (word == "lanes") {
        show.setLaneCount(std::atoi(rest.c_str()));
        return;
    } else if (word == "stall") {
        show.setStalled(rest == "1");
        return;
    } else {
        return;
    }
    show.post(command);
}

}  // namespace

int main(int argc, char** argv) {
    HttpSettings settings;
    settings.token = "test-token-0123456789abcdef";
    HttpServer::Limits limits;
    std::string feedback;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--port") settings.port = std::atoi(value);
        else if (option == "--address") settings.address = value;
        else if (option == "--token") settings.token = value;
        else if (option == "--view-key") settings.viewKey = value;
        else if (option == "--osc-feedback") feedback = value;
        else if (option == "--head-ms") limits.headMs = std::strtoul(value, nullptr, 10);
        else if (option == "--idle-ms") limits.idleMs = std::strtoul(value, nullptr, 10);
        else if (option == "--crowd-ms") limits.crowdAfterMs = std::strtoul(value, nullptr, 10);
    }
    FakeShow show({{L"開演まであと5分です", 5}, {L"ロビーでの飲食はご遠慮ください", 3}, {L"Welcome to the show", 10}});
    HttpServer server;
    if (!server.start(settings, show, limits)) return 1;
    OscFeedbackSender sender;
    if (!feedback.empty() && !sender.start(feedback, show)) return 1;
    const uintptr_t ticker = _beginthreadex(nullptr, 0, tickLoop, &show, 0, nullptr);
    std::printf("HOST: ready\n");
    std::fflush(stdout);

    char line[4096];
    while (std::fgets(line, sizeof line, stdin)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (text == "quit") break;
        runLine(show, text);
        std::printf("HOST: did %s\n", text.c_str());  // the client may go on: the show has it
        std::fflush(stdout);
    }
    InterlockedExchange(&g_quit, 1);
    if (ticker) {
        WaitForSingleObject(reinterpret_cast<HANDLE>(ticker), 2000);
        CloseHandle(reinterpret_cast<HANDLE>(ticker));
    }
    sender.stop();
    server.stop();
    std::printf("HOST: stopped\n");
    return 0;
}
