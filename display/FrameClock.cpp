#include "display/FrameClock.h"

#include <algorithm>

namespace {
// The kind of the frame task in the program's queue: a frame asked for again replaces one that
// still waits.
constexpr int kFrameTask = 1;
}  // namespace

void FrameClock::join(FrameClient* client, UINT refreshHz) {
    if (!m_queue || !client) return;
    if (!serves(client)) m_clients.push_back(Client{client, refreshHz});
    const UINT rate = fastestRate();
    if (m_pacer.running() && rate == m_rate) return;
    m_rate = rate;
    m_pacer.start([this] { m_queue->postLatest(this, kFrameTask, [this] { onDue(); }); }, rate);
}

void FrameClock::leave(FrameClient* client) {
    const auto gone = std::remove_if(m_clients.begin(), m_clients.end(),
                                     [&](const Client& entry) { return entry.client == client; });
    if (gone == m_clients.end()) return;
    m_clients.erase(gone, m_clients.end());
    if (m_clients.empty()) stop();
}

bool FrameClock::serves(const FrameClient* client) const {
    return std::any_of(m_clients.begin(), m_clients.end(),
                       [&](const Client& entry) { return entry.client == client; });
}

UINT FrameClock::fastestRate() const {
    UINT rate = 0;
    for (const Client& entry : m_clients) rate = std::max(rate, entry.refreshHz);
    return rate;
}

void FrameClock::stop() {
    m_pacer.stop();
    m_rate = 0;
    if (m_queue) m_queue->cancel(this);
}

void FrameClock::onDue() {
    if (!m_pacer.running()) return;  // asked for before the clock stopped
    // A frame may make any client leave (its motion ended) or another join.
    const std::vector<Client> asked = m_clients;
    for (const Client& entry : asked)
        if (serves(entry.client)) entry.client->drawFrame();
    // Asked again at the next refresh only now that these frames are on the screen.
    m_pacer.framePresented();
}
