#pragma once
// The pictures of one strip: the strip picture that moves left, the piece of the caption that
// feeds it, and in the smooth look the frame blended at a fraction of a pixel. A caption is
// measured whole but drawn a piece at a time, at most the strip's width and kPieceMargin
// columns, when the columns entering the strip pass the piece drawn last: a caption of any
// length and height needs no more memory than the strip. Which caption enters and how far the
// strip moves is the lane's to say; the caption window shows these pictures.
#include <windows.h>

#include <string>

#include "display/CaptionText.h"
#include "display/OffscreenPicture.h"
#include "display/StripLook.h"

class StripPicture {
public:
    // Columns a caption piece may have beyond the strip's width.
    static constexpr int kPieceMargin = 256;
    // Extra columns scrolled after the last caption, beyond its width and the strip's.
    static constexpr int kDrainMargin = 50;

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
    // A strip picture of the ground for a window of that size (in the smooth picture a column
    // wider: the column a fraction of a pixel brings in); the caption is drawn again in the look.
    void layout(int width, int height);

    // `text` enters at the right edge from the next scroll on (the empty text: the blank
    // caption); `followsCaption`: after another caption, with the separator before it;
    // `fromBlank`: the strip shows the ground first. Its width in columns.
    int enter(const std::wstring& text, bool followsCaption, bool fromBlank);
    // The look changed its colours, band, outline, separator or step, not its size: the ground
    // and the current caption are drawn anew in it, the caption keeping the columns it has
    // entered. Its new width.
    int restyle();
    // The strip joins a caption that has entered other strips `columns` columns far: those
    // columns stand at its right edge, as if it had scrolled them in.
    void showEntered(int columns);
    // The picture moves `columns` left; the entering columns are the caption's next ones (the
    // ground past its end).
    void scroll(int columns);
    // Columns to scroll once the last caption has entered for it to leave the strip.
    int drainColumns() const { return m_lastWidth + m_strip.width() + kDrainMargin; }

    const OffscreenPicture& strip() const { return m_strip; }
    HDC stripDC() { return m_strip.dc(); }
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
    // Caption column from which the next slice is taken.
    int scrollX() const { return m_scrollX; }
    int lastWidth() const { return m_lastWidth; }
    int stepWidth() const;

private:
    void renderCaption();
    // Draws the piece of the current caption that starts at caption column x.
    void drawPiece(int x);
    // Columns between the end of a caption's text and the next caption.
    int trailingGap();
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
    std::wstring m_currentText;  // empty while the blank caption is shown
    int m_scrollX = 0;           // caption column from which the next slice is taken
    int m_lastWidth = 0;         // width of the last non-blank caption picture
};
