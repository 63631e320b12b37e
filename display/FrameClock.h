#pragma once
// The smooth look's one frame clock, shared by the strips of every lane: one pacing thread
// (FramePacer) asks for a frame at every display refresh, and on the program's thread every lane
// whose strips want frames draws its own, one after the other, before the next refresh may ask
// again. A lane joins while it moves in the smooth look and leaves when it stops; the clock runs
// while any lane is with it, at the highest refresh rate any of them asked for.
#include <windows.h>

#include <vector>

#include "display/FramePacer.h"
#include "framework/UiQueue.h"

class FrameClient {
public:
    // A frame, on the program's thread.
    virtual void drawFrame() = 0;

protected:
    ~FrameClient() = default;
};

class FrameClock {
public:
    // Frames reach the program's thread through `queue` (not owned); without one the clock
    // never runs.
    explicit FrameClock(fw::UiQueue* queue) : m_queue(queue) {}
    ~FrameClock() { stop(); }
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    bool hasQueue() const { return m_queue != nullptr; }
    // `client` draws a frame at every refresh of a display of `refreshHz` (or faster, when
    // another client's display asks for it) from now on; joining again changes nothing.
    void join(FrameClient* client, UINT refreshHz);
    // `client` draws no more frames; the clock stops with its last client.
    void leave(FrameClient* client);
    bool serves(const FrameClient* client) const;
    int clients() const { return static_cast<int>(m_clients.size()); }
    bool running() const { return m_pacer.running(); }
    // What the pacing thread waits on; None while the clock does not run.
    PacingSource source() const { return m_pacer.source(); }
    // The frame asked for is on the screen: the next refresh may ask again.
    void framePresented() { m_pacer.framePresented(); }

private:
    struct Client {
        FrameClient* client;
        UINT refreshHz;
    };
    // A refresh asked for frames: every client draws one (a client that leaves on the way is
    // not asked), then the clock may ask again.
    void onDue();
    UINT fastestRate() const;
    void stop();

    fw::UiQueue* m_queue;
    std::vector<Client> m_clients;
    UINT m_rate = 0;  // the pacer's refresh rate while it runs
    FramePacer m_pacer;
};
