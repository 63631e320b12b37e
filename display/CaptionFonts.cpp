#include "display/CaptionFonts.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace {
// Windows' own faces first, then faces a Wine system is likely to serve.
const wchar_t* const kStandInFaces[] = {
    L"Segoe UI",        L"Arial",          L"Tahoma",      L"Malgun Gothic", L"Gulim",
    L"Segoe UI Symbol", L"Segoe UI Emoji", L"SimSun-ExtB", L"MS Gothic",     L"DejaVu Sans",
    L"NanumGothic",     L"BabelStone Han",
};

int CALLBACK onFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether the system has the face, under its own or its localized name; a face it lacks would
// be made as some other face and tried twice.
bool hasFace(const wchar_t* face) {
    fw::MemoryDC dc(nullptr);
    if (!dc) return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc.get(), &wanted, onFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}
}  // namespace

CaptionFonts::CaptionFonts(HFONT captionFont) : m_entries(count()) {
    m_entries[0].font = captionFont;
    m_entries[0].tried = true;
    if (!GetObjectW(captionFont, sizeof m_captionLogFont, &m_captionLogFont) || !measure(captionFont, m_entries[0]))
        m_entries[0].font = nullptr;
}

CaptionFonts::~CaptionFonts() {
    for (Entry& entry : m_entries) ScriptFreeCache(&entry.cache);
}

size_t CaptionFonts::count() { return 1 + std::size(kStandInFaces); }

HFONT CaptionFonts::font(size_t index) {
    Entry& entry = m_entries[index];
    if (entry.tried) return entry.font;
    entry.tried = true;
    const wchar_t* face = kStandInFaces[index - 1];
    if (!m_entries[0].font || !hasFace(face)) return nullptr;
    LOGFONTW logFont = m_captionLogFont;
    // Any character set: the caption font's (often Shift JIS) would make the system prefer
    // another face of that set to the one asked for.
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
    entry.owned.reset(CreateFontIndirectW(&logFont));
    if (entry.owned && measure(entry.owned.get(), entry)) entry.font = entry.owned.get();
    else entry.owned.reset();
    return entry.font;
}

// The font's ascent and reach.
bool CaptionFonts::measure(HFONT font, Entry& entry) {
    fw::MemoryDC dc(nullptr);
    if (!dc) return false;
    fw::SelectGuard select(dc.get(), font);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc.get(), &metrics)) return false;
    entry.ascent = metrics.tmAscent;
    // The widest glyph, its overhang and the pixel of shadow or outline beyond it.
    m_reach = std::max<int>(m_reach, metrics.tmMaxCharWidth + metrics.tmOverhang + 2);
    return true;
}

void CaptionFonts::keepOnly(const std::vector<bool>& used) {
    for (size_t index = 1; index < m_entries.size(); ++index) {
        Entry& entry = m_entries[index];
        if (index < used.size() && used[index]) continue;
        ScriptFreeCache(&entry.cache);
        entry.owned.reset();
        entry.font = nullptr;
    }
}
