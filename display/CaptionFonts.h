#pragma once
// The fonts one caption is drawn in: the caption font and, made on demand, fonts that stand in
// for it where it lacks glyphs. Stand-ins keep the caption font's height, weight, slant and
// glyph quality (the colour-keyed look draws without antialiasing, and a stand-in drawn with it
// would fringe against the key colour). They live as long as the caption's measure does.
#include <windows.h>
#include <usp10.h>

#include <cstddef>
#include <vector>

#include "framework/Gdi.h"

class CaptionFonts {
public:
    // Font 0 is `captionFont` (not owned); the stand-ins follow in the order they are tried.
    explicit CaptionFonts(HFONT captionFont);
    ~CaptionFonts();
    CaptionFonts(const CaptionFonts&) = delete;
    CaptionFonts& operator=(const CaptionFonts&) = delete;

    // 1 + the number of stand-in faces.
    static size_t count();
    // The font, made when first asked for; null when its face is not on this system.
    HFONT font(size_t index);
    SCRIPT_CACHE* cache(size_t index) { return &m_entries[index].cache; }
    // How far below the text's top the font's baseline lies.
    int ascent(size_t index) const { return m_entries[index].ascent; }
    // Columns a glyph of any font made so far may reach beyond its advance.
    int reach() const { return m_reach; }
    // Releases the stand-ins no glyph is drawn in.
    void keepOnly(const std::vector<bool>& used);

private:
    struct Entry {
        fw::Font owned;
        HFONT font = nullptr;
        bool tried = false;
        SCRIPT_CACHE cache = nullptr;
        int ascent = 0;
    };
    bool measure(HFONT font, Entry& entry);

    LOGFONTW m_captionLogFont{};
    std::vector<Entry> m_entries;
    int m_reach = 0;
};
