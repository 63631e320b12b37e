#pragma once
// The web remote and HTTP API on a socket of its own. One thread accepts connections and a
// thread serves each one, so nothing here runs on the program's thread: the show is reached only
// through ShowAccess. Everything is bounded: at most 16 connections (one that is done, or idle
// and has never shown the token, is crowded out by a new one at once; one slow or idle for a
// second as well; past that a new connection is answered 429 and closed), at most 8 of them
// event streams (a new one ends the oldest), request heads and bodies in bytes, and each request
// in time. An error answer to a request without the token ends its connection.
#include <winsock2.h>

#include <memory>

#include "framework/UniqueHandle.h"
#include "surfaces/HttpRequestParser.h"
#include "model/HttpSettings.h"
#include "surfaces/HttpSurface.h"

class HttpServer {
public:
    struct Limits {
        std::size_t maxConnections = 16;
        std::size_t maxStreams = 8;
        unsigned long headMs = 10000;     // the whole head of a request, from its first byte
        unsigned long bodyMs = 10000;     // the whole body, from the end of the head
        unsigned long idleMs = 5000;      // a kept-alive connection waiting for its next request
        unsigned long sendMs = 5000;      // each send to a client that does not read
        unsigned long crowdAfterMs = 1000;  // a connection this long idle or in its head may be crowded out
        unsigned maxRequestsPerConnection = 1000;
        HttpLimits request;
    };

    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens as the settings say. False when they turn the remote off, or when the address
    // cannot be listened on: a line on standard output says why and the program runs on
    // without it. `show` must outlive stop().
    bool start(const HttpSettings& settings, ShowAccess& show, const Limits& limits);
    bool start(const HttpSettings& settings, ShowAccess& show) { return start(settings, show, Limits()); }
    // Ends every connection and waits for their threads.
    void stop();
    bool running() const { return m_shared != nullptr; }

    // What the threads share, and one connection (surfaces/HttpServerShared.h).
    struct Shared;
    struct Connection;

private:
    static unsigned __stdcall acceptLoop(void* shared);
    static unsigned __stdcall serveLoop(void* connection);

    std::shared_ptr<Shared> m_shared;
    fw::KernelHandle m_acceptThread;
    bool m_winsock = false;
};
