#pragma once
// The strips that show one lane: one caption window, or with the look's monitor "*"
// (kEveryMonitor) one on every connected monitor, owned together here and kept to the
// monitors as they are plugged in and out. The first strip (on the look's monitor, or the
// primary one) keeps the lane's clock: its timers move the lane and count it down, or in the
// smooth look a pacing thread asks for frames at every display refresh. Every strip draws its
// own picture at its monitor's resolution; each scales the lane's columns (the first strip's
// pixels) to its own, so that all of them show the same point of the text.
#include <memory>
#include <string>
#include <vector>

#include <functional>

#include "display/FrameClock.h"
#include "display/KirunWin.h"
#include "display/SmoothMotion.h"
#include "display/StripLook.h"
#include "display/StripOwner.h"
#include "framework/UiQueue.h"
#include "framework/Gdi.h"
#include "model/LaneLook.h"
#include "show/StripPort.h"
#include "show/ViewTrack.h"

class StripSet : public StripPort, private StripOwner, private FrameClient {
public:
    // Frames of the smooth look come from `frames` (not owned), the clock shared by every lane,
    // or, without one, from a clock of the set's own.
    explicit StripSet(fw::UiQueue* queue = nullptr, FrameClock* frames = nullptr);
    ~StripSet();
    StripSet(const StripSet&) = delete;
    StripSet& operator=(const StripSet&) = delete;

    // The lane whose clock the strips keep (not owned); the caption on the strips, how far it
    // has entered and what passed before it are the lane's, read through its view.
    void setClock(LaneClock* clock) { m_clock = clock; }
    // Called whenever the strips were placed anew (made, laid out, a monitor came or went).
    void setLaidOut(std::function<void()> laidOut) { m_laidOut = std::move(laidOut); }
    // Makes the strips with the look and starts them; false when no window could be made.
    bool start(const StripLook& look);
    // Takes a new look: every strip is laid out again with it and the lane starts the caption
    // on the strip again; a strip hidden with showStrips(false) is shown.
    void setLook(const StripLook& look);
    const StripLook& look() const { return m_look; }
    // Shows or hides every strip without activating it. Hidden strips present nothing: in the
    // smooth look the frames stop and the lane moves on the scroll timer, by the time elapsed.
    bool shown() const { return m_shown; }
    // Destroys every strip.
    void stop();

    int count() const { return static_cast<int>(m_views.size()); }
    CKirunWin* strip(int i) const { return m_views[static_cast<size_t>(i)].window.get(); }
    // The strip that keeps the clock; null before start() or when no window could be made.
    CKirunWin* first() const { return m_views.empty() ? nullptr : m_views.front().window.get(); }
    // What the smooth look's frames wait on; None while no frames run.
    PacingSource pacing() const { return m_frames->serves(this) ? m_frames->source() : PacingSource::None; }

    // StripPort: the lane's captions and moves.
    int enter(const std::wstring& text, bool followsCaption, bool fromBlank) override;
    void scroll(int columns) override;
    int drainColumns() override;
    void present() override;
    void setMoving(bool moving) override;
    void setCounting(bool counting) override;
    void raise() override;
    void setShown(bool shown) override { showStrips(shown); }

    // The strips in an appearance, with a caption font of their own: made and started (false
    // when no window could be made), laid out again or restyled, shown or hidden.
    bool startStrips(const LaneLook& appearance);
    void applyAppearance(const LaneLook& appearance);
    void showStrips(bool shown);
    bool stripsShown() const { return m_shown; }

    // A frame asked for by the pacing thread (on the program's thread), as the frame clock
    // draws it, then ready for the next refresh.
    void onFrame();

private:
    struct View {
        std::unique_ptr<CKirunWin> window;
        std::string monitor;  // the device name it lies on; empty for the first strip
        ViewTrack track;      // how far it has scrolled into the current caption
    };
    // One loop over every strip, the only one in the program.
    template <class Work>
    void forEachStrip(Work work) {
        for (View& view : m_views) work(view);
    }

    void onStripTimer(CKirunWin& strip, UINT_PTR id) override;
    void onStripLaidOut(CKirunWin& strip) override;
    void onDisplayChanged() override;
    void drawFrame() override;
    void tellLaidOut() {
        if (m_laidOut) m_laidOut();
    }

    // A strip started on the monitor; one that `joins` the caption stays hidden until it holds
    // its picture (join), so that it never shows blank for a moment.
    std::unique_ptr<CKirunWin> makeStrip(const std::string& monitor, bool joins);
    // A new look of the same layout: every strip takes it in place.
    void restyle(const StripLook& look, LookChange change);
    // The band shows only while a caption is on the strips.
    void applyBandOpacity();
    StripLook lookFor(const std::string& monitor) const;
    // Makes the strips match the connected monitors: strips of monitors that are gone go, new
    // monitors get a strip that joins the caption where the others are.
    void followMonitors();
    // A strip that was laid out on its own, or is new, joins the lane's caption at the point it
    // has reached, with the captions that passed before it as far as the strip reaches.
    void join(View& view);
    // Runs the first strip's clock as the lane asks: timer 101 or frames, timer 102.
    void runClock();
    void startFrames();
    void stopFrames();
    bool framesWanted() const { return (m_moving || m_fading) && m_look.m_smooth && m_shown; }
    // The band's opacity as the fade has brought it now.
    void fadeBand();

    fw::Font m_captionFont;  // made from the appearance, lent to every strip's look
    LOGFONTA m_logFont{};    // what m_captionFont was made from
    LaneClock* m_clock = nullptr;
    StripLook m_look;
    std::vector<View> m_views;
    bool m_shown = true;
    bool m_moving = false;
    bool m_counting = false;
    FrameClock m_ownFrames;
    FrameClock* m_frames;  // m_ownFrames, or the clock shared by every lane
    std::function<void()> m_laidOut;
    SmoothMotion m_motion;
    int m_fraction = 0;  // of a pixel beyond the strips' position, at the last frame
    // The band fades in with the first caption and out after the last (in the smooth look; at
    // once in the others).
    static constexpr int kBandFadeMs = 250;
    BYTE m_bandOpacity = 0;
    BYTE m_fadeFrom = 0;
    bool m_fading = false;
    ULONGLONG m_fadeStart = 0;
};
