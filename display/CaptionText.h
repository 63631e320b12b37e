#pragma once
// A caption's text measured for drawing in pieces: its size and the column at which each of its
// characters ends, so that the columns between two positions can be drawn from the few
// characters that reach them, however long the text. Text calls have length limits of their own
// (Wine draws at most 1,024 characters in one call), so the text is measured and drawn in runs
// of at most kCaptionRunBytes bytes, each cut between two characters.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

constexpr size_t kCaptionRunBytes = 256;

// Bytes [offset, offset + length) of the text, whose advance starts at `column`.
struct CaptionRun {
    size_t offset = 0;
    size_t length = 0;
    int column = 0;
};

class CaptionText {
public:
    // Measures `text` in `font` (selected into `dc` for the while). A text that cannot be
    // measured is taken as empty.
    void measure(HDC dc, HFONT font, const std::string& text);

    const std::string& text() const { return m_text; }
    SIZE size() const { return m_size; }
    // The runs that hold every character whose advance, widened by what a glyph may reach
    // beyond it, meets the columns [from, to) of the text.
    std::vector<CaptionRun> runsReaching(int from, int to) const;

private:
    // A character (or, where a run's characters could not be told apart, the whole run) and
    // the column where its advance ends.
    struct Unit {
        size_t offset;
        int end;
    };
    bool measureRun(HDC dc, size_t offset, size_t length);

    std::string m_text;
    std::vector<Unit> m_units;
    SIZE m_size{0, 0};
    int m_reach = 0;  // columns a glyph may reach beyond its advance, either side
};
