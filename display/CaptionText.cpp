#include "display/CaptionText.h"

#include <algorithm>
#include <climits>

#include "framework/Gdi.h"
#include "framework/Mbcs.h"

namespace {
// Byte length of the character at `offset`: a lead byte with a byte after it starts two.
size_t charLength(const std::string& text, size_t offset) {
    return fw::IsLeadByte(static_cast<unsigned char>(text[offset])) && offset + 1 < text.size() ? 2 : 1;
}
}  // namespace

void CaptionText::measure(HDC dc, HFONT font, const std::string& text) {
    m_text = text;
    m_units.clear();
    m_size = SIZE{0, 0};
    m_reach = 0;
    if (!dc) return;
    fw::SelectGuard selectFont(dc, font);
    TEXTMETRICA metrics{};
    // The widest glyph, its overhang and the pixel of shadow or outline beyond it.
    if (GetTextMetricsA(dc, &metrics)) m_reach = metrics.tmMaxCharWidth + metrics.tmOverhang + 2;
    for (size_t offset = 0; offset < text.size();) {
        const size_t length = fw::CharBoundaryAtOrBefore(text.substr(offset, kCaptionRunBytes + 1), kCaptionRunBytes);
        if (!measureRun(dc, offset, length)) {
            m_units.clear();
            m_size = SIZE{0, 0};
            return;
        }
        offset += length;
    }
}

bool CaptionText::measureRun(HDC dc, size_t offset, size_t length) {
    // Room for two extents a byte: Wine writes two extents for every character that starts with
    // a lead byte, also for a lead byte alone at the end of the run, whose second extent would
    // lie past an array of one extent a byte (a hostile settings or watched file holds such text).
    std::vector<INT> extents(2 * length);
    INT fit = 0;
    SIZE size{0, 0};
    if (!GetTextExtentExPointA(dc, m_text.data() + offset, static_cast<int>(length), INT_MAX, &fit,
                               extents.data(), &size))
        return false;
    const int start = m_size.cx;
    // The extents come one per byte (both bytes of a double-byte character alike) or one per
    // character; where neither fits, the run is one unit.
    std::vector<size_t> starts;
    for (size_t at = offset; at < offset + length; at += charLength(m_text, at)) starts.push_back(at);
    const bool perByte = static_cast<size_t>(fit) == length;
    const bool perChar = static_cast<size_t>(fit) == starts.size();
    if (!perByte && !perChar) starts.assign(1, offset);
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t next = i + 1 < starts.size() ? starts[i + 1] : offset + length;
        const size_t last = perByte ? next - 1 - offset : i;
        m_units.push_back(Unit{starts[i], start + (next == offset + length ? size.cx : extents[last])});
    }
    m_size.cx = start + size.cx;
    m_size.cy = std::max(m_size.cy, size.cy);
    return true;
}

std::vector<CaptionRun> CaptionText::runsReaching(int from, int to) const {
    std::vector<CaptionRun> runs;
    const int low = from - m_reach;
    const int high = to + m_reach;
    auto unit = std::upper_bound(m_units.begin(), m_units.end(), low,
                                 [](int column, const Unit& u) { return column < u.end; });
    for (; unit != m_units.end(); ++unit) {
        const int begin = unit == m_units.begin() ? 0 : (unit - 1)->end;
        if (begin >= high) break;
        const size_t end = unit + 1 == m_units.end() ? m_text.size() : (unit + 1)->offset;
        if (runs.empty() || end - runs.back().offset > kCaptionRunBytes)
            runs.push_back(CaptionRun{unit->offset, 0, begin});
        runs.back().length = end - runs.back().offset;
    }
    return runs;
}
