#include "display/ShapedText.h"

#include <algorithm>
#include <climits>

#include "framework/Gdi.h"

namespace {
// Glyphs drawn in one call at most: text calls have length limits of their own.
constexpr size_t kGlyphsPerCall = 256;

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The items of `text`, one script and direction each, with the end item Uniscribe adds.
bool itemize(const std::wstring& text, std::vector<SCRIPT_ITEM>& items) {
    const int length = static_cast<int>(text.size());
    for (int capacity = 16;; capacity *= 2) {
        items.assign(static_cast<size_t>(capacity) + 1, SCRIPT_ITEM{});
        SCRIPT_CONTROL control{};
        SCRIPT_STATE state{};
        int count = 0;
        const HRESULT result = ScriptItemize(text.data(), length, capacity, &control, &state, items.data(), &count);
        if (result == E_OUTOFMEMORY && capacity <= length) continue;
        if (FAILED(result)) return false;
        items.resize(static_cast<size_t>(count) + 1);
        return true;
    }
}
}  // namespace

bool ShapedText::needed(HDC dc, const std::wstring& text) {
    if (text.empty()) return false;
    if (std::any_of(text.begin(), text.end(), isSurrogate)) return true;
    const int length = static_cast<int>(text.size());
    if (ScriptIsComplex(text.data(), length, SIC_COMPLEX) == S_OK) return true;
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(dc, text.data(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return false;
    return std::find(glyphs.begin(), glyphs.end(), 0xFFFF) != glyphs.end();
}

bool ShapedText::shape(HDC dc, HFONT font, const std::wstring& text) {
    m_runs.clear();
    m_size = SIZE{0, 0};
    m_fonts = std::make_unique<CaptionFonts>(font);
    std::vector<SCRIPT_ITEM> items;
    if (!dc || !m_fonts->font(0) || !itemize(text, items)) return false;
    const size_t count = items.size() - 1;
    std::vector<Run> logical(count);
    std::vector<BYTE> levels(count);
    for (size_t i = 0; i < count; ++i) {
        logical[i].analysis = items[i].a;
        levels[i] = static_cast<BYTE>(items[i].a.s.uBidiLevel);
        if (!shapeItem(dc, text.data() + items[i].iCharPos, items[i + 1].iCharPos - items[i].iCharPos, logical[i]))
            return false;
    }
    std::vector<int> order(count);
    if (count && FAILED(ScriptLayout(static_cast<int>(count), levels.data(), order.data(), nullptr))) return false;
    std::vector<bool> used(CaptionFonts::count(), false);
    for (int index : order) {
        Run& run = logical[static_cast<size_t>(index)];
        for (Cluster& cluster : run.clusters) {
            cluster.begin += m_size.cx;
            cluster.end += m_size.cx;
        }
        m_size.cx += run.width;
        used[run.font] = true;
        m_runs.push_back(std::move(run));
    }
    m_fonts->keepOnly(used);
    fw::SelectGuard select(dc, font);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) return false;
    m_size.cy = metrics.tmHeight;
    return true;
}

// The item in the caption font when it has every glyph, else in the first stand-in that has,
// else in the one that lacks fewest; where no font shapes the script, as plain glyphs of the
// caption font.
bool ShapedText::shapeItem(HDC dc, const wchar_t* chars, int length, Run& run) {
    Run best;
    int fewest = INT_MAX;
    for (size_t font = 0; font < CaptionFonts::count() && fewest > 0; ++font) {
        Run tried;
        tried.analysis = run.analysis;
        int missing = 0;
        if (!shapeIn(dc, font, chars, length, tried, missing) || missing >= fewest) continue;
        fewest = missing;
        best = std::move(tried);
    }
    if (fewest == INT_MAX) {
        best.analysis = run.analysis;
        best.analysis.eScript = SCRIPT_UNDEFINED;
        int missing = 0;
        if (!shapeIn(dc, 0, chars, length, best, missing)) return false;
    }
    run = std::move(best);
    findClusters(run);
    return true;
}

bool ShapedText::shapeIn(HDC dc, size_t font, const wchar_t* chars, int length, Run& run, int& missing) {
    const HFONT handle = m_fonts->font(font);
    if (!handle) return false;
    fw::SelectGuard select(dc, handle);
    std::vector<SCRIPT_VISATTR> attributes;
    run.logicalClusters.assign(static_cast<size_t>(length), 0);
    int glyphCount = 0;
    HRESULT result = E_OUTOFMEMORY;
    for (int capacity = length * 3 / 2 + 16; result == E_OUTOFMEMORY && capacity <= 8 * length + 64; capacity *= 2) {
        run.glyphs.assign(static_cast<size_t>(capacity), 0);
        attributes.assign(static_cast<size_t>(capacity), SCRIPT_VISATTR{});
        result = ScriptShape(dc, m_fonts->cache(font), chars, length, capacity, &run.analysis, run.glyphs.data(),
                             run.logicalClusters.data(), attributes.data(), &glyphCount);
    }
    if (FAILED(result)) return false;
    run.glyphs.resize(static_cast<size_t>(glyphCount));
    SCRIPT_FONTPROPERTIES properties{};
    properties.cBytes = sizeof properties;
    if (FAILED(ScriptGetFontProperties(dc, m_fonts->cache(font), &properties))) return false;
    missing = static_cast<int>(std::count(run.glyphs.begin(), run.glyphs.end(), properties.wgDefault));
    run.font = font;
    run.advances.assign(run.glyphs.size(), 0);
    run.offsets.assign(run.glyphs.size(), GOFFSET{});
    ABC abc{};
    return SUCCEEDED(ScriptPlace(dc, m_fonts->cache(font), run.glyphs.data(), glyphCount, attributes.data(),
                                 &run.analysis, run.advances.data(), run.offsets.data(), &abc));
}

// The run's clusters left to right with their columns from the run's left edge. A cluster
// starts at the glyph a character maps to (left to right) or just right of it (right to
// left, where a character maps to the rightmost glyph of its cluster).
void ShapedText::findClusters(Run& run) {
    const size_t glyphs = run.glyphs.size();
    std::vector<bool> starts(glyphs + 1, false);
    starts[0] = true;
    const bool rightToLeft = run.analysis.fRTL;
    for (WORD glyph : run.logicalClusters) {
        const size_t start = rightToLeft ? static_cast<size_t>(glyph) + 1 : glyph;
        if (start <= glyphs) starts[start] = true;
    }
    int column = 0;
    for (size_t glyph = 0; glyph < glyphs; ++glyph) {
        if (starts[glyph]) run.clusters.push_back(Cluster{glyph, column, column});
        column += run.advances[glyph];
        run.clusters.back().end = column;
    }
    run.width = column;
}

void ShapedText::draw(HDC dc, int left, int top, int from, int to) const {
    if (!m_fonts) return;
    const int low = from - reach();
    const int high = to + reach();
    for (const Run& run : m_runs) {
        if (run.clusters.empty() || run.clusters.back().end <= low || run.clusters.front().begin >= high) continue;
        auto first = std::upper_bound(run.clusters.begin(), run.clusters.end(), low,
                                      [](int column, const Cluster& c) { return column < c.end; });
        auto last = first;
        while (last != run.clusters.end() && last->begin < high) ++last;
        if (first == last) continue;
        const size_t endGlyph = last == run.clusters.end() ? run.glyphs.size() : last->glyph;
        drawGlyphs(dc, run, first->glyph, endGlyph, left + first->begin, top);
    }
}

// Glyphs [first, last) of the run, the first one's advance starting at x.
void ShapedText::drawGlyphs(HDC dc, const Run& run, size_t first, size_t last, int x, int top) const {
    const HFONT font = m_fonts->font(run.font);
    if (!font) return;
    fw::SelectGuard select(dc, font);
    // Baselines line up with the caption font's.
    const int y = top + m_fonts->ascent(0) - m_fonts->ascent(run.font);
    for (size_t from = first; from < last;) {
        size_t to = std::min(last, from + kGlyphsPerCall);
        // A piece ends where a cluster does.
        while (to < last && !std::any_of(run.clusters.begin(), run.clusters.end(),
                                         [to](const Cluster& c) { return c.glyph == to; }))
            ++to;
        ScriptTextOut(dc, m_fonts->cache(run.font), x, y, 0, nullptr, &run.analysis, nullptr, 0,
                      run.glyphs.data() + from, static_cast<int>(to - from), run.advances.data() + from, nullptr,
                      run.offsets.data() + from);
        for (size_t glyph = from; glyph < to; ++glyph) x += run.advances[glyph];
        from = to;
    }
}

size_t ShapedText::standInCount() const {
    std::vector<size_t> fonts;
    for (const Run& run : m_runs)
        if (run.font != 0 && std::find(fonts.begin(), fonts.end(), run.font) == fonts.end()) fonts.push_back(run.font);
    return fonts.size();
}
