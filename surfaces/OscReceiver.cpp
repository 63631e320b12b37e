// Winsock 2 before anything that brings in windows.h, which would declare the older Winsock.
#include <winsock2.h>

#include "surfaces/OscReceiver.h"

#include <process.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "framework/DiagnosticLine.h"
#include "framework/Lock.h"
#include "model/OscMessage.h"
#include "model/OscSenders.h"
#include "surfaces/CommandFunnel.h"
#include "surfaces/SocketIo.h"

namespace {
using fw::Lock;
const DWORD kStopWaitMs = 3000;


// What was dropped, or not carried out, since the last line about it.
struct Drops {
    unsigned long malformed = 0;
    unsigned long unknownAddress = 0;
    unsigned long notAllowed = 0;
    unsigned long queueFull = 0;
    unsigned long noSuchItem = 0;  // counted on the program's thread

    unsigned long packets() const { return malformed + unknownAddress + notAllowed + queueFull; }
    unsigned long commands() const { return noSuchItem; }
};

void printDrops(const Drops& drops) {
    if (drops.packets() > 0)
        fw::PrintLine("OSC: %lu packets dropped (malformed %lu, unknown address %lu, not allowed %lu, queue full %lu)",
            drops.packets(), drops.malformed, drops.unknownAddress, drops.notAllowed, drops.queueFull);
    if (drops.commands() > 0) fw::PrintLine("OSC: %lu commands not carried out (no such entry)", drops.commands());
}

// A UDP socket bound to the address and port, its waits ending after kReportPeriodMs; no other
// program may bind the port beside it. INVALID_SOCKET (and WSAGetLastError) on failure.
SOCKET openSocket(std::uint32_t address, int port) {
    const SOCKET listener = sockio::bindExclusive(SOCK_DGRAM, address, port);
    const DWORD timeout = OscReceiver::kReportPeriodMs;
    if (listener == INVALID_SOCKET ||
        setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout) == 0)
        return listener;
    const int error = WSAGetLastError();
    closesocket(listener);
    WSASetLastError(error);
    return INVALID_SOCKET;
}

std::string dotted(std::uint32_t address) { return sockio::dotted(address); }
}  // namespace

// What the program's thread and the worker share, counted, so that a worker that outlives
// stop's wait still finds it.
struct OscReceiver::Shared {
    LONG references = 2;  // the receiver and the worker
    CRITICAL_SECTION lock;
    fw::KernelHandle quitEvent;  // set to end the worker's pause between tries
    std::uint32_t address = 0;
    int port = 0;
    SOCKET socket = INVALID_SOCKET;
    OscSenders senders;
    CommandFunnel* funnel = nullptr;  // null once stopped
    bool quit = false;
    std::atomic<State> state{State::Retrying};
    Drops drops;
    ULONGLONG lastReport = 0;

    // Opens the socket, trying again every kRetryMs until it can or the receiver stops; false
    // when it stopped.
    bool listen();
    void takePacket(const char* packet, int bytes, int error, const sockaddr_in& from, int fromBytes);
};

OscReceiver::~OscReceiver() { stop(); }

void OscReceiver::release(Shared* shared) {
    if (InterlockedDecrement(&shared->references) != 0) return;
    DeleteCriticalSection(&shared->lock);
    delete shared;
}

OscReceiver::State OscReceiver::state() const { return m_shared ? m_shared->state.load() : State::Off; }

bool OscReceiver::start(const OscSettings& settings, CommandFunnel* funnel) {
    if (settings.port == 0 || m_shared || !funnel) return false;
    std::uint32_t address = 0;
    if (settings.port < 0 || settings.port > 65535) {
        fw::PrintLine("OSC: OSCPORT %d is outside 1-65535, no OSC receiver", settings.port);
        return false;
    }
    if (!parseIpv4(settings.address, address)) {
        fw::PrintLine("OSC: OSCADDRESS %s is no IPv4 address, no OSC receiver", settings.address.c_str());
        return false;
    }
    OscSenders senders = parseOscSenders(settings.allowed);
    for (const std::string& entry : senders.rejected) fw::PrintLine("OSC: OSCALLOW entry ignored: %s", entry.c_str());
    m_endpoint = dotted(address) + ":" + std::to_string(settings.port);

    WSADATA data;
    m_winsock = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (!m_winsock) {
        fw::PrintLine("OSC: cannot listen on %s port %d (error %d), no OSC receiver", dotted(address).c_str(), settings.port, -1);
        return false;
    }
    Shared* shared = new Shared;
    InitializeCriticalSection(&shared->lock);
    shared->quitEvent.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    shared->address = address;
    shared->port = settings.port;
    shared->senders = std::move(senders);
    shared->funnel = funnel;
    const uintptr_t thread = shared->quitEvent ? _beginthreadex(nullptr, 0, work, shared, 0, nullptr) : 0;
    if (!thread) {
        fw::PrintLine("OSC: no thread for the OSC receiver");
        shared->references = 1;
        release(shared);
        stop();
        return false;
    }
    m_shared = shared;
    m_thread.reset(reinterpret_cast<HANDLE>(thread));
    return true;
}

void OscReceiver::stop() {
    if (m_shared) {
        {
            Lock lock(m_shared->lock);
            m_shared->quit = true;
            m_shared->funnel = nullptr;
            if (m_shared->socket != INVALID_SOCKET) closesocket(m_shared->socket);  // ends the worker's wait
            m_shared->socket = INVALID_SOCKET;
        }
        SetEvent(m_shared->quitEvent.get());
        WaitForSingleObject(m_thread.get(), kStopWaitMs);
        m_thread.reset();
        release(m_shared);
        m_shared = nullptr;
    }
    if (m_winsock) WSACleanup();
    m_winsock = false;
}

bool OscReceiver::Shared::listen() {
    bool told = false;
    for (;;) {
        const SOCKET listener = openSocket(address, port);
        const int error = WSAGetLastError();
        {
            Lock held(lock);
            if (quit) {
                if (listener != INVALID_SOCKET) closesocket(listener);
                return false;
            }
            if (listener != INVALID_SOCKET) {
                socket = listener;
                state.store(State::Listening);
                break;
            }
        }
        if (!told) fw::PrintLine("OSC: cannot listen on %s port %d (error %d), trying again every 5 s", dotted(address).c_str(), port, error);
        told = true;
        if (WaitForSingleObject(quitEvent.get(), kRetryMs) != WAIT_TIMEOUT) return false;
    }
    fw::PrintLine("OSC: listening on %s port %d", dotted(address).c_str(), port);
    return true;
}

// Counts the packet's drop, or hands its command to the funnel. Called with the lock held.
void OscReceiver::Shared::takePacket(const char* packet, int bytes, int error, const sockaddr_in& from,
                                     int fromBytes) {
    if (bytes < 0) {
        // A datagram longer than the largest packet taken arrives cut and is reported so.
        if (error == WSAEMSGSIZE) ++drops.malformed;
        return;
    }
    if (fromBytes != sizeof from || !senders.allows(ntohl(from.sin_addr.s_addr))) {
        ++drops.notAllowed;
        return;
    }
    CaptionCommand command;
    const OscParse parse = parseOscMessage(packet, static_cast<std::size_t>(bytes), command);
    if (parse == OscParse::kMalformed) {
        ++drops.malformed;
        return;
    }
    if (parse == OscParse::kUnknownAddress) {
        ++drops.unknownAddress;
        return;
    }
    // The result comes back on the program's thread, while this receiver is still there: the
    // funnel is closed before the receiver goes.
    Shared* self = this;
    const bool taken = funnel && funnel->post(command, [self](CommandResult result) {
        // A lane the show does not hold is counted as a missing entry is.
        if (result != CommandResult::kNoSuchItem && result != CommandResult::kNoSuchLane) return;
        Lock held(self->lock);
        ++self->drops.noSuchItem;
    });
    if (!taken) ++drops.queueFull;
}

unsigned __stdcall OscReceiver::work(void* parameter) {
    Shared* shared = static_cast<Shared*>(parameter);
    std::vector<char> packet(kMaxOscPacketBytes);
    if (shared->listen()) {
        SOCKET listener = shared->socket;
        for (;;) {
            sockaddr_in from{};
            int fromBytes = sizeof from;
            const int bytes = recvfrom(listener, packet.data(), static_cast<int>(packet.size()), 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromBytes);
            const int error = bytes < 0 ? WSAGetLastError() : 0;
            Drops due;
            {
                Lock lock(shared->lock);
                if (shared->quit) break;
                shared->takePacket(packet.data(), bytes, error, from, fromBytes);
                const ULONGLONG now = GetTickCount64();
                Drops& drops = shared->drops;
                if ((drops.packets() > 0 || drops.commands() > 0) && now - shared->lastReport >= kReportPeriodMs) {
                    due = drops;
                    drops = Drops();
                    shared->lastReport = now;
                }
            }
            // Printed outside the lock: a standard output nobody reads must not hold up the page.
            printDrops(due);
            if (bytes < 0 && error != WSAETIMEDOUT && error != WSAECONNRESET && error != WSAEMSGSIZE)
                Sleep(10);  // a failing socket is not spun on
        }
    }
    release(shared);
    return 0;
}
