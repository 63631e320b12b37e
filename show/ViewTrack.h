#pragma once
// How far one strip has scrolled into the caption its lane shows, in that strip's own columns.
// The lane measures in the columns of its first strip; a strip at another resolution draws the
// caption at another width and scrolls in proportion, so that every strip shows the same point
// of the text whatever its scale.

class ViewTrack {
public:
    // A caption `width` columns wide on this strip enters; the lane measures it `laneWidth` wide.
    void enter(int width, int laneWidth);
    // This strip's column for lane column `lanePosition` of the caption.
    int columnOf(long long lanePosition) const;
    // The lane has moved to `lanePosition`: the columns this strip scrolls to follow it.
    int follow(long long lanePosition);
    int position() const { return m_position; }
    int width() const { return m_width; }

private:
    int m_width = 0;
    int m_laneWidth = 0;
    int m_position = 0;
};

// Lane columns for `columns` of a strip at `dpi`, when the lane's first strip is at `laneDpi`,
// rounded up: what the lane must move for that strip to move that far.
long long laneColumnsFor(long long columns, unsigned dpi, unsigned laneDpi);
