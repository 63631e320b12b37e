#pragma once
// A lane and the strips that show it, put together for tests the way the program does it, with a
// clock the test moves and the old vocabulary of a caption window: captions are put on air and
// taken off by index (a list position, or 60000, 60001, 60002 for the watched file's caption, a
// free text and the cut-in), and listeners hear of their end by index.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "display/LaneStrips.h"
#include "display/StripPicture.h"
#include "display/StripSet.h"
#include "framework/UiQueue.h"
#include "tests/support/KirunListener.h"
#include "show/Lane.h"
#include "tests/support/ManualClock.h"

namespace testing_support {

constexpr int kFileIndex = 60000;
constexpr int kFreeTextIndex = 60001;
constexpr int kCutInIndex = 60002;
constexpr int kTenthsPerMinute = 600;

// The caption id a test's index stands for, and back.
CaptionId IdOfIndex(int index);
int IndexOfId(CaptionId id);

// A lane's reports by index, to the listeners the captions were put on air with.
class IndexListeners : public LaneListener {
public:
    void listen(int index, CKirunListener* listener) { m_listeners[index] = listener; }
    CKirunEndListener* endListener = nullptr;
    void captionEnded(CaptionId id) override;
    void rollingEnded() override;

private:
    std::map<int, CKirunListener*> m_listeners;
};

// One strip picture as a lane's only strip, with no window: what a tick does to the pictures.
class PictureStrip : public StripPort {
public:
    StripPicture picture;
    int enter(const std::wstring& text, bool followsCaption, bool fromBlank) override {
        return picture.enter(text, followsCaption, fromBlank);
    }
    void scroll(int columns) override { picture.scroll(columns); }
    int drainColumns() override { return picture.drainColumns(); }
    void present() override {}
    void setMoving(bool) override {}
    void setCounting(bool) override {}
    void raise() override {}
    void setShown(bool) override {}
};

// What the lane does to a caption window, in the calls a caption window once offered itself.
class LaneCalls {
public:
    LaneCalls(StripPort& strips) : lane(strips, listeners, clock) {}

    void addKirun(int index, const wchar_t* text, int minutes, CKirunListener* listener);
    void addKirun(int index, const std::wstring& text, int minutes, CKirunListener* listener) {
        addKirun(index, text.c_str(), minutes, listener);
    }
    void cutInKirun(const wchar_t* text, int minutes, CKirunListener* listener, bool afterCurrent);
    bool removeKirun(int index) { return lane.remove(IdOfIndex(index)); }
    // The strips are blank at once with nothing on air; true when it was still rolling.
    bool blankNow() { return lane.blank(); }
    // One tenth of a second passes.
    void countDown();
    bool rolling() const { return lane.rolling(); }
    const Schedule& runList() const { return lane.schedule(); }
    // The index of the caption at that place in the schedule.
    int indexAt(int position) const { return IndexOfId(lane.schedule().at(position).id); }
    void setEndListener(CKirunEndListener* listener) { listeners.endListener = listener; }

    ManualClock clock;
    IndexListeners listeners;
    Lane lane;
};

// A strip picture and a lane: the scrolling engine of old, without a window.
class PictureLane : public LaneCalls {
public:
    PictureLane() : LaneCalls(m_strip) {}
    void setLook(const StripLook& look, HFONT font) { m_strip.picture.setLook(look, font); }
    void layout(int width, int height);
    Lane::Move tick() { return lane.tick(m_strip.picture.stepWidth()); }
    Lane::Move advance(int columns) { return lane.advance(columns); }
    StripPicture& picture() { return m_strip.picture; }
    const OffscreenPicture& strip() const { return m_strip.picture.strip(); }
    int scrollX() const { return m_strip.picture.scrollX(); }
    SIZE captionSize() const { return m_strip.picture.captionSize(); }
    const std::wstring& currentText() const { return m_strip.picture.currentText(); }
    int lastWidth() const { return m_strip.picture.lastWidth(); }

private:
    PictureStrip m_strip;
};

// Caption windows showing a lane, as the program makes them (StripSet), driven by hand.
class StripRig : public LaneCalls {
public:
    StripRig();
    ~StripRig();

    // Makes the strips with the look (the first call), or gives them a new look.
    void setLook(const StripLook& look);
    void start();
    const StripLook& look() const { return m_look; }
    // Destroys every strip window (the rig keeps its lane).
    void DestroyWindow() { strips.stop(); }

    // Timer 101, timer 102 (a tenth of a second passing on the clock first), a frame.
    void onScrollTick();
    void onFrame() { strips.onFrame(); }
    void updateLayout();
    void showStrip(bool shown) { strips.showStrips(shown); }

    CKirunWin* first() const { return strips.first(); }
    HWND Hwnd() const { return first() ? first()->Hwnd() : nullptr; }
    HBITMAP captionBitmap() const { return first()->captionBitmap(); }
    HBITMAP stripBitmap() const { return first()->stripBitmap(); }
    HBITMAP shownBitmap() const { return first()->shownBitmap(); }
    SIZE captionSize() const { return first()->captionSize(); }
    const std::wstring& currentText() const { return first()->currentText(); }
    int scrollX() const { return first()->scrollX(); }
    int lastWidth() const { return first()->lastWidth(); }
    int scrollStepWidth() const { return first()->scrollStepWidth(); }
    UINT dpi() const { return first()->dpi(); }
    PacingSource pacing() const { return strips.pacing(); }
    void applyLayeredAttributes() { first()->applyLayeredAttributes(); }
    int mirrorCount() const { return strips.count() - 1; }
    const CKirunWin* mirror(int i) const { return strips.strip(i + 1); }

    fw::UiQueue queue;
    StripSet strips;

private:
    StripLook m_look;
    bool m_started = false;
};

// Several lanes and the strips that show them, held as the program holds them (LaneStrips),
// driven by hand; lane `number` 1 to the count made.
class LanesRig {
public:
    explicit LanesRig(int count);
    ~LanesRig();
    LaneCalls& lane(int number) { return *m_calls[static_cast<size_t>(number - 1)]; }
    StripSet& strips(int number) { return *lanes.find(number); }

    fw::UiQueue queue;
    LaneStrips lanes{&queue};

private:
    std::vector<std::unique_ptr<LaneCalls>> m_calls;
};

}  // namespace testing_support
