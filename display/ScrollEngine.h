#pragma once
// The scrolling engine of the caption strip, without a window: the captions on air, the strip
// picture that moves left a step each tick, the caption piece that feeds it, and the drain
// that lets the last caption leave the strip before rolling stops. A caption is measured whole
// but drawn a piece at a time, at most the strip's width and kPieceMargin columns, when the
// columns entering the strip pass the piece drawn last: a caption of any length and height
// needs no more memory than the strip. The caption window owns the
// timers, the painting and the placement, and asks this engine for everything else.
#include <windows.h>

#include <string>

#include "display/CaptionText.h"
#include "display/KirunListener.h"
#include "display/OffscreenPicture.h"
#include "display/RunList.h"
#include "display/StripLook.h"

class ScrollEngine {
public:
    // What one tick did: nothing (not rolling), moved the picture, or moved it for the last time
    // (rolling has ended).
    enum class Tick { kIdle, kMoved, kEnded };

    // Columns a caption piece may have beyond the strip's width.
    static constexpr int kPieceMargin = 256;

    // The look of the captions rendered from now on, drawn in `font` (not owned: the look's own
    // font, or its copy at the strip's resolution). The ground they scroll on (the key colour,
    // or the band; a translucent band's pictures hold premultiplied alpha) is taken at the next
    // layout.
    void setLook(const StripLook& look, HFONT font);
    // Which strip the look gives.
    StripMode mode() const { return m_mode; }
    // The pictures hold per-pixel alpha: the window shows them with UpdateLayeredWindow.
    bool translucent() const { return m_mode == StripMode::TranslucentBand; }
    bool smoothPicture() const { return m_mode == StripMode::SmoothAlpha; }
    // A blank strip picture for a window of that size (in the smooth picture a column wider:
    // the column a fraction of a pixel brings in); the current caption enters again at its
    // right edge and the next one shown after it is the first on air.
    void layout(int width, int height);

    // Puts a caption on air, or renews the one on air under that index.
    void add(int index, const std::wstring& text, int minutes, CKirunListener* listener);
    // Puts the caption that cuts in on air (or renews it): it is shown pass after pass until its
    // time is up or it is removed, then the cycle goes on with the caption that was due. The
    // caption being shown leaves the strip at once, or with `afterCurrent` finishes its pass
    // first; a caption that had to leave is the one due afterwards.
    void cutIn(const std::wstring& text, int minutes, CKirunListener* listener, bool afterCurrent);
    // Takes the captions on air and the point of the current one from `leader`, so that this
    // engine shows what it shows from now on, tick for tick; no listener is told by this copy.
    // The strip picture starts blank, the current caption where the leader has it.
    void follow(const ScrollEngine& leader);
    // Takes the caption with that index off air without telling its listener.
    bool remove(int index);
    // With nothing on air: the strip shows the ground at once and rolling stops, with no caption
    // left to scroll out. False (and nothing changes) while a caption is still on air.
    bool blank();
    void shiftIndicesAfter(int position);
    // One tenth of a second passes for every caption on air.
    void countDown();
    // One step of the look's scroll step.
    Tick tick();
    // The smooth look's move: `pixels` columns at once, cut where the current caption ends, so
    // that the next one follows at the distance a caption keeps behind it however far a frame
    // moves.
    Tick advance(int pixels);

    const OffscreenPicture& strip() const { return m_strip; }
    HDC stripDC() { return m_strip.dc(); }
    OffscreenPicture& stripPicture() { return m_strip; }
    // The smooth picture's frame at `fraction` / SmoothMotion::kFractionSteps of a pixel beyond
    // the strip picture's position; the strip picture itself for every other look.
    OffscreenPicture& framePicture(int fraction);
    // The frame made last, or the strip picture where there is none.
    const OffscreenPicture& shown() const { return m_frame ? m_frame : m_strip; }
    // The piece of the current caption drawn last, from caption column captionPieceX() on; the
    // whole caption while it is no wider than the strip and kPieceMargin.
    const OffscreenPicture& caption() const { return m_caption; }
    int captionPieceX() const { return m_pieceX; }
    // The whole caption's size.
    SIZE captionSize() const { return m_captionSize; }
    const std::wstring& currentText() const { return m_currentText; }
    const RunList& runList() const { return m_runList; }
    int next() const { return m_next; }
    bool rolling() const { return m_rolling; }
    int scrollX() const { return m_scrollX; }
    int lastWidth() const { return m_lastWidth; }
    int stepWidth() const;

private:
    void renderCaption();
    // Draws the piece of the current caption that starts at caption column x.
    void drawPiece(int x);
    void scrollStep(int step);
    // Rolling goes on, or ends once the drain has run out.
    Tick afterMove(int pixels);
    // Columns between the end of a caption's text and the next caption.
    int trailingGap();
    void selectNextCaption();
    // The strip shows the ground only, and `text` enters at its right edge from the next tick on.
    void showFromStart(int index, const std::wstring& text);
    void resetDrain();
    // Fills the area with the ground: the key colour, or the band (in the smooth picture, the
    // desktop seen through where there is no band).
    void fillGround(OffscreenPicture& picture, int x, int y, int width, int height) const;
    DWORD smoothGround() const;
    COLORREF groundColor() const {
        return m_mode == StripMode::ColourKeyed ? kStripKeyColor : m_look.m_bandColor;
    }

    StripLook m_look;
    HFONT m_font = nullptr;
    StripMode m_mode = StripMode::ColourKeyed;
    BYTE m_bandAlpha = kOpaqueAlpha;  // of a translucent band
    bool m_followsCaption = false;  // the caption being shown came right after another one

    CaptionText m_captionText;   // the current caption's text, separator included, measured
    OffscreenPicture m_caption;  // a piece of the current caption, kept selected into its memory DC
    int m_pieceX = 0;            // caption column of the piece's first column
    SIZE m_captionSize{0, 0};
    OffscreenPicture m_strip;    // the strip's whole client area, likewise
    OffscreenPicture m_frame;    // the smooth picture's frame, the client area's size
    OffscreenPicture m_mask;     // scratch space of the smooth picture's glyph coverage
    int m_edge = 1;              // the smooth picture's shadow offset and outline width
    std::wstring m_currentText;   // empty while the blank caption is shown
    int m_currentIndex = -1;     // run-list key of the caption being shown; -1 for the blank one
    RunList m_runList;
    int m_scrollX = 0;    // caption column from which the next slice is taken
    int m_next = 0;       // run-list position of the caption to show next
    bool m_rolling = false;
    int m_drain = 0;      // pixels still to scroll once the run list is empty
    int m_lastWidth = 0;  // width of the last non-blank caption picture
};
