#include "display/LaneStrips.h"

#include <algorithm>

#include "model/LaneLook.h"

namespace {
bool atBottom(const CKirunWin& strip) { return strip.look().m_pos != 0; }

// How far the strip reaches into its screen from its edge: its distance and its height.
int innerEdgeOf(const CKirunWin& strip) {
    RECT window{};
    if (!GetWindowRect(strip.Hwnd(), &window)) return 0;
    const RECT& screen = strip.screenRect();
    return atBottom(strip) ? screen.bottom - window.top : window.bottom - screen.top;
}
}  // namespace

LaneStrips::LaneStrips(fw::UiQueue* queue) : m_frames(queue), m_queue(queue) { add(); }

LaneStrips::~LaneStrips() {
    // Every lane stops before the frame clock goes.
    m_lanes.clear();
}

StripSet* LaneStrips::find(int number) const {
    if (number < 1 || number > count()) return nullptr;
    return m_lanes[static_cast<size_t>(number - 1)].get();
}

StripSet* LaneStrips::add() {
    if (count() >= kMaxLanes) return nullptr;
    m_lanes.push_back(std::make_unique<StripSet>(m_queue, &m_frames));
    StripSet* lane = m_lanes.back().get();
    lane->setLaidOut([this] { restack(); });
    return lane;
}

bool LaneStrips::remove(int number) {
    if (number < 2 || number > count()) return false;
    m_lanes.erase(m_lanes.begin() + (number - 1));
    restack();
    return true;
}

void LaneStrips::restack() {
    // Moving a strip lays nothing out, but a move may bring the system's own messages.
    if (m_restacking) return;
    m_restacking = true;
    for (size_t lane = 0; lane < m_lanes.size(); ++lane) {
        StripSet& strips = *m_lanes[lane];
        for (int i = 0; i < strips.count(); ++i) {
            CKirunWin& strip = *strips.strip(i);
            int offset = 0;
            for (size_t earlier = 0; earlier < lane; ++earlier) {
                const StripSet& before = *m_lanes[earlier];
                for (int j = 0; j < before.count(); ++j) {
                    const CKirunWin& other = *before.strip(j);
                    if (!other.started() || atBottom(other) != atBottom(strip) ||
                        !EqualRect(&other.screenRect(), &strip.screenRect()))
                        continue;
                    offset = std::max(offset, innerEdgeOf(other));
                }
            }
            strip.setStackOffset(offset);
        }
    }
    m_restacking = false;
}
