#pragma once
// Commands from show-control systems over OSC (UDP). A worker thread waits on the socket, drops
// what comes from a sender that is not allowed or is no command, and hands the rest to the
// program's command funnel, which carries them out on the program's thread (changing only what
// is on air). Drops are counted and printed at most once a second while they happen. An address
// that cannot be listened on yet (an interface not up, the port taken) is tried again every
// kRetryMs, and the operator sees the receiver's state (status()).
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>

#include "framework/UniqueHandle.h"
#include "model/OscSettings.h"

class CommandFunnel;

class OscReceiver {
public:
    // How long a wait for a packet lasts before the worker prints the drops counted so far.
    static constexpr DWORD kReportPeriodMs = 1000;
    // Between two tries to listen on an address that could not be listened on.
    static constexpr DWORD kRetryMs = 5000;

    enum class State { Off, Listening, Retrying };

    OscReceiver() = default;
    ~OscReceiver();
    OscReceiver(const OscReceiver&) = delete;
    OscReceiver& operator=(const OscReceiver&) = delete;

    // Listens as the settings say. False when they turn the receiver off (no port, or a port or
    // address that is no such thing: a line says why). An address that cannot be listened on now
    // gets a line and is tried again until stop().
    bool start(const OscSettings& settings, CommandFunnel* funnel);
    // Closes the socket, which ends the worker's wait, and waits for the worker to end.
    void stop();
    State state() const;
    // "<address>:<port>" of the settings taken by start().
    const std::string& endpoint() const { return m_endpoint; }

private:
    struct Shared;
    static unsigned __stdcall work(void* shared);
    static void release(Shared* shared);

    Shared* m_shared = nullptr;
    fw::KernelHandle m_thread;
    std::string m_endpoint;
    bool m_winsock = false;  // WSAStartup succeeded
};
