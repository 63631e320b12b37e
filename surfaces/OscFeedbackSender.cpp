#include "surfaces/OscFeedbackSender.h"

#include <ws2tcpip.h>
#include <process.h>

#include <cstdio>

#include "framework/Lock.h"
#include "model/OscSenders.h"
#include "surfaces/OscFeedback.h"
#include "surfaces/SocketIo.h"

namespace {
const DWORD kStopWaitMs = 3000;
const DWORD kWaitMs = 1000;  // the longest wait for a snapshot before the thread looks at `quit`

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}
}  // namespace

struct OscFeedbackSender::Shared {
    explicit Shared(ShowAccess& show) : show(show) { InitializeCriticalSection(&lock); }
    ~Shared() {
        if (socket != INVALID_SOCKET) closesocket(socket);
        DeleteCriticalSection(&lock);
    }
    ShowAccess& show;
    CRITICAL_SECTION lock;
    bool quit = false;
    SOCKET socket = INVALID_SOCKET;
    sockaddr_in target{};
};

bool parseFeedbackTarget(const std::string& text, FeedbackTarget& target) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    const std::string host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos) return false;
    const int number = std::stoi(port);
    if (number < 1 || number > 65535) return false;
    std::uint32_t address = 0;
    if (!parseIpv4(host, address)) {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_DGRAM;
        addrinfo* found = nullptr;
        if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
        address = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
        freeaddrinfo(found);
    }
    target.address = address;
    target.port = number;
    return true;
}

OscFeedbackSender::~OscFeedbackSender() { stop(); }

bool OscFeedbackSender::start(const std::string& text, ShowAccess& show) {
    if (text.empty() || m_shared) return false;
    WSADATA data;
    m_winsock = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    FeedbackTarget target;
    if (!m_winsock || !parseFeedbackTarget(text, target)) {
        say("OSC feedback: OSCFEEDBACK " + text + " is no host:port, no feedback");
        stop();
        return false;
    }
    auto shared = std::make_shared<Shared>(show);
    shared->socket = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    shared->target.sin_family = AF_INET;
    shared->target.sin_port = htons(static_cast<u_short>(target.port));
    shared->target.sin_addr.s_addr = htonl(target.address);
    auto* holder = new std::shared_ptr<Shared>(shared);
    const uintptr_t thread = shared->socket == INVALID_SOCKET ? 0 : _beginthreadex(nullptr, 0, work, holder, 0, nullptr);
    if (!thread) {
        delete holder;
        say("OSC feedback: no socket or thread (error " + std::to_string(WSAGetLastError()) + "), no feedback");
        stop();
        return false;
    }
    m_shared = shared;
    m_thread.reset(reinterpret_cast<HANDLE>(thread));
    say("OSC feedback: sending to " + sockio::dotted(target.address) + " port " + std::to_string(target.port));
    return true;
}

void OscFeedbackSender::stop() {
    if (m_shared) {
        {
            fw::Lock lock(m_shared->lock);
            m_shared->quit = true;
        }
        WaitForSingleObject(m_thread.get(), kStopWaitMs);
        m_thread.reset();
        m_shared.reset();
    }
    if (m_winsock) WSACleanup();
    m_winsock = false;
}

unsigned __stdcall OscFeedbackSender::work(void* parameter) {
    std::unique_ptr<std::shared_ptr<Shared>> holder(static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **holder;
    std::shared_ptr<const ShowSnapshot> told;
    try {
        for (;;) {
            {
                fw::Lock lock(shared.lock);
                if (shared.quit) break;
            }
            std::shared_ptr<const ShowSnapshot> now =
                told ? shared.show.waitNewer(told->version, kWaitMs) : shared.show.snapshot();
            if (told && now->version == told->version) continue;
            for (const OscFeedbackMessage& message : feedbackMessages(told.get(), *now)) {
                const std::string packet = encodeOsc(message);
                // UDP: a datagram that cannot go (no route, nobody listening) is not sent again.
                sendto(shared.socket, packet.data(), static_cast<int>(packet.size()), 0,
                       reinterpret_cast<const sockaddr*>(&shared.target), sizeof shared.target);
            }
            told = now;
        }
    } catch (...) {
        // Out of memory: the feedback ends, the program goes on.
    }
    return 0;
}
