#pragma once
// The captions that entered the strips before the one entering now, newest last, as far back as
// a strip may still show them. A strip that joins a lane mid-pass (a monitor plugged in) draws
// them left of the current caption's part, as the strips that were there all along show them.
// Positions are lane columns, as everywhere in the lane.
#include <cstddef>
#include <deque>
#include <string>

class PassedCaptions {
public:
    struct Caption {
        std::wstring text;    // empty: the blank caption
        bool followsCaption;  // drawn with the separator before it
        int laneWidth;        // its width
        long long columns;    // lane columns it moved before the next one entered
    };
    // Lane columns kept: more than any strip is wide at any resolution.
    static constexpr long long kKeptColumns = 1 << 14;
    // Captions kept (a blank caption that lets the last one scroll out is only a few columns).
    static constexpr size_t kKeptCaptions = 2048;

    // The caption has left the entry point after moving `columns`; one that never moved is not kept.
    void passed(const std::wstring& text, bool followsCaption, int laneWidth, long long columns);
    // The strips show nothing of what passed (they start blank, or redraw only the current caption).
    void clear() {
        m_captions.clear();
        m_columns = 0;
    }

    // The oldest caption a strip needs for `columns` lane columns left of the current caption's
    // part: the captions from the index returned on, oldest first, cover them (or all there are).
    size_t firstCovering(long long columns) const;
    size_t size() const { return m_captions.size(); }
    const Caption& at(size_t i) const { return m_captions[i]; }

private:
    std::deque<Caption> m_captions;
    long long m_columns = 0;  // of every caption kept
};
