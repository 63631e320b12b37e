#pragma once
// One caption strip: a borderless, click-through, topmost layered window at the top or bottom
// edge of a monitor (the primary one unless the look names another). Pixels of the key colour
// are transparent, so only the caption text and its shadow show over the desktop; or, as its
// look may choose, the captions run on a band that is opaque (no colour key: the cheapest strip
// to show) or translucent (per-pixel alpha, the text fully opaque), or the smooth look's
// picture. It shows its pictures (StripPicture); which caption enters and how far it moves is
// the lane's to say, through the set of strips that owns this window.
//
// The strip that keeps the lane's clock runs timer 101 (a scroll step) and 102 (the countdown)
// for its owner while there is work for them; every strip runs timer 103 (its layered
// attributes applied again). It follows the screen: when its monitor's resolution in DPI or
// the desktop's composition changes it is laid out again and tells its owner; a change of the
// display is its owner's to follow. The strip is the owner's window, not the user's: WM_CLOSE
// does not close it, and nothing the program does activates it.
#include <windows.h>

#include <string>

#include "display/StripLook.h"
#include "display/MonitorDpi.h"
#include "display/StripOwner.h"
#include "display/StripPicture.h"
#include "display/StripPlacement.h"
#include "display/StripPresentation.h"
#include "framework/Gdi.h"
#include "framework/Window.h"

// The height of a strip that draws its captions in `font` on `dc`: the text's with its shadow,
// or the smooth picture's with room for its smoothed edges.
int stripHeightFor(HDC dc, HFONT font, bool smoothPicture);

class CKirunWin : public fw::Window {
public:
    static constexpr UINT_PTR kScrollTimer = 101;     // one scroll step
    static constexpr UINT_PTR kCountDownTimer = 102;  // display times counted down
    static constexpr UINT_PTR kLayeredTimer = 103;    // layered attributes applied again
    static constexpr UINT kScrollPeriod = 50;
    static constexpr UINT kCountDownPeriod = 100;
    static constexpr UINT kLayeredPeriod = 1000;

    explicit CKirunWin(StripOwner* owner = nullptr);
    ~CKirunWin() override;

    // Takes a new look; once started, the strip is laid out again with it at once.
    void setLook(const StripLook& look);
    // Takes a look that differs from the one it has only in colours, band, outline, separator or
    // speed: the strip keeps its place and the caption on it keeps its point. The caption's
    // width in columns in the new look.
    int restyle(const StripLook& look);
    // How much of the band shows, 0 (none: nothing is on the strip) to 255; a strip without a
    // band is not affected.
    void setBandOpacity(BYTE opacity);
    const StripLook& look() const { return m_look; }
    // Lays the strip out with its look, shows it (or, not `shown`, keeps it hidden as
    // showStrip(false) does) and starts timer 103.
    void start(bool shown = true);
    bool started() const { return m_started; }
    // Shows or hides the strip without activating it.
    void showStrip(bool shown);
    // Lays the strip out with its look and shows it.
    void updateLayout();
    // Lays it out again if the rectangle or resolution it lies on has changed; whether it did.
    // A strip the operator hid stays hidden.
    bool followScreen();
    BOOL DestroyWindow() override;
    // Pixels the strip lies further inside its edge than its look's distance says, to clear the
    // strips of other lanes on the same edge; a started strip moves there at once, keeping its
    // size and pictures.
    void setStackOffset(int pixels);
    int stackOffset() const { return m_stackOffset; }
    // The rectangle of the screen the strip was last laid out on.
    const RECT& screenRect() const { return m_screen; }

    // Runs or stops timer 101 or 102 for the owner.
    void runTimer(UINT_PTR id, bool run);
    bool timerRuns(UINT_PTR id) const;
    // Brings the picture to the screen as the window is set up to show it: a repaint, or the
    // frame at `fraction` of a pixel handed to UpdateLayeredWindow.
    void present(int fraction = 0);
    // Brings the strip to the top of the topmost windows without taking the focus.
    void raise();
    void applyLayeredAttributes();

    StripPicture& picture() { return m_picture; }
    const StripPicture& picture() const { return m_picture; }
    HBITMAP captionBitmap() const { return m_picture.caption().bitmap(); }
    HBITMAP stripBitmap() const { return m_picture.strip().bitmap(); }
    // The picture shown last: the smooth picture's frame, else the strip picture.
    HBITMAP shownBitmap() const { return m_picture.shown().bitmap(); }
    SIZE captionSize() const { return m_picture.captionSize(); }
    const std::wstring& currentText() const { return m_picture.currentText(); }
    int scrollX() const { return m_picture.scrollX(); }
    int lastWidth() const { return m_picture.lastWidth(); }
    // The step a tick really scrolls (the look keeps what the owner chose).
    int scrollStepWidth() const { return m_picture.stepWidth(); }
    // The resolution of the monitor at the last layout, which the caption font is scaled to.
    UINT dpi() const { return m_dpi; }
    bool perPixelAlpha() const { return m_perPixelAlpha; }

private:
    // To the top of the topmost windows without taking the focus from the operator's window.
    static constexpr UINT kBringToTop = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnPaint();
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnFontChange(WPARAM wp, LPARAM lp);
    LRESULT OnDisplayChange(UINT msg, WPARAM wp, LPARAM lp);

    // The rectangle the strip is placed in and its resolution.
    struct StripScreen {
        RECT m_rect{0, 0, 0, 0};
        UINT m_dpi = 0;
    };
    StripScreen currentScreen() const;
    // Places and sizes the strip on its screen; its pictures start blank. `show` also shows it,
    // else it stays shown or hidden as it is.
    void layOut(bool show);
    // Gives the picture the look, with the font scaled to m_dpi and its glyphs smoothed or not
    // as the look's picture can show them.
    void applyPictureLook();
    HFONT captionFont() const;
    // The look's picture as the desktop composes (or not).
    void takeComposition(bool composed);
    void followComposition();
    // A window updated with UpdateLayeredWindow takes no layered attributes and the other way
    // round until it is made layered anew: done whenever the look's presentation asks for the
    // other way.
    void matchLayeredMode();
    // The smooth look's window refuses activation outright (WS_EX_NOACTIVATE); the other looks
    // keep the styles the strip has always had.
    void matchActivationStyle();

    StripOwner* m_owner = nullptr;    // not owned
    StripLook m_look;
    StripPicture m_picture;
    StripPresentation m_presentation = presentationFor(StripMode::ColourKeyed);  // as the look asks
    bool m_perPixelAlpha = false;     // the window is updated with UpdateLayeredWindow
    bool m_started = false;           // start() has run
    bool m_scrollTimerOn = false;
    bool m_countDownTimerOn = false;
    int m_fraction = 0;               // of a pixel beyond the strip picture, at the last present
    BYTE m_bandOpacity = 255;         // of a band, while it fades in or out
    bool m_shown = true;              // not hidden with showStrip(false)
    // Shown while not hidden by the owner and, with a band, while the band shows at all.
    bool visibleNow() const;
    void showAsWanted();
    // The window's alpha as a whole: the presentation's, times the band's opacity where there is one.
    BYTE windowAlpha(BYTE presentationAlpha) const;
    UINT m_dpi = kBaseDpi;            // of the monitor at the last layout
    RECT m_screen{0, 0, 0, 0};        // the rectangle of the last layout
    fw::Font m_scaledFont;            // m_look.m_font at m_dpi, with the glyph quality of the look
    bool m_layingOut = false;         // a layout is under way (moving may bring WM_DPICHANGED)
    int m_stackOffset = 0;            // added to the look's distance from its edge
    // Where the strip lies on m_screen at that height, its stack offset included.
    StripPlacement placementFor(int height) const;
};
