#include "display/StripSet.h"

#include <algorithm>
#include <cstring>

#include "display/MonitorList.h"

StripSet::StripSet(fw::UiQueue* queue, FrameClock* frames)
    : m_ownFrames(queue), m_frames(frames ? frames : &m_ownFrames) {}

StripSet::~StripSet() { stop(); }

bool StripSet::start(const StripLook& look) {
    m_look = look;
    m_shown = true;
    followMonitors();
    applyBandOpacity();
    runClock();
    tellLaidOut();
    return first() != nullptr;
}

void StripSet::stop() {
    stopFrames();
    m_motion.stop();
    m_views.clear();  // each window is destroyed with its object
}

StripLook StripSet::lookFor(const std::string& monitor) const {
    StripLook look = m_look;
    // The first strip of every monitor lies on the primary one.
    if (monitor.empty() && look.m_monitor == kEveryMonitor) look.m_monitor.clear();
    if (!monitor.empty()) look.m_monitor = monitor;
    return look;
}

std::unique_ptr<CKirunWin> StripSet::makeStrip(const std::string& monitor, bool joins) {
    StripOwner* owner = this;
    auto window = std::make_unique<CKirunWin>(owner);
    if (!window->Hwnd()) return nullptr;
    window->setLook(lookFor(monitor));
    window->setBandOpacity(m_bandOpacity);
    window->start(m_shown && !joins);
    return window;
}

void StripSet::followMonitors() {
    if (m_views.empty()) {
        View view;
        view.window = makeStrip(std::string(), false);
        if (!view.window) return;
        m_views.push_back(std::move(view));
    }
    std::vector<std::string> wanted;
    if (m_look.m_monitor == kEveryMonitor)
        for (const MonitorInfo& monitor : connectedMonitors())
            if (!monitor.m_primary) wanted.push_back(monitor.m_deviceName);
    // Strips of monitors that are gone go; those that stay follow their monitor.
    m_views.erase(std::remove_if(m_views.begin() + 1, m_views.end(),
                                 [&](const View& view) {
                                     return std::find(wanted.begin(), wanted.end(), view.monitor) == wanted.end();
                                 }),
                  m_views.end());
    forEachStrip([&](View& view) {
        if (&view != &m_views.front() && view.window->followScreen()) join(view);
    });
    for (const std::string& name : wanted) {
        const bool present =
            std::any_of(m_views.begin(), m_views.end(), [&](const View& view) { return view.monitor == name; });
        if (present) continue;
        View view;
        view.window = makeStrip(name, true);
        if (!view.window) continue;
        view.monitor = name;
        join(view);
        if (m_shown) view.window->showStrip(true);
        m_views.push_back(std::move(view));
    }
}

void StripSet::setLook(const StripLook& look) {
    const LookChange change = lookChangeBetween(m_look, look);
    if (change != LookChange::Relayout && !m_views.empty()) {
        restyle(look, change);
        return;
    }
    stopFrames();
    m_motion.stop();
    const bool everyMonitorBefore = m_look.m_monitor == kEveryMonitor;
    m_look = look;
    m_shown = true;  // a new look shows strips the operator hid
    if (everyMonitorBefore != (look.m_monitor == kEveryMonitor)) m_views.resize(std::min<size_t>(m_views.size(), 1));
    forEachStrip([&](View& view) { view.window->setLook(lookFor(view.monitor)); });
    followMonitors();
    if (m_clock) m_clock->onStripsLaidOut();
    applyBandOpacity();
    runClock();
    tellLaidOut();
}

void StripSet::restyle(const StripLook& look, LookChange change) {
    const bool speedChanged = look.m_speedPx != m_look.m_speedPx;
    m_look = look;
    if (!m_shown) showStrips(true);  // a new look shows strips the operator hid
    if (change == LookChange::None) return;
    // Restyled, the strips show the current caption alone (the lane forgets what passed).
    const long long position = m_clock ? m_clock->view().position() : 0;
    int laneWidth = 0;
    bool firstStrip = true;
    forEachStrip([&](View& view) {
        const int width = view.window->restyle(lookFor(view.monitor));
        if (firstStrip) laneWidth = width;
        view.track.enter(width, laneWidth);
        view.track.follow(position);
        firstStrip = false;
    });
    if (m_clock) m_clock->onStripsRestyled(laneWidth);
    // The smooth look's motion goes on from where it is at the new speed.
    if (speedChanged && m_motion.running()) m_motion.start(performanceCounter(), performanceFrequency(), look.m_speedPx);
    applyBandOpacity();
}

bool StripSet::startStrips(const LaneLook& appearance) {
    m_captionFont.reset(CreateFontIndirectA(&appearance.logFont));
    m_logFont = appearance.logFont;
    return start(stripLookFor(appearance, m_captionFont.get()));
}

void StripSet::applyAppearance(const LaneLook& appearance) {
    // The same font is kept (a look of the same font needs no new layout); a new one is taken
    // by the strips before the one they hold now is deleted.
    const bool sameFont = std::memcmp(&appearance.logFont, &m_logFont, sizeof m_logFont) == 0 && m_captionFont;
    fw::Font font(sameFont ? nullptr : CreateFontIndirectA(&appearance.logFont));
    setLook(stripLookFor(appearance, sameFont ? m_captionFont.get() : font.get()));
    if (sameFont) return;
    std::swap(m_captionFont, font);
    m_logFont = appearance.logFont;
}

void StripSet::showStrips(bool shown) {
    m_shown = shown;
    forEachStrip([&](View& view) { view.window->showStrip(shown); });
    applyBandOpacity();
    runClock();
    if (shown) present();
}

int StripSet::enter(const std::wstring& text, bool followsCaption, bool fromBlank) {
    int laneWidth = 0;
    bool firstStrip = true;
    forEachStrip([&](View& view) {
        const int width = view.window->picture().enter(text, followsCaption, fromBlank);
        if (firstStrip) laneWidth = width;
        view.track.enter(width, laneWidth);
        firstStrip = false;
    });
    return laneWidth;
}

void StripSet::scroll(int columns) {
    // The lane has moved on to its position already; each strip follows it there.
    if (columns <= 0 || !m_clock) return;
    const long long position = m_clock->view().position();
    forEachStrip([&](View& view) {
        const int columns = view.track.follow(position);
        if (columns > 0) view.window->picture().scroll(columns);
    });
}

int StripSet::drainColumns() {
    // In lane columns: a strip at another resolution scrolls its own columns in proportion.
    const UINT firstDpi = first() ? first()->dpi() : kBaseDpi;
    long long most = 0;
    forEachStrip([&](View& view) {
        most = std::max(most, laneColumnsFor(view.window->picture().drainColumns(), view.window->dpi(), firstDpi));
    });
    return static_cast<int>(std::min<long long>(most, 1 << 30));
}

void StripSet::present() {
    if (!m_shown) return;
    forEachStrip([&](View& view) { view.window->present(m_fraction); });
}

void StripSet::setMoving(bool moving) {
    m_moving = moving;
    applyBandOpacity();
    runClock();
}

void StripSet::applyBandOpacity() {
    const BYTE target = m_moving ? 255 : 0;
    if (!m_look.m_smooth || !m_look.m_bandOn || !m_shown) {
        m_fading = false;
        m_bandOpacity = target;
        forEachStrip([&](View& view) { view.window->setBandOpacity(target); });
        return;
    }
    if (target == m_bandOpacity && !m_fading) return;
    m_fadeFrom = m_bandOpacity;
    m_fadeStart = GetTickCount64();
    m_fading = true;
}

void StripSet::fadeBand() {
    const BYTE target = m_moving ? 255 : 0;
    const ULONGLONG passed = GetTickCount64() - m_fadeStart;
    if (passed >= static_cast<ULONGLONG>(kBandFadeMs)) {
        m_bandOpacity = target;
        m_fading = false;
    } else {
        const int span = static_cast<int>(target) - m_fadeFrom;
        m_bandOpacity = static_cast<BYTE>(m_fadeFrom + span * static_cast<int>(passed) / kBandFadeMs);
    }
    forEachStrip([&](View& view) { view.window->setBandOpacity(m_bandOpacity); });
    if (!m_fading) runClock();  // the fade out over: no more frames
}

void StripSet::setCounting(bool counting) {
    m_counting = counting;
    runClock();
}

void StripSet::raise() {
    forEachStrip([&](View& view) { view.window->raise(); });
}

void StripSet::runClock() {
    CKirunWin* clock = first();
    if (!clock) return;
    if (m_moving && m_look.m_smooth && !m_motion.running())
        m_motion.start(performanceCounter(), performanceFrequency(), m_look.m_speedPx);
    if (!m_moving) m_motion.stop();
    if (framesWanted() && m_frames->hasQueue()) {
        clock->runTimer(CKirunWin::kScrollTimer, false);
        startFrames();
    } else {
        stopFrames();
        clock->runTimer(CKirunWin::kScrollTimer, m_moving);
    }
    clock->runTimer(CKirunWin::kCountDownTimer, m_counting);
}

void StripSet::startFrames() {
    if (m_frames->serves(this)) return;
    m_frames->join(this, refreshRateOf(m_look.m_monitor));
}

void StripSet::stopFrames() { m_frames->leave(this); }

void StripSet::onFrame() {
    if (!m_frames->serves(this)) return;  // asked for before the frames stopped
    drawFrame();
    m_frames->framePresented();
}

void StripSet::drawFrame() {
    if (!m_clock) return;
    if (m_fading) fadeBand();
    const SmoothMotion::Frame frame = m_motion.frameAt(performanceCounter());
    const bool perPixelAlpha = first() && first()->perPixelAlpha();
    // The colour-keyed picture moves by whole pixels only: a frame that moved none is not
    // painted again (each repaint of a colour-keyed window reshapes it).
    if (frame.pixels > 0 || (perPixelAlpha && frame.fraction != m_fraction)) {
        m_fraction = frame.fraction;
        m_clock->onFrame(frame.pixels);
    }
}

void StripSet::onStripTimer(CKirunWin& strip, UINT_PTR id) {
    if (&strip != first() || !m_clock) return;
    if (id == CKirunWin::kCountDownTimer) {
        m_clock->onCountDownTick();
    } else if (!m_look.m_smooth) {
        m_clock->onScrollTick(strip.scrollStepWidth());
    } else {
        // The smooth look while no frames run (the strips hidden): moved on by the time elapsed.
        const SmoothMotion::Frame frame = m_motion.frameAt(performanceCounter());
        m_fraction = frame.fraction;
        m_clock->onFrame(frame.pixels);
    }
}

void StripSet::onStripLaidOut(CKirunWin& strip) {
    if (&strip != first()) {
        forEachStrip([&](View& view) {
            if (view.window.get() == &strip) join(view);
        });
        tellLaidOut();
        return;
    }
    // The caption starts again at the right edge, its motion with it, at the refresh rate of the
    // monitor the strip now lies on.
    stopFrames();
    m_motion.stop();
    if (m_clock) m_clock->onStripsLaidOut();
    runClock();
    tellLaidOut();
}

void StripSet::onDisplayChanged() {
    CKirunWin* clock = first();
    if (clock && clock->followScreen()) onStripLaidOut(*clock);
    followMonitors();
    present();
    tellLaidOut();
}

void StripSet::join(View& view) {
    StripPicture& picture = view.window->picture();
    // The captions that passed, from the first one the strip still reaches (a piece's margin
    // beyond, as columns round differently at other resolutions), each scrolled as far as the
    // other strips scrolled it, in this strip's own columns; then the current one.
    const UINT laneDpi = first() ? first()->dpi() : kBaseDpi;
    const long long reach =
        laneColumnsFor(picture.strip().width() + StripPicture::kPieceMargin, view.window->dpi(), laneDpi);
    bool blank = true;
    if (m_clock) {
        const LaneView& lane = m_clock->view();
        const PassedCaptions& passed = lane.passed();
        for (size_t i = passed.firstCovering(reach - lane.position()); i < passed.size(); ++i) {
            const PassedCaptions::Caption& caption = passed.at(i);
            ViewTrack track;
            track.enter(picture.enter(caption.text, caption.followsCaption, blank), caption.laneWidth);
            picture.scroll(track.columnOf(caption.columns));
            blank = false;
        }
        view.track.enter(picture.enter(lane.currentText(), lane.currentFollows(), blank), lane.captionWidth());
        picture.scroll(view.track.follow(lane.position()));
    } else {
        view.track.enter(picture.enter(std::wstring(), false, blank), 0);
    }
    if (m_shown) view.window->present(m_fraction);
}
