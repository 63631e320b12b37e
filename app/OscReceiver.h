#pragma once
// Commands from show-control systems over OSC (UDP). A worker thread waits on the socket, drops
// what comes from a sender that is not allowed or is no command, and queues the rest; the
// program's thread takes the queue on a message to a window of its own and hands each command
// to the controller, which changes only what is on air. Drops are counted and printed at most
// once a second while they happen.
#include <windows.h>

#include <cstddef>

#include "framework/UniqueHandle.h"
#include "framework/Window.h"
#include "model/OscSettings.h"

class KirunController;

class OscReceiver : public fw::Window {
public:
    // Commands waiting for the program's thread; a packet finding the queue full is dropped.
    static constexpr std::size_t kMaxQueued = 64;
    // How long a wait for a packet lasts before the worker prints the drops counted so far.
    static constexpr DWORD kReportPeriodMs = 1000;

    OscReceiver() = default;
    ~OscReceiver() override;

    // Listens as the settings say. False when they turn the receiver off, or when the address
    // cannot be listened on (the port in use, an address of no interface): a line says why
    // and the program runs on without it.
    bool start(const OscSettings& settings, KirunController* controller);
    // Closes the socket, which ends the worker's wait, and waits for the worker to end.
    void stop();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct Shared;
    static unsigned __stdcall work(void* shared);
    static void release(Shared* shared);
    static void takePacket(Shared& shared, const char* packet, int bytes, int error, const struct sockaddr_in& from,
                           int fromBytes);
    void runQueued();

    Shared* m_shared = nullptr;
    fw::KernelHandle m_thread;
    KirunController* m_controller = nullptr;  // not owned
    bool m_winsock = false;                   // WSAStartup succeeded
};
