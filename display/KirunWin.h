#pragma once
// The caption strip: a borderless, click-through, topmost layered window at the top or bottom
// edge of a monitor (the primary one unless the look names another). Pixels of the key colour
// are transparent, so only the caption text and its shadow show over the desktop; or, as its
// look may choose, the captions run on a band that is opaque (no colour key: the cheapest strip
// to show) or translucent (per-pixel alpha, the text fully opaque). The scrolling engine keeps
// the pictures and the captions
// on air; this window runs its timers, paints its strip picture and places it on the screen.
// In the smooth look a pacing thread asks for a frame at every display refresh instead of the
// scroll timer, the position comes from the time elapsed, and where the desktop composes
// per-pixel alpha the frame is the smooth picture at its fraction of a pixel.
//
// The owner creates it with new, gives it its look with setLook() (before start() or at any
// time after), and calls start(). It never deletes it: DestroyWindow() and forget the pointer;
// the object deletes itself once its window is gone, and tells the owner set with setOwner()
// first, so the owner never keeps a pointer to a window that is gone. The strip is the owner's
// window, not the user's: WM_CLOSE does not close it, and nothing the program does activates it.
// It follows the screen: when the display changes (a resolution, a monitor added or removed) or
// its monitor's resolution in DPI changes, it is laid out again on the monitor it should lie
// on, or on the primary one while that monitor is gone; captions on air keep rolling, and a
// strip hidden with ShowWindow stays hidden. start() and updateLayout() show it.
#include <windows.h>

#include <string>
#include <vector>

#include "display/FramePacer.h"
#include "display/KirunListener.h"
#include "display/MonitorList.h"
#include "display/MonitorDpi.h"
#include "display/ScrollEngine.h"
#include "display/SmoothMotion.h"
#include "display/StripLook.h"
#include "display/StripPresentation.h"
#include "framework/Gdi.h"
#include "framework/Window.h"

class CKirunWin : public fw::Window {
public:
    static constexpr UINT_PTR kScrollTimer = 101;     // one scroll step
    static constexpr UINT_PTR kCountDownTimer = 102;  // display times, in tenths of a second
    static constexpr UINT_PTR kLayeredTimer = 103;    // layered attributes applied again
    static constexpr UINT kScrollPeriod = 50;
    static constexpr UINT kCountDownPeriod = 100;
    static constexpr UINT kLayeredPeriod = 1000;
    // The smooth look's frame, posted by its pacing thread at every display refresh.
    static constexpr UINT kFrameMessage = WM_APP + 1;

    CKirunWin();

    void setOwner(CKirunWinOwner* owner) { m_owner = owner; }
    void setEndListener(CKirunEndListener* listener) { m_endListener = listener; }
    // Takes a new look; once started, the strip is laid out again with it at once.
    void setLook(const StripLook& look);
    const StripLook& look() const { return m_look; }

    void start();
    // With the look's monitor "*" (kEveryMonitor), this strip lies on the primary monitor and
    // leads one mirror strip on every other connected monitor: each has the same captions and
    // moves at this strip's ticks and frames, with a picture of its own at its monitor's edge,
    // insets and resolution; only this strip counts down and tells its listeners. Monitors
    // plugged in or out get or lose their mirror.
    int mirrorCount() const { return static_cast<int>(m_mirrors.size()); }
    const CKirunWin* mirror(int i) const { return m_mirrors[static_cast<size_t>(i)]; }
    // Shows or hides the strip and its mirrors without activating them.
    void showStrip(bool shown);
    // Lays the strip out with its look and shows it.
    void updateLayout();
    BOOL DestroyWindow() override;

    // Puts a caption on air, or renews the one on air under that index.
    void addKirun(int index, const wchar_t* text, int minutes, CKirunListener* listener);
    // Puts the caption that cuts in on air, under kCutInIndex (see ScrollEngine::cutIn).
    void cutInKirun(const wchar_t* text, int minutes, CKirunListener* listener, bool afterCurrent);
    // Takes the caption with that index off air without telling its listener.
    BOOL removeKirun(int index);
    // With nothing on air, the strip is blank at once instead of letting the last caption scroll
    // out; true when it was still rolling (the end listener is not told).
    bool blankNow();
    // The caption list lost position `position`: captions on air under later positions move up
    // one, so that each stays tied to its item. The text-file caption keeps its key.
    void shiftIndicesAfter(int position);

    // Timer work, also called directly by tests.
    void onScrollTick();
    // The smooth look's frame: the position the time elapsed gives.
    void onFrame();
    void countDown();
    void applyLayeredAttributes();

    // Read-only views of the engine's state. The caption bitmap is the piece of the caption
    // drawn last: the whole caption unless it is wider than the strip and a margin.
    HBITMAP captionBitmap() const { return m_engine.caption().bitmap(); }
    HBITMAP stripBitmap() const { return m_engine.strip().bitmap(); }
    // The picture shown last: the smooth picture's frame, else the strip picture.
    HBITMAP shownBitmap() const { return m_engine.shown().bitmap(); }
    SIZE captionSize() const { return m_engine.captionSize(); }
    const std::wstring& currentText() const { return m_engine.currentText(); }
    const RunList& runList() const { return m_engine.runList(); }
    int next() const { return m_engine.next(); }
    BOOL rolling() const { return m_engine.rolling() ? TRUE : FALSE; }
    int scrollX() const { return m_engine.scrollX(); }
    int lastWidth() const { return m_engine.lastWidth(); }
    // The step a tick really scrolls (the look keeps what the owner chose).
    int scrollStepWidth() const { return m_engine.stepWidth(); }
    // What the smooth look's frames wait on; None while no frames run.
    PacingSource pacing() const { return m_pacer.running() ? m_pacer.source() : PacingSource::None; }
    // The resolution of the monitor at the last layout, which the caption font is scaled to.
    UINT dpi() const { return m_dpi; }

private:
    // To the top of the topmost windows without taking the focus from the operator's window.
    static constexpr UINT kBringToTop = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

    ~CKirunWin() override = default;  // only PostNcDestroy deletes the object

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnPaint();
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnFontChange(WPARAM wp, LPARAM lp);
    LRESULT OnDisplayChange(UINT msg, WPARAM wp, LPARAM lp);

    bool leadsMirrors() const { return !m_isMirror && m_look.m_monitor == kEveryMonitor; }
    // Makes the mirrors match the connected monitors and this strip's look; `relaidOut`: this
    // strip was laid out anew (its caption starts again), so every mirror follows it anew.
    void followMonitors(bool relaidOut);
    void destroyMirrors();
    // After this strip's engine moved or lost captions: the mirrors show the same.
    void presentMirrors();
    void dropEndedFromMirrors();

    // The rectangle the strip is placed in and its resolution.
    struct StripScreen {
        RECT m_rect{0, 0, 0, 0};
        UINT m_dpi = 0;
    };
    StripScreen currentScreen() const;
    // Lays the strip out again if the rectangle or resolution it lies on has changed; whether it did.
    bool followScreen();
    // Places and sizes the strip on its screen and starts the current caption again; `show`
    // also shows it, else it stays shown or hidden as it is.
    void layOut(bool show);
    // Gives the engine the look, with the font scaled to m_dpi and its glyphs smoothed or not
    // as the look's picture can show them.
    void applyEngineLook();
    HFONT captionFont() const;
    // The look's picture as the desktop composes (or not), given to the engine.
    void takeComposition(bool composed);
    // Takes a change of the desktop's composition.
    void followComposition();

    // Timers 101 and 102 (or the smooth look's frames in place of 101) run only while they
    // have work: an idle strip costs nothing.
    void startScrollTimer();
    void stopScrollTimer();
    void startCountDownTimer();
    void stopCountDownTimer();
    // A caption went on air: both timers run and the strip comes to the top.
    void startRolling();
    // Brings the strip picture to the screen as the window is set up to show it: a repaint, or
    // the picture with its alpha handed to UpdateLayeredWindow.
    void present();
    // A window updated with UpdateLayeredWindow takes no layered attributes and the other way
    // round until it is made layered anew: done whenever the look's presentation asks for the
    // other way.
    void matchLayeredMode();
    // The smooth look's window refuses activation outright (WS_EX_NOACTIVATE); the other looks
    // keep the styles the strip has always had.
    void matchActivationStyle();

    CKirunEndListener* m_endListener = nullptr;  // not owned
    CKirunWinOwner* m_owner = nullptr;           // not owned
    StripLook m_look;
    ScrollEngine m_engine;
    StripPresentation m_presentation = presentationFor(StripMode::ColourKeyed);  // as the look asks
    bool m_perPixelAlpha = false;     // the window is updated with UpdateLayeredWindow
    bool m_started = false;           // start() has run: the timers are managed from here on
    bool m_scrollTimerOn = false;     // timer 101 runs: only while rolling
    bool m_framesOn = false;          // the smooth look's frames run: only while rolling
    FramePacer m_pacer;
    SmoothMotion m_motion;
    int m_fraction = 0;               // of a pixel beyond the strip picture, at the last frame
    bool m_countDownTimerOn = false;  // timer 102 runs: only while the run list is not empty
    UINT m_dpi = kBaseDpi;            // of the monitor at the last layout
    RECT m_screen{0, 0, 0, 0};        // the rectangle of the last layout
    fw::Font m_scaledFont;            // m_look.m_font at m_dpi, with the glyph quality of the look
    bool m_layingOut = false;         // a layout is under way (moving may bring WM_DPICHANGED)
    bool m_isMirror = false;          // driven by a leading strip: no timers, no listeners
    std::vector<CKirunWin*> m_mirrors;  // led by this strip; each deletes itself when destroyed
};
