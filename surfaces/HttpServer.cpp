#include "surfaces/HttpServerShared.h"

#include <ws2tcpip.h>
#include <process.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "framework/DiagnosticLine.h"
#include "framework/Lock.h"
#include "model/OscSenders.h"
#include "framework/LocalNames.h"
#include "surfaces/SocketIo.h"

namespace {

using fw::Lock;
const DWORD kAcceptThreadWaitMs = 3000;
const DWORD kServeThreadsWaitMs = 6000;
const unsigned kServeThreadStack = 256 * 1024;
const std::size_t kShortToken = 16;

// The answer to a connection that finds every connection taken by clients still busy.
const char kBusyAnswer[] =
    "HTTP/1.1 429 Too Many Requests\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: 21\r\n"
    "Retry-After: 1\r\nCache-Control: no-store\r\nConnection: close\r\n\r\nevery connection busy";

// The IPv4 address to listen on: dotted, or a name of this machine; false when it is neither.
bool listenAddress(const std::string& text, std::uint32_t& address) {
    if (parseIpv4(text, address)) return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (text.empty() || getaddrinfo(text.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
    address = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(found);
    return true;
}

// A socket listening on the address and port that no other program may bind beside it;
// INVALID_SOCKET (and WSAGetLastError) on failure.
SOCKET openListener(std::uint32_t address, int port) {
    const SOCKET listener = sockio::bindExclusive(SOCK_STREAM, address, port);
    if (listener == INVALID_SOCKET || listen(listener, SOMAXCONN) == 0) return listener;
    const int error = WSAGetLastError();
    closesocket(listener);
    WSASetLastError(error);
    return INVALID_SOCKET;
}

// As few calls as it takes: a flood of connections is worked through at the pace of these, and
// a phone's connection may wait behind it. The answer fits a new socket's buffer; closing sends
// it before the end.
void refuseBusy(SOCKET client) {
    send(client, kBusyAnswer, static_cast<int>(sizeof kBusyAnswer - 1), 0);
    closesocket(client);
}

}  // namespace

unsigned long long steadyMs() { return GetTickCount64(); }

HttpServer::Shared::Shared(ShowAccess& show, const HttpSettings& settings, const Limits& limits)
    : limits(limits), surface(show, settings.token, settings.viewKey, settings.port, &localHostNames),
      threadsEnded(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {
    InitializeCriticalSection(&lock);
}

HttpServer::Shared::~Shared() { DeleteCriticalSection(&lock); }

void HttpServer::Shared::refuse(Refusal kind) {
    {
        Lock locked(lock);
        log.count(kind);
    }
    report();
}

void HttpServer::Shared::report() {
    std::vector<std::string> lines;
    {
        Lock locked(lock);
        lines = log.due(steadyMs());
    }
    // Printed outside the lock: a standard output nobody reads must not hold up a connection.
    for (const std::string& line : lines) fw::PrintLine("%s", line.c_str());
}

void HttpServer::Shared::setPhase(Connection& connection, Connection::Phase phase) {
    Lock locked(lock);
    connection.phase = phase;
    connection.sinceMs = steadyMs();
}

void HttpServer::Shared::answered(Connection& connection, bool tokenShown) {
    Lock locked(lock);
    connection.answered = true;
    connection.tokenShown = connection.tokenShown || tokenShown;
}

HttpServer::Connection* HttpServer::Shared::crowdVictim(unsigned long long now) const {
    using Phase = Connection::Phase;
    // First a connection that is done (its last answer sent), or idle after an answer without
    // ever having shown the token: either goes at once, so that clients without the token keep
    // no connection from one that has it. Else the one longest idle or in its head for
    // crowdAfterMs: a request on its way arrives in far less.
    Connection* victim = nullptr;
    bool victimSpent = false;
    for (const auto& other : active) {
        if (other->crowdedOut) continue;
        const bool spent = other->phase == Phase::kClosing ||
                           (other->phase == Phase::kIdle && other->answered && !other->tokenShown);
        const bool waiting = (other->phase == Phase::kIdle || other->phase == Phase::kHead) &&
                             now >= other->sinceMs + limits.crowdAfterMs;
        if (!spent && !waiting) continue;
        if (!victim || (spent && !victimSpent) || (spent == victimSpent && other->sinceMs < victim->sinceMs)) {
            victim = other.get();
            victimSpent = spent;
        }
    }
    return victim;
}

void HttpServer::Shared::admitStream(Connection& connection) {
    Lock locked(lock);
    std::size_t streams = 0;
    Connection* oldest = nullptr;
    for (const auto& other : active) {
        if (other->phase != Connection::Phase::kStream || other->crowdedOut) continue;
        ++streams;
        if (!oldest || other->sinceMs < oldest->sinceMs) oldest = other.get();
    }
    if (streams >= limits.maxStreams && oldest) {
        // The newest stream is the one someone is looking at; the oldest is most likely a
        // phone that went to sleep.
        oldest->crowdedOut = true;
        shutdown(oldest->socket, SD_BOTH);
    }
    connection.phase = Connection::Phase::kStream;
    connection.sinceMs = steadyMs();
}

void HttpServer::Shared::finish(Connection& connection) {
    {
        Lock locked(lock);
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&connection](const std::shared_ptr<Connection>& c) { return c.get() == &connection; }),
                     active.end());
    }
    // Closed only once it is out of the books: nobody shuts down a socket number reused since.
    closesocket(connection.socket);
    Lock locked(lock);
    if (--threads == 0) SetEvent(threadsEnded.get());
}

HttpServer::HttpServer() = default;

HttpServer::~HttpServer() { stop(); }

bool HttpServer::start(const HttpSettings& settings, ShowAccess& show, const Limits& limits) {
    if (settings.port == 0 || m_shared) return false;
    if (settings.port < 0 || settings.port > 65535) {
        fw::PrintLine("HTTP: HTTPPORT %d is outside 1-65535, no web remote", settings.port);
        return false;
    }
    WSADATA data;
    m_winsock = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    std::uint32_t address = 0;
    if (!m_winsock || !listenAddress(settings.address, address)) {
        fw::PrintLine("HTTP: HTTPADDRESS %s is no IPv4 address of this machine, no web remote", settings.address.c_str());
        stop();
        return false;
    }
    const SOCKET listener = openListener(address, settings.port);
    if (listener == INVALID_SOCKET) {
        fw::PrintLine("HTTP: cannot listen on %s port %d (error %d), no web remote", sockio::dotted(address).c_str(),
                settings.port, WSAGetLastError());
        stop();
        return false;
    }
    auto shared = std::make_shared<Shared>(show, settings, limits);
    shared->listener = listener;
    auto* holder = new std::shared_ptr<Shared>(shared);
    const uintptr_t thread = _beginthreadex(nullptr, 0, acceptLoop, holder, 0, nullptr);
    if (!thread || !shared->threadsEnded) {
        fw::PrintLine("HTTP: no thread for the web remote");
        if (!thread) delete holder;
        closesocket(listener);
        shared->listener = INVALID_SOCKET;
        stop();
        return false;
    }
    m_shared = shared;
    m_acceptThread.reset(reinterpret_cast<HANDLE>(thread));
    fw::PrintLine("HTTP: listening on %s port %d", sockio::dotted(address).c_str(), settings.port);
    if (settings.token.empty())
        fw::PrintLine("HTTP: HTTPTOKEN is empty: the page is served, every API request is refused");
    else if (settings.token.size() < kShortToken)
        fw::PrintLine("HTTP: HTTPTOKEN is shorter than %u characters; make a new one in the remote's dialog",
                static_cast<unsigned>(kShortToken));
    return true;
}

void HttpServer::stop() {
    if (m_shared) {
        {
            Lock locked(m_shared->lock);
            m_shared->quit = true;
            closesocket(m_shared->listener);  // ends the accept thread's wait
            m_shared->listener = INVALID_SOCKET;
            for (const auto& connection : m_shared->active) shutdown(connection->socket, SD_BOTH);
        }
        WaitForSingleObject(m_acceptThread.get(), kAcceptThreadWaitMs);
        m_acceptThread.reset();
        WaitForSingleObject(m_shared->threadsEnded.get(), kServeThreadsWaitMs);
        m_shared->report();
        m_shared.reset();
    }
    if (m_winsock) WSACleanup();
    m_winsock = false;
}

unsigned __stdcall HttpServer::acceptLoop(void* parameter) {
    std::unique_ptr<std::shared_ptr<Shared>> holder(static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **holder;
    for (;;) {
        SOCKET listener = INVALID_SOCKET;
        {
            Lock locked(shared.lock);
            if (shared.quit) break;
            listener = shared.listener;
        }
        const bool ready = sockio::waitReadable(listener, 1000);
        shared.report();
        if (!ready) continue;
        sockaddr_in from{};
        int fromBytes = sizeof from;
        const SOCKET client = accept(listener, reinterpret_cast<sockaddr*>(&from), &fromBytes);
        if (client == INVALID_SOCKET) {
            Sleep(10);  // a failing listener is not spun on
            continue;
        }
        auto connection = std::make_shared<Connection>();
        connection->shared = *holder;
        connection->socket = client;
        connection->peer = ntohl(from.sin_addr.s_addr);
        connection->acceptedMs = connection->sinceMs = steadyMs();
        bool admitted = false;
        bool crowded = false;
        {
            Lock locked(shared.lock);
            // Taken under the lock: a phase another thread began while this one waited for it
            // is not newer than `now`.
            const unsigned long long now = steadyMs();
            Connection* victim = shared.active.size() >= shared.limits.maxConnections ? shared.crowdVictim(now) : nullptr;
            if (victim) {
                victim->crowdedOut = true;
                shutdown(victim->socket, SD_BOTH);
                // One that was done anyway is not told as a refusal.
                crowded = victim->phase != Connection::Phase::kClosing;
                shared.active.erase(std::find_if(shared.active.begin(), shared.active.end(),
                                                 [victim](const std::shared_ptr<Connection>& c) { return c.get() == victim; }));
            }
            if (!shared.quit && shared.active.size() < shared.limits.maxConnections &&
                shared.threads < 2 * shared.limits.maxConnections) {
                shared.active.push_back(connection);
                if (shared.threads++ == 0) ResetEvent(shared.threadsEnded.get());
                admitted = true;
            }
        }
        if (crowded) shared.refuse(Refusal::kSlow);
        if (!admitted) {
            refuseBusy(client);
            shared.refuse(Refusal::kBusy);
            continue;
        }
        sockio::setTimeouts(client, shared.limits.headMs, shared.limits.sendMs);
        const BOOL noDelay = TRUE;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
        auto* serving = new std::shared_ptr<Connection>(connection);
        const uintptr_t thread = _beginthreadex(nullptr, kServeThreadStack, serveLoop, serving,
                                                STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
        if (thread) {
            CloseHandle(reinterpret_cast<HANDLE>(thread));  // the count of threads tells stop when they end
        } else {
            delete serving;
            shared.finish(*connection);
            fw::PrintLine("HTTP: no thread for a connection");
        }
    }
    return 0;
}
