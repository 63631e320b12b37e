#pragma once
// A caption's text as Uniscribe shapes it: split into runs of one script and direction, each
// shaped in the caption font or, where that lacks glyphs, in the first stand-in font that has
// them all, and laid out left to right in display order (right-to-left runs reversed). Measured
// once; drawn cluster by cluster, so that the columns of a piece cost only the glyphs that
// reach them, and a surrogate pair or a cluster of glyphs is never cut.
#include <windows.h>
#include <usp10.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "display/CaptionFonts.h"

class ShapedText {
public:
    // True when `text` needs shaping or stand-in fonts in the font selected into `dc`: it holds
    // characters that font lacks, surrogate pairs, or complex or right-to-left scripts.
    static bool needed(HDC dc, const std::wstring& text);

    // Shapes `text` in `font`; false when it cannot be shaped.
    bool shape(HDC dc, HFONT font, const std::wstring& text);
    SIZE size() const { return m_size; }
    // Columns a glyph may reach beyond its advance, either side.
    int reach() const { return m_fonts ? m_fonts->reach() : 0; }
    // Draws the clusters that reach columns [from, to) of the text, its column 0 at x = left
    // and its top at y = top, in the text colour of `dc`.
    void draw(HDC dc, int left, int top, int from, int to) const;
    // The stand-in fonts the text is drawn in.
    size_t standInCount() const;

private:
    // Glyphs [glyph, next cluster's glyph) of a run, ending at column `end` of the text.
    struct Cluster {
        size_t glyph;
        int begin;
        int end;
    };
    struct Run {
        SCRIPT_ANALYSIS analysis{};
        size_t font = 0;
        std::vector<WORD> glyphs;  // in display order, left to right
        std::vector<WORD> logicalClusters;
        std::vector<int> advances;
        std::vector<GOFFSET> offsets;
        std::vector<Cluster> clusters;
        int width = 0;
    };
    bool shapeIn(HDC dc, size_t font, const wchar_t* chars, int length, Run& run, int& missing);
    bool shapeItem(HDC dc, const wchar_t* chars, int length, Run& run);
    static void findClusters(Run& run);
    void drawGlyphs(HDC dc, const Run& run, size_t first, size_t last, int x, int y) const;

    std::unique_ptr<CaptionFonts> m_fonts;
    std::vector<Run> m_runs;  // in display order
    SIZE m_size{0, 0};
};
