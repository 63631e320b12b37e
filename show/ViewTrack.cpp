#include "show/ViewTrack.h"

void ViewTrack::enter(int width, int laneWidth) {
    m_width = width;
    m_laneWidth = laneWidth;
    m_position = 0;
}

int ViewTrack::columnOf(long long lanePosition) const {
    if (m_laneWidth <= 0 || m_width == m_laneWidth) return static_cast<int>(lanePosition);
    return static_cast<int>(lanePosition * m_width / m_laneWidth);
}

int ViewTrack::follow(long long lanePosition) {
    const int target = columnOf(lanePosition);
    if (target <= m_position) return 0;
    const int columns = target - m_position;
    m_position = target;
    return columns;
}

long long laneColumnsFor(long long columns, unsigned dpi, unsigned laneDpi) {
    if (dpi == 0) dpi = 1;
    return (columns * laneDpi + dpi - 1) / dpi;
}
