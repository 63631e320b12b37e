#include "display/CaptionText.h"

#include <algorithm>
#include <climits>

#include "display/ShapedText.h"
#include "framework/Gdi.h"
#include "framework/TextCodec.h"

namespace {
bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code units of the character at `offset`: a surrogate pair is one character.
size_t charLength(const std::wstring& text, size_t offset) {
    return isHighSurrogate(text[offset]) && offset + 1 < text.size() && isLowSurrogate(text[offset + 1]) ? 2 : 1;
}

// The longest start of text[offset...] of at most `units` code units that ends between two characters.
size_t runLengthAt(const std::wstring& text, size_t offset, size_t units) {
    const size_t end = std::min(text.size(), offset + units);
    size_t at = offset;
    while (at < end && at + charLength(text, at) <= end) at += charLength(text, at);
    return at - offset;
}
}  // namespace

void CaptionText::measure(HDC dc, HFONT font, const std::string& text) { measure(dc, font, fw::Widen(text, 932)); }

void CaptionText::measure(HDC dc, HFONT font, const std::wstring& text) {
    m_text = text;
    m_units.clear();
    m_shaped.reset();
    m_size = SIZE{0, 0};
    m_reach = 0;
    if (!dc) return;
    fw::SelectGuard selectFont(dc, font);
    if (ShapedText::needed(dc, text)) {
        auto shaped = std::make_shared<ShapedText>();
        if (!shaped->shape(dc, font, text)) return;
        m_size = shaped->size();
        m_shaped = std::move(shaped);
        return;
    }
    TEXTMETRICW metrics{};
    // The widest glyph, its overhang and the pixel of shadow or outline beyond it.
    if (GetTextMetricsW(dc, &metrics)) m_reach = metrics.tmMaxCharWidth + metrics.tmOverhang + 2;
    for (size_t offset = 0; offset < text.size();) {
        const size_t length = runLengthAt(text, offset, kCaptionRunUnits);
        if (!measureRun(dc, offset, length)) {
            m_units.clear();
            m_size = SIZE{0, 0};
            return;
        }
        offset += length;
    }
}

bool CaptionText::measureRun(HDC dc, size_t offset, size_t length) {
    std::vector<INT> extents(length);
    INT fit = 0;
    SIZE size{0, 0};
    if (!GetTextExtentExPointW(dc, m_text.data() + offset, static_cast<int>(length), INT_MAX, &fit, extents.data(),
                               &size))
        return false;
    const int start = m_size.cx;
    // The extents come one per code unit; where they do not, the run is one unit.
    std::vector<size_t> starts;
    for (size_t at = offset; at < offset + length; at += charLength(m_text, at)) starts.push_back(at);
    if (static_cast<size_t>(fit) != length) starts.assign(1, offset);
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t next = i + 1 < starts.size() ? starts[i + 1] : offset + length;
        m_units.push_back(Unit{starts[i], start + (next == offset + length ? size.cx : extents[next - 1 - offset])});
    }
    m_size.cx = start + size.cx;
    m_size.cy = std::max(m_size.cy, size.cy);
    return true;
}

size_t CaptionText::standInFonts() const { return m_shaped ? m_shaped->standInCount() : 0; }

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
        if (runs.empty() || end - runs.back().offset > kCaptionRunUnits)
            runs.push_back(CaptionRun{unit->offset, 0, begin});
        runs.back().length = end - runs.back().offset;
    }
    return runs;
}

void CaptionText::drawReaching(HDC dc, HFONT font, int left, int top, int from, int to) const {
    if (m_shaped) {
        m_shaped->draw(dc, left, top, from, to);
        return;
    }
    fw::SelectGuard selectFont(dc, font);
    for (const CaptionRun& run : runsReaching(from, to)) {
        // Not clipped by its rectangle: a glyph may reach left of its advance into the clip area.
        RECT at{left + run.column, top, left + run.column + SHRT_MAX, top + SHRT_MAX};
        DrawTextW(dc, m_text.data() + run.offset, static_cast<int>(run.length), &at,
                  DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
}
