#pragma once
// What the HTTP server's threads share: the listening socket, the connections being served and
// the count of serving threads, behind one lock. Held by every thread through a shared pointer,
// so that a thread that outlives stop's wait still finds it.
#include <winsock2.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/UniqueHandle.h"
#include "surfaces/HttpServer.h"

struct HttpServer::Connection {
    enum class Phase {
        kIdle,     // waiting for a request's first byte
        kHead,     // reading a request
        kBusy,     // answering one
        kStream,   // sending the event stream
        kClosing,  // answered for the last time, waiting for the client to close
    };
    std::shared_ptr<Shared> shared;
    SOCKET socket = INVALID_SOCKET;
    std::uint32_t peer = 0;
    unsigned long long acceptedMs = 0;
    // Below: under the shared lock.
    Phase phase = Phase::kIdle;
    unsigned long long sinceMs = 0;  // when the phase began
    bool crowdedOut = false;         // made to end by a newer connection or stream
    bool answered = false;           // at least one request was answered
    bool tokenShown = false;         // a request carried the token
};

struct HttpServer::Shared {
    Shared(ShowAccess& show, const HttpSettings& settings, const Limits& limits);
    ~Shared();

    // Counts a refused request and prints the lines due.
    void refuse(Refusal kind);
    // Prints the lines due.
    void report();
    void setPhase(Connection& connection, Connection::Phase phase);
    // A request of the connection was answered; `tokenShown`: it carried the token.
    void answered(Connection& connection, bool tokenShown);
    // The connection a new one may crowd out when every one is taken, at `now`; null when none
    // may be (below the lock).
    Connection* crowdVictim(unsigned long long now) const;
    // Makes room for an event stream: the oldest ends when all are taken.
    void admitStream(Connection& connection);
    // Takes the connection out of the server's books and closes its socket.
    void finish(Connection& connection);

    CRITICAL_SECTION lock;
    const Limits limits;
    HttpSurface surface;
    SOCKET listener = INVALID_SOCKET;
    bool quit = false;
    RefusalLog log;
    std::vector<std::shared_ptr<Connection>> active;
    std::size_t threads = 0;        // serving threads still running
    fw::KernelHandle threadsEnded;  // manual-reset event, set while `threads` is 0
};

// Milliseconds of a steady clock.
unsigned long long steadyMs();
