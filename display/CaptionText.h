#pragma once
// A caption's text measured for drawing in pieces: its size and the column at which each of its
// characters ends, so that the columns between two positions can be drawn from the few
// characters that reach them, however long the text. Text calls have length limits of their own
// (Wine draws at most 1,024 characters in one call), so the text is measured and drawn in runs
// of at most kCaptionRunUnits UTF-16 code units, each cut between two characters.
// Text the caption font holds entirely, left to right in a simple script, is measured and drawn
// with the plain text calls; any other is shaped (display/ShapedText.h).
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class ShapedText;

constexpr size_t kCaptionRunUnits = 256;

// Code units [offset, offset + length) of the text, whose advance starts at `column`.
struct CaptionRun {
    size_t offset = 0;
    size_t length = 0;
    int column = 0;
};

class CaptionText {
public:
    // Measures `text` in `font` (selected into `dc` for the while). A text that cannot be
    // measured is taken as empty.
    void measure(HDC dc, HFONT font, const std::wstring& text);
    // Text in code page 932.
    void measure(HDC dc, HFONT font, const std::string& text);

    const std::wstring& text() const { return m_text; }
    SIZE size() const { return m_size; }
    bool shaped() const { return m_shaped != nullptr; }
    // The stand-in fonts the text is drawn in where the caption font lacks its glyphs.
    size_t standInFonts() const;
    // The runs of plain text that hold every character whose advance, widened by what a glyph
    // may reach beyond it, meets the columns [from, to) of the text (none for shaped text).
    std::vector<CaptionRun> runsReaching(int from, int to) const;
    // Draws in the text colour of `dc` the characters that reach columns [from, to) of the
    // text, its column 0 at x = left and its top at y = top; `font` is the one measured in.
    void drawReaching(HDC dc, HFONT font, int left, int top, int from, int to) const;

private:
    // A character (or, where a run's characters could not be told apart, the whole run) and
    // the column where its advance ends.
    struct Unit {
        size_t offset;
        int end;
    };
    bool measureRun(HDC dc, size_t offset, size_t length);

    std::wstring m_text;
    std::vector<Unit> m_units;
    std::shared_ptr<ShapedText> m_shaped;  // shared by copies: it holds the stand-in fonts
    SIZE m_size{0, 0};
    int m_reach = 0;  // columns a glyph may reach beyond its advance, either side
};
