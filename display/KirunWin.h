#pragma once
// The caption strip: a borderless, click-through, topmost layered window at the top or bottom
// edge of the screen. Pixels of the key colour are transparent, so only the caption text and
// its shadow show over the desktop. Two off-screen pictures do the work: the strip bitmap (the
// whole client area) and the caption bitmap (the current caption with its shadow, rendered
// once per pass); a scroll tick moves the strip left and feeds it the next slice of the caption.
//
// The owner creates it with new, writes the appearance members, calls start() and, after
// every appearance change, updateLayout(). It never deletes it: DestroyWindow() and forget the
// pointer; the object deletes itself once its window is gone, and tells the owner set with
// setOwner() first, so the owner never keeps a pointer to a window that is gone. The strip is
// the owner's window, not the user's: WM_CLOSE does not close it, and nothing the program does
// activates it.
#include <windows.h>

#include <string>

#include "display/KirunListener.h"
#include "display/OffscreenPicture.h"
#include "display/RunList.h"
#include "framework/Window.h"

class CKirunWin : public fw::Window {
public:
    static constexpr UINT_PTR kScrollTimer = 101;     // one scroll step
    static constexpr UINT_PTR kCountDownTimer = 102;  // display times, in tenths of a second
    static constexpr UINT_PTR kLayeredTimer = 103;    // layered attributes applied again
    static constexpr UINT kScrollPeriod = 50;
    static constexpr UINT kCountDownPeriod = 100;
    static constexpr UINT kLayeredPeriod = 1000;

    CKirunWin();

    void setOwner(CKirunWinOwner* owner) { m_owner = owner; }
    void start();
    void updateLayout();
    BOOL DestroyWindow() override;

    // Puts a caption on air, or renews the one on air under that index.
    void addKirun(int index, const char* text, int minutes, CKirunListener* listener);
    // Takes the caption with that index off air without telling its listener.
    BOOL removeKirun(int index);
    // The caption list lost position `position`: captions on air under later positions move up
    // one, so that each stays tied to its item. The text-file caption keeps its key.
    void shiftIndicesAfter(int position);

    // Timer work, also called directly by tests.
    void onScrollTick();
    void countDown();
    void applyLayeredAttributes();

    // Read-only views of the engine's state.
    HBITMAP captionBitmap() const { return m_caption.bitmap(); }
    HBITMAP stripBitmap() const { return m_strip.bitmap(); }
    SIZE captionSize() const { return m_captionSize; }
    const std::string& currentText() const { return m_currentText; }
    const RunList& runList() const { return m_runList; }
    int next() const { return m_next; }
    BOOL rolling() const { return m_rolling; }
    int scrollX() const { return m_scrollX; }
    int lastWidth() const { return m_lastWidth; }
    // The step a tick really scrolls (m_deltaX keeps what the owner wrote).
    int scrollStepWidth() const;

    // Appearance, written by the owner before start() or updateLayout().
    CKirunEndListener* m_endListener = nullptr;  // not owned
    HFONT m_font = nullptr;                      // not owned: the owner deletes it
    COLORREF m_textColor = RGB(255, 255, 255);
    COLORREF m_shadowColor = RGB(0, 0, 0);
    int m_pos = 0;   // 0: top edge of the screen; otherwise the bottom edge
    int m_gap = 0;   // distance from that edge
    int m_lgap = 0;  // inset from the screen's left edge
    int m_rgap = 0;  // inset from the screen's right edge

private:
    int m_scrollX = 0;  // caption column from which the next slice is taken

public:
    int m_deltaX = 1;  // pixels per scroll tick, as the owner wrote it

private:
    OffscreenPicture m_caption;  // the caption bitmap, kept selected into its memory DC
    SIZE m_captionSize{0, 0};
    OffscreenPicture m_strip;    // the strip bitmap, likewise
    std::string m_currentText;  // empty while the blank caption is shown
    COLORREF m_keyColor = RGB(200, 200, 200);
    BYTE m_alpha = 200;
    CKirunWinOwner* m_owner = nullptr;  // not owned
    RunList m_runList;
    int m_next = 0;       // run-list position of the caption to show next
    BOOL m_rolling = FALSE;
    int m_drain = 0;      // pixels still to scroll once the run list is empty
    int m_lastWidth = 0;  // width of the last non-blank caption bitmap
    bool m_started = false;  // start() has run: the timers are managed from here on
    bool m_scrollTimerOn = false;     // timer 101 runs: only while rolling
    bool m_countDownTimerOn = false;  // timer 102 runs: only while the run list is not empty

    // To the top of the topmost windows without taking the focus from the operator's window.
    static constexpr UINT kBringToTop = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

    ~CKirunWin() override = default;  // only PostNcDestroy deletes the object

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnPaint();
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnFontChange(WPARAM wp, LPARAM lp);
    void resetDrain();

    void createStrip();
    void renderCaption();
    void scrollStep();
    void selectNextCaption();
    void fillKeyColor(HDC dc, int x, int y, int width, int height) const;
    // Timers 101 and 102 run only while they have work: an idle strip costs nothing.
    void startScrollTimer();
    void stopScrollTimer();
    void startCountDownTimer();
    void stopCountDownTimer();
};
