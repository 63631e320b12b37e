// How evenly the real caption window moves its picture: the colour-keyed strip on its 50 ms
// timer and the smooth look on its frames, at 20, 40, 60 and 80 pixels a second. One short
// caption crosses a strip as wide as the screen; while it lies wholly inside, the centre of mass
// of the picture the window shows (alpha-weighted, or its non-key pixels) is taken after every
// frame the window presents. Reported: frames, the median and 99th-percentile interval between
// them, the share of frames whose displacement differs from the look's step (speed / refresh rate
// for the smooth look, speed / 20 for the timer's ticks) by more than 0.25 px, and this
// process's CPU seconds per minute (not the X server's or wineserver's). Prints figures; judges
// nothing. Beside them, the floor: a minimal per-pixel-alpha strip of the same size and frame
// rate that only moves one prepared caption picture by the time elapsed and hands the frame to
// UpdateLayeredWindow. A run that measures no frame, or a smooth look the window does not show
// with per-pixel alpha (the desktop does not compose), ends the bench with an error (exit 1):
// its row would be zeros or another look's figures.
//
// Usage: MotionBench [seconds-per-run [frames-file]]    (default 30; no pictures)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <memory>
#include <vector>

#include "display/CaptionDrawing.h"
#include "display/FramePacer.h"
#include "display/KirunWin.h"
#include "tests/support/StripRig.h"
#include "display/OffscreenPicture.h"
#include "display/SmoothMotion.h"
#include "display/SmoothPicture.h"
#include "model/AppearanceRules.h"
#include "framework/Gdi.h"
#include "model/LaneLook.h"

namespace {

constexpr int kNormalSize = 1;
constexpr double kTolerance = 0.25;  // pixels
constexpr COLORREF kKey = kStripKeyColor;

struct Sample {
    double seconds;
    double centroid;
};

// The shown picture's centre of mass, its leftmost and rightmost columns with content.
struct Mass {
    double centroid = 0;
    int left = -1, right = -1;
};

Mass MassOf(HBITMAP bitmap, bool alpha) {
    Mass mass;
    DIBSECTION dib{};
    if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return mass;
    GdiFlush();
    const int width = dib.dsBm.bmWidth, height = std::abs(dib.dsBm.bmHeight);
    const DWORD* pixels = static_cast<const DWORD*>(dib.dsBm.bmBits);
    const DWORD key = static_cast<DWORD>(GetRValue(kKey)) << 16 | GetGValue(kKey) << 8 | GetBValue(kKey);
    double total = 0, moment = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const DWORD p = pixels[static_cast<size_t>(y) * width + x];
            const double weight = alpha ? (p >> 24) : ((p & 0xFFFFFF) != key ? 1 : 0);
            if (weight <= 0) continue;
            total += weight;
            moment += weight * x;
            if (mass.left < 0 || x < mass.left) mass.left = x;
            mass.right = std::max(mass.right, x);
        }
    mass.centroid = total > 0 ? moment / total : 0;
    return mass;
}

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](FILETIME t) {
        return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())))];
}

// Consecutive frames of the shown picture, a band of kCropWidth columns from where the caption
// stood in the first, over mid grey, one row of frames under the other: a picture of how the
// text moves (written as PPM when the bench is given a file name).
struct FrameStrip {
    static constexpr int kFrames = 8, kCropWidth = 48, kMargin = 4;
    int left = -1;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows of kCropWidth pixels, three bytes each
    int frames = 0;

    void add(HBITMAP bitmap, bool alpha, int captionLeft) {
        DIBSECTION dib{};
        if (frames >= kFrames || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return;
        if (left < 0) left = std::max(0, captionLeft - kMargin);
        const int width = dib.dsBm.bmWidth;
        height = std::abs(dib.dsBm.bmHeight);
        const DWORD* pixels = static_cast<const DWORD*>(dib.dsBm.bmBits);
        const DWORD key = static_cast<DWORD>(GetRValue(kKey)) << 16 | GetGValue(kKey) << 8 | GetBValue(kKey);
        for (int y = 0; y < height; ++y)
            for (int x = left; x < left + kCropWidth; ++x) {
                const DWORD p = x < width ? pixels[static_cast<size_t>(y) * width + x] : 0;
                const DWORD rest = alpha ? 255 - (p >> 24) : ((p & 0xFFFFFF) == key ? 255 : 0);
                for (int shift : {16, 8, 0})
                    rgb.push_back(static_cast<unsigned char>(((rest == 255 && !alpha) ? 0 : ((p >> shift) & 0xFF)) +
                                                             rest * 128 / 255));
            }
        ++frames;
    }
    void write(const char* path) const {
        FILE* file = std::fopen(path, "wb");
        if (!file) return;
        std::fprintf(file, "P6\n%d %d\n255\n", kCropWidth, height * frames);
        std::fwrite(rgb.data(), 1, rgb.size(), file);
        std::fclose(file);
    }
};

// One look at one speed; false (with the reason on stderr) when it measured nothing.
bool Run(bool smooth, int speed, double seconds, HFONT font, UINT refresh, FrameStrip* frames) {
    LaneLook settings;
    settings.smooth = smooth ? 1 : 0;
    settings.deltaX = speed / kSpeedPerStep;
    auto win = std::make_unique<testing_support::StripRig>();
    win->setLook(stripLookFor(settings, font));
    win->start();
    if (!win->first()) {
        std::fprintf(stderr, "MotionBench: no caption window could be made\n");
        return false;
    }
    // The look as the window took it: only the window knows whether the desktop composes.
    const bool alpha = win->first()->perPixelAlpha();
    if (smooth && !alpha) {
        std::fprintf(stderr, "MotionBench: the smooth look shows no per-pixel alpha here (the desktop does not "
                             "compose): run it through bench/motion.sh\n");
        return false;
    }
    win->addKirun(1, L"ABC", 1, nullptr);
    win->removeKirun(1);  // one pass: nothing follows the caption into the strip

    const LONGLONG frequency = performanceFrequency();
    const LONGLONG start = performanceCounter();
    const double cpuStart = CpuSeconds();
    std::vector<Sample> samples;
    MSG msg;
    while ((performanceCounter() - start) < static_cast<LONGLONG>(seconds * static_cast<double>(frequency)) &&
           win->rolling() && GetMessageA(&msg, nullptr, 0, 0)) {
        DispatchMessageA(&msg);
        // A frame of the smooth look (the pacer's task, run through the program's queue) or a
        // scroll step of the timer; a frame moves by a fraction of a pixel, the lane by whole ones.
        const bool frame = smooth ? msg.hwnd == win->queue.Hwnd()
                                  : msg.hwnd == win->Hwnd() && msg.message == WM_TIMER &&
                                        msg.wParam == CKirunWin::kScrollTimer;
        if (!frame) continue;
        const Mass mass = MassOf(win->shownBitmap(), alpha);
        RECT client;
        GetClientRect(win->Hwnd(), &client);
        if (mass.left <= 0 || mass.right >= client.right - 1) continue;  // not wholly inside
        if (frames && mass.left + FrameStrip::kCropWidth < client.right) frames->add(win->shownBitmap(), alpha, mass.left);
        samples.push_back({static_cast<double>(performanceCounter() - start) / static_cast<double>(frequency),
                           mass.centroid});
    }
    const double elapsed = static_cast<double>(performanceCounter() - start) / static_cast<double>(frequency);
    const double cpu = (CpuSeconds() - cpuStart) / elapsed * 60;
    win.reset();

    std::vector<double> intervals;
    for (size_t i = 1; i < samples.size(); ++i) intervals.push_back((samples[i].seconds - samples[i - 1].seconds) * 1000);
    // Each frame's displacement against the step the look means to make: speed / refresh rate
    // for the smooth look's frames, speed / 20 for the timer's 50 ms ticks.
    const double step = static_cast<double>(speed) / (smooth ? refresh : 1000.0 / CKirunWin::kScrollPeriod);
    int off = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if (std::fabs(samples[i - 1].centroid - samples[i].centroid - step) > kTolerance) ++off;
    const size_t steps = samples.size() > 1 ? samples.size() - 1 : 0;
    const char* name = smooth ? "smooth (alpha)" : "colour-keyed, timer";
    if (samples.size() < 2) {
        std::fprintf(stderr, "MotionBench: %s at %d px/s measured %zu frames: the caption was never seen moving "
                             "wholly inside the strip\n", name, speed, samples.size());
        return false;
    }
    std::printf("%-22s %3d px/s %6zu %8.2f %8.2f %9.1f %%  %6.2f\n", name, speed, samples.size(),
                Percentile(intervals, 0.5), Percentile(intervals, 0.99),
                steps ? 100.0 * off / static_cast<double>(steps) : 0.0, cpu);
    std::fflush(stdout);
    return true;
}

// The floor: a layered window, one premultiplied caption picture drawn once, and at every frame
// a cleared frame with the caption blended in at its fractional position, handed over whole.
bool RunFloor(int speed, double seconds, HFONT font, UINT refresh) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    fw::MemoryDC measure(nullptr);
    const int textHeight = measureCaptionText(measure.get(), font, "ABC").cy;
    const int height = captionHeightFor(true, textHeight);
    CaptionText text;
    OffscreenPicture caption, mask, frame;
    text.measure(caption.dc(), font, "ABC");
    SmoothCaptionStyle style;
    style.edge = smoothEdgeFor(textHeight);
    const int captionWidth = text.size().cx + 2 * style.edge;
    if (!caption.create(captionWidth + 1, height) || !frame.create(width, height)) {
        std::fprintf(stderr, "MotionBench: no pictures for the floor\n");
        return false;
    }
    drawSmoothCaption(caption, mask, font, text, 0, style);
    const DWORD* source = caption.pixels();
    HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW |
                                      WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    FramePacer pacer;
    if (!window || !pacer.start([window] { PostMessageA(window, WM_APP + 7, 0, 0); }, refresh)) {
        if (window) DestroyWindow(window);
        std::fprintf(stderr, "MotionBench: the floor's window or frames could not be started\n");
        return false;
    }
    SmoothMotion motion;
    const LONGLONG frequency = performanceFrequency();
    const LONGLONG start = performanceCounter();
    motion.start(start, frequency, speed);
    const double cpuStart = CpuSeconds();
    std::vector<double> intervals;
    LONGLONG last = start, moved = 0;
    MSG msg;
    while (performanceCounter() - start < static_cast<LONGLONG>(seconds * static_cast<double>(frequency)) &&
           GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.message != WM_APP + 7) {
            DispatchMessageA(&msg);
            continue;
        }
        const LONGLONG now = performanceCounter();
        const SmoothMotion::Frame f = motion.frameAt(now);
        moved += f.pixels;
        intervals.push_back(static_cast<double>(now - last) * 1000 / static_cast<double>(frequency));
        last = now;
        DWORD* pixels = frame.pixels();
        std::fill(pixels, pixels + static_cast<size_t>(width) * height, 0);
        const int x0 = width - static_cast<int>(moved % width);
        const DWORD right = static_cast<DWORD>(f.fraction), left = SmoothMotion::kFractionSteps - right;
        for (int y = 0; y < height; ++y)
            for (int x = std::max(0, -x0); x < captionWidth && x0 + x < width; ++x) {
                const DWORD p = source[static_cast<size_t>(y) * (captionWidth + 1) + x];
                const DWORD q = source[static_cast<size_t>(y) * (captionWidth + 1) + x + 1];
                const DWORD rb = (((p & 0xFF00FF) * left + (q & 0xFF00FF) * right + 0x800080) >> 8) & 0xFF00FF;
                const DWORD ag = (((p >> 8) & 0xFF00FF) * left + ((q >> 8) & 0xFF00FF) * right + 0x800080) & 0xFF00FF00;
                pixels[static_cast<size_t>(y) * width + x0 + x] = ag | rb;
            }
        SIZE size{width, height};
        POINT origin{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(window, nullptr, nullptr, &size, frame.dc(), &origin, 0, &blend, ULW_ALPHA);
        pacer.framePresented();
    }
    const double elapsed = static_cast<double>(performanceCounter() - start) / static_cast<double>(frequency);
    const double cpu = (CpuSeconds() - cpuStart) / elapsed * 60;
    pacer.stop();
    DestroyWindow(window);
    if (intervals.size() < 2) {
        std::fprintf(stderr, "MotionBench: the floor at %d px/s measured %zu frames\n", speed, intervals.size());
        return false;
    }
    intervals.erase(intervals.begin());
    std::printf("%-22s %3d px/s %6zu %8.2f %8.2f %11s  %6.2f\n", "floor (minimal alpha)", speed, intervals.size() + 1,
                Percentile(intervals, 0.5), Percentile(intervals, 0.99), "-", cpu);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30;
    LOGFONTA lf = defaultCaptionFont();
    applyFontChoice(lf, kNormalSize);
    HFONT font = CreateFontIndirectA(&lf);
    const UINT refresh = refreshRateOf("");
    std::printf("refresh %u Hz; %.0f s a run at most, while the caption lies wholly inside the strip\n", refresh, seconds);
    std::printf("%-22s %8s %6s %8s %8s %11s  %6s\n", "look", "speed", "frames", "median", "p99 ms", "off>0.25px",
                "CPU s/min");
    // With a file name: consecutive frames at 40 px/s, the colour-keyed strip's and the smooth
    // look's, written as FILE-keyed.ppm and FILE-smooth.ppm.
    const std::string frames = argc > 2 ? argv[2] : "";
    for (bool smooth : {false, true})
        for (int speed : {20, 40, 60, 80}) {
            FrameStrip strip;
            if (!Run(smooth, speed, seconds, font, refresh, frames.empty() || speed != 40 ? nullptr : &strip)) {
                DeleteObject(font);
                return 1;
            }
            if (strip.frames > 0) strip.write((frames + (smooth ? "-smooth.ppm" : "-keyed.ppm")).c_str());
        }
    bool measured = true;
    for (int speed : {20, 40, 60, 80})
        if (measured) measured = RunFloor(speed, seconds, font, refresh);
    DeleteObject(font);
    return measured ? 0 : 1;
}
