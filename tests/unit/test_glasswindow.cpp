// The main window on glass: the frame and the check box follow the composition state, which the
// tests drive through the glass functions' seam (this Wine reports composition off).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppHost.h"
#include "app/KirunDlg.h"
#include "app/OpaCheck.h"
#include "framework/Gdi.h"
#include "model/StartupState.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Pixels.h"
#include "tests/support/TempDir.h"
#include "tests/unit/test_glass_system.h"

namespace {

using Fake = FakeGlassSystem;
using testing_support::CaptureScreen;
using testing_support::PixelImage;

const UINT kCompositionChanged = 0x031E;  // WM_DWMCOMPOSITIONCHANGED

// A fresh folder as the working directory: the control page keeps its settings file there.
class WorkingFolder {
public:
    WorkingFolder() {
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        m_previous = previous;
        SetCurrentDirectoryA(m_folder.path().c_str());
    }
    ~WorkingFolder() { SetCurrentDirectoryA(m_previous.c_str()); }

private:
    testing_support::TempDir m_folder;
    std::string m_previous;
};

// Notes whether the glass check box object still held the check box when it was destroyed.
class DestroyWatch {
public:
    explicit DestroyWatch(const COpaCheck& glassCheck) : m_glassCheck(glassCheck) {}
    void Watch(HWND control) {
        SetWindowSubclass(control, Proc, kId, reinterpret_cast<DWORD_PTR>(this));
    }
    bool destroyed = false;
    bool subclassedWhenDestroyed = false;

private:
    static constexpr UINT_PTR kId = 0x7E57;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR ref) {
        DestroyWatch* self = reinterpret_cast<DestroyWatch*>(ref);
        if (msg == WM_DESTROY) {
            self->destroyed = true;
            self->subclassedWhenDestroyed = self->m_glassCheck.IsSubclassed();
        }
        if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Proc, kId);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    const COpaCheck& m_glassCheck;
};

struct CtlColorAnswer {
    HBRUSH brush;
    int backgroundMode;
};

COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH info{};
    if (!brush || GetObjectA(brush, sizeof info, &info) != sizeof info) return CLR_INVALID;
    return info.lbColor;
}

HBRUSH BlackBrush() { return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)); }
HBRUSH DefaultBrush() { return GetSysColorBrush(COLOR_BTNFACE); }

bool SameImage(const PixelImage& a, const PixelImage& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// The main window, able to clear its glass flag while its check box stays attached.
class MainWindow : public CKirunDlg {
public:
    using CKirunDlg::CKirunDlg;
    void clearGlassFlag() { m_glassEnabled = FALSE; }
};

// The real main window, created in a fresh working folder with the fake system in place.
class GlassWindow : public ::testing::Test {
protected:
    void Open(DWORD major, BOOL composition) {
        m_system = std::make_unique<UseFakeGlassSystem>(major, composition);
        program = std::make_unique<AppHost>();
        dlg = std::make_unique<MainWindow>(*program, nullptr);
        ASSERT_TRUE(dlg->Create(nullptr));
    }
    void TearDown() override {
        if (dlg && dlg->Hwnd()) dlg->DestroyWindow();
        dlg.reset();
        program.reset();
        m_system.reset();
    }

    HWND Main() const { return dlg->Hwnd(); }
    HWND CheckBox() const { return GetDlgItem(Main(), IDC_AUTO_EXIT); }

    void SwitchComposition(BOOL on) {
        Fake::composition = on;
        SendMessageA(Main(), kCompositionChanged, 0, 0);
    }

    // What `window` answers to a WM_CTLCOLOR* message about `control`.
    static CtlColorAnswer CtlColor(HWND window, UINT msg, HWND control) {
        fw::MemoryDC dc(nullptr);
        SetBkMode(dc.get(), OPAQUE);
        LRESULT brush = SendMessageA(window, msg, reinterpret_cast<WPARAM>(dc.get()),
                                     reinterpret_cast<LPARAM>(control));
        return {reinterpret_cast<HBRUSH>(brush), GetBkMode(dc.get())};
    }


    void ExpectPlainBackgrounds() {
        for (CtlColorAnswer answer : {CtlColor(Main(), WM_CTLCOLORSTATIC, CheckBox()),
                                      CtlColor(Main(), WM_CTLCOLORDLG, Main())}) {
            EXPECT_EQ(DefaultBrush(), answer.brush);
            EXPECT_EQ(OPAQUE, answer.backgroundMode);
        }
    }
    void ExpectGlassBackgrounds() {
        for (CtlColorAnswer answer : {CtlColor(Main(), WM_CTLCOLORSTATIC, CheckBox()),
                                      CtlColor(Main(), WM_CTLCOLORBTN, CheckBox()),
                                      CtlColor(Main(), WM_CTLCOLORDLG, Main())}) {
            EXPECT_EQ(BlackBrush(), answer.brush);
            EXPECT_EQ(TRANSPARENT, answer.backgroundMode);
        }
    }
    void ExpectCheckBoxAttached(bool attached) {
        EXPECT_EQ(attached, dlg->glassCheckAttached());
        EXPECT_EQ(attached, dlg->glassCheck().IsSubclassed());
        EXPECT_EQ(attached ? CheckBox() : nullptr, dlg->glassCheck().Hwnd());
    }

    // The check box's client area as the screen shows it after a repaint done at once.
    PixelImage ShownCheckBox() const {
        RedrawWindow(CheckBox(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT area;
        GetClientRect(CheckBox(), &area);
        MapWindowPoints(CheckBox(), nullptr, reinterpret_cast<POINT*>(&area), 2);
        return CaptureScreen(area);
    }
    // The check box's own image, as the button draws it for WM_PRINTCLIENT.
    PixelImage PlainCheckBoxImage() const {
        RECT area;
        GetClientRect(CheckBox(), &area);
        fw::WindowDC screen(nullptr);
        fw::MemoryDC memory(screen.get());
        fw::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), area.right, area.bottom));
        {
            fw::SelectGuard select(memory.get(), bitmap.get());
            SendMessageA(CheckBox(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                         PRF_CLIENT);
        }
        return testing_support::ReadBitmap(bitmap.get());
    }

    // The label alone, black on white, where the glass check box draws it again: 16 pixels
    // from the left, centred in height and one pixel lower.
    PixelImage LabelAtItsPlace(int width, int height) const {
        wchar_t label[32] = {};
        int length = GetWindowTextW(CheckBox(), label, 32);
        HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(Main(), WM_GETFONT, 0, 0));
        fw::WindowDC screen(nullptr);
        fw::MemoryDC memory(screen.get());
        fw::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        {
            fw::SelectGuard selectBitmap(memory.get(), bitmap.get());
            fw::SelectGuard selectFont(memory.get(), dialogFont);
            RECT all{0, 0, width, height};
            FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            SIZE extent{};
            GetTextExtentPoint32W(memory.get(), label, length, &extent);
            SetBkMode(memory.get(), TRANSPARENT);
            SetTextColor(memory.get(), RGB(0, 0, 0));
            TextOutW(memory.get(), 16, (height - extent.cy) / 2 + 1, label, length);
        }
        return testing_support::ReadBitmap(bitmap.get());
    }
    // The colour of the main window's top band, left of the check box, after a full repaint.
    COLORREF ShownBandColour() const {
        RedrawWindow(Main(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        POINT at{4, 4};
        ClientToScreen(Main(), &at);
        PixelImage image = CaptureScreen({at.x, at.y, at.x + 1, at.y + 1});
        return image.empty() ? CLR_INVALID : image.at(0, 0);
    }

    WorkingFolder m_folder;
    std::unique_ptr<UseFakeGlassSystem> m_system;
    std::unique_ptr<AppHost> program;
    std::unique_ptr<MainWindow> dlg;
};

TEST_F(GlassWindow, CompositionOffLeavesAnOrdinaryDialog) {
    Open(6, FALSE);
    EXPECT_FALSE(dlg->glassEnabled());
    ExpectCheckBoxAttached(false);
    EXPECT_EQ(1, Fake::compositionCalls);
    EXPECT_EQ(0, Fake::extendCalls) << "only the composition state is asked";
    ExpectPlainBackgrounds();

    SwitchComposition(FALSE);
    EXPECT_EQ(2, Fake::compositionCalls);
    EXPECT_EQ(0, Fake::extendCalls);
    ExpectCheckBoxAttached(false);
}

TEST_F(GlassWindow, OlderSystemNeverCallsTheWindowManager) {
    Open(5, TRUE);
    SwitchComposition(TRUE);
    EXPECT_FALSE(dlg->glassEnabled());
    ExpectCheckBoxAttached(false);
    EXPECT_EQ(0, Fake::compositionCalls + Fake::extendCalls);
    ExpectPlainBackgrounds();
}

TEST_F(GlassWindow, StartsOnGlassWhenCompositionIsOn) {
    Open(6, TRUE);
    EXPECT_TRUE(dlg->glassEnabled());
    EXPECT_EQ(1, Fake::extendCalls);
    EXPECT_EQ(Main(), Fake::extendedWindow);
    ExpectCheckBoxAttached(true);
    ExpectGlassBackgrounds();
}

TEST_F(GlassWindow, FollowsCompositionOnAndOffWithTheSameMargins) {
    Open(6, FALSE);
    SwitchComposition(TRUE);
    ASSERT_EQ(1, Fake::extendCalls);
    EXPECT_EQ(Main(), Fake::extendedWindow);
    const MARGINS& m = Fake::extendedMargins;
    EXPECT_EQ((std::vector<int>{9, 8, 30, 5}),
              (std::vector<int>{m.cxLeftWidth, m.cxRightWidth, m.cyTopHeight, m.cyBottomHeight}));
    ExpectCheckBoxAttached(true);
    ExpectGlassBackgrounds();
    HWND page = dlg->page().Hwnd();
    EXPECT_EQ(RGB(100, 100, 100), BrushColor(CtlColor(page, WM_CTLCOLORDLG, page).brush))
        << "the control page keeps its own grey";

    ValidateRect(Main(), nullptr);
    SwitchComposition(FALSE);
    ExpectCheckBoxAttached(false);
    ExpectPlainBackgrounds();
    RECT update{}, client{};
    EXPECT_TRUE(GetUpdateRect(Main(), &update, FALSE)) << "the window is repainted";
    GetClientRect(Main(), &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    EXPECT_EQ(1, Fake::extendCalls) << "no extension while composition is off";

    Fake::extendedMargins = MARGINS{};
    SwitchComposition(TRUE);
    EXPECT_EQ(2, Fake::extendCalls);
    EXPECT_EQ(30, Fake::extendedMargins.cyTopHeight);
    ExpectCheckBoxAttached(true);
}

TEST_F(GlassWindow, RepeatedCompositionMessagesAttachTheCheckBoxOnce) {
    Open(6, TRUE);
    for (int i = 0; i < 3; ++i) SwitchComposition(TRUE);
    EXPECT_EQ(4, Fake::extendCalls) << "the frame is extended on every message";
    ExpectCheckBoxAttached(true);

    SwitchComposition(FALSE);  // one detach undoes the one attachment
    ExpectCheckBoxAttached(false);
    EXPECT_TRUE(SameImage(PlainCheckBoxImage(), ShownCheckBox()))
        << "the button paints itself again, without a label drawn over it";
}

TEST_F(GlassWindow, ClickingTheGlassCheckBoxStillSwitchesAutomaticExit) {
    Open(6, TRUE);
    ASSERT_TRUE(dlg->glassCheck().IsSubclassed());
    EXPECT_EQ(0, dlg->page().controller().autoExit());
    SendMessageA(CheckBox(), BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(CheckBox(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, dlg->page().controller().autoExit());
    EXPECT_TRUE(dlg->autoExitCheck());
    SendMessageA(CheckBox(), BM_CLICK, 0, 0);
    EXPECT_EQ(0, dlg->page().controller().autoExit());
}

TEST_F(GlassWindow, ModalRunEndsWithTheCheckBoxDetachedBeforeItIsDestroyed) {
    m_system = std::make_unique<UseFakeGlassSystem>(6, TRUE);
    program = std::make_unique<AppHost>();
    dlg = std::make_unique<MainWindow>(*program, nullptr);
    DestroyWatch watch(dlg->glassCheck());
    bool attachedWhileRunning = false;
    testing_support::DialogDriver driver;
    driver.Expect({});  // the control page, a dialog created while the main window starts
    driver.Expect({[&](HWND main) {
        HWND checkBox = GetDlgItem(main, IDC_AUTO_EXIT);
        attachedWhileRunning = dlg->glassCheck().Hwnd() == checkBox;
        watch.Watch(checkBox);
        PostMessageA(main, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(IDCANCEL, dlg->DoModal());
    EXPECT_EQ(2, driver.DialogsOpened());
    EXPECT_TRUE(attachedWhileRunning);
    ASSERT_TRUE(watch.destroyed);
    EXPECT_FALSE(watch.subclassedWhenDestroyed);
    EXPECT_FALSE(dlg->glassCheckAttached());
}

// Without a window manager nothing is rendered as glass: the band shows the black brush.
TEST_F(GlassWindow, TopBandIsBlackOnGlassAndDialogColouredWithout) {
    Open(6, FALSE);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ShownBandColour());
    SwitchComposition(TRUE);
    EXPECT_EQ(RGB(0, 0, 0), ShownBandColour());
    SwitchComposition(FALSE);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ShownBandColour());
}

TEST_F(GlassWindow, GlassCheckBoxPaintsWithoutLeaking) {
    Open(6, TRUE);
    ShownCheckBox();  // the first paint may set up what the theme library keeps
    int before = testing_support::CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 200; ++i)
        RedrawWindow(CheckBox(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(before, testing_support::CountGdiObjects());
}

TEST_F(GlassWindow, EmptyLabelShowsOnlyTheButtonsOwnImage) {
    Open(6, TRUE);
    SetWindowTextA(CheckBox(), "");
    PixelImage shown = ShownCheckBox();
    PixelImage plain = PlainCheckBoxImage();
    ASSERT_FALSE(plain.empty());
    EXPECT_TRUE(SameImage(plain, shown));
}

// On glass the label is drawn in black on the black background, and this Wine draws no glow;
// a grey background (the glass flag cleared while the check box stays attached) shows it.
TEST_F(GlassWindow, LabelIsDrawnAgainSixteenPixelsFromTheLeft) {
    Open(6, TRUE);
    dlg->clearGlassFlag();
    PixelImage shown = ShownCheckBox();
    PixelImage plain = PlainCheckBoxImage();
    ASSERT_EQ(plain.width, shown.width);
    ASSERT_EQ(plain.height, shown.height);
    PixelImage label = LabelAtItsPlace(shown.width, shown.height);

    int ink = 0, changed = 0, changedElsewhere = 0, inkInOtherColours = 0;
    COLORREF textColour = CLR_INVALID;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            bool isInk = label.at(x, y) != RGB(255, 255, 255);
            if (shown.at(x, y) != plain.at(x, y)) {
                ++changed;
                if (!isInk) ++changedElsewhere;
            }
            if (!isInk) continue;
            if (++ink == 1) textColour = shown.at(x, y);
            else if (shown.at(x, y) != textColour) ++inkInOtherColours;
        }
    ASSERT_GT(ink, 0);
    EXPECT_GT(changed, 0) << "the label is drawn over the button's image";
    EXPECT_EQ(0, changedElsewhere) << "only the label changes; the check mark is the button's";
    EXPECT_EQ(0, inkInOtherColours) << "every pixel of the label sits where it belongs";
    EXPECT_NE(GetSysColor(COLOR_BTNFACE), textColour);
}

// The options must describe the structure of the build they are compiled in: 64 bytes in a
// 32-bit program, 72 in a 64-bit one.
TEST(GlowLabel, OptionsCarryThisBuildsStructureSizeAndTheGlow) {
    DTTOPTS options = glowLabelOptions(9);
    EXPECT_EQ(sizeof(DTTOPTS), options.dwSize);
    EXPECT_EQ(static_cast<DWORD>(0x2800), options.dwFlags);
    EXPECT_EQ(9, options.iGlowSize);
}

}  // namespace
