// The web remote's dialog from its real template: switching the remote on makes a token and shows
// the pairing address with the token in its fragment, as text and as a QR code drawn module for
// module; a new token changes both; OK gives the settings back, a bad port keeps the dialog open.
// Switching it on makes a view key too, and each lane's overlay address carries it; a new view
// key changes those addresses and not the pairing address.
// With REMOTE_DIALOG_CAPTURE set, the dialog as shown on the screen is saved there (PPM) with
// the address beside it (.txt), for a QR reader to check from outside (tests/http/read_qr.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "DialogDriver.h"
#include "Pixels.h"
#include "framework/Gdi.h"
#include "panel/RemoteDlg.h"
#include "resource.h"

using namespace testing_support;

namespace {

std::string itemText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::wstring wideText(HWND dialog, int id) {
    wchar_t text[1024] = {};
    return GetDlgItemTextW(dialog, id, text, 1024) > 0 ? text : L"";
}

// The overlay box as the dialog should show it for these two lanes and this view key.
std::wstring overlayText(const std::string& viewKey) {
    const std::wstring key(viewKey.begin(), viewKey.end());
    return L"レーン1（幅 1920・高さ 18）\r\nhttp://192.168.10.20:8765/overlay?lane=1&view=" + key +
           L"\r\nレーン2 速報（幅 1920・高さ 18）\r\nhttp://192.168.10.20:8765/overlay?lane=2&view=" + key;
}

void savePpm(const PixelImage& image, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
    for (COLORREF pixel : image.pixels) {
        const unsigned char rgb[3] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
        std::fwrite(rgb, 1, 3, file);
    }
    std::fclose(file);
}

// The QR control's modules, read back from the screen, are the code's modules.
void expectQrShown(HWND dialog, const std::string& url) {
    QrPicture expected;
    ASSERT_TRUE(expected.encode(url));
    RECT area;
    GetWindowRect(GetDlgItem(dialog, IDC_REMOTE_QR), &area);
    const PixelImage shown = CaptureScreen(area);
    const RECT local{0, 0, area.right - area.left, area.bottom - area.top};
    const int module = expected.modulePixels(local);
    ASSERT_GE(module, 2) << "a phone's camera needs modules of more than one pixel";
    const int left = (local.right - expected.size() * module) / 2;
    const int top = (local.bottom - expected.size() * module) / 2;
    int wrong = 0;
    for (int y = 0; y < expected.size(); ++y)
        for (int x = 0; x < expected.size(); ++x)
            wrong += (shown.at(left + x * module + module / 2, top + y * module + module / 2) == RGB(0, 0, 0)) !=
                     expected.dark(x, y);
    EXPECT_EQ(wrong, 0);
    if (const char* capture = std::getenv("REMOTE_DIALOG_CAPTURE")) {
        RECT whole;
        GetWindowRect(dialog, &whole);
        savePpm(CaptureScreen(whole), std::string(capture) + ".ppm");
        FILE* file = std::fopen((std::string(capture) + ".txt").c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs(url.c_str(), file);
        std::fclose(file);
    }
}

TEST(RemoteDlg, SwitchedOnShowsThePairingAddressWithANewTokenAsTextAndQrCode) {
    CRemoteDlg dialog;
    dialog.m_settings.address = "0.0.0.0";
    dialog.m_lan = {{"10.0.0.9", false, true}, {"192.168.10.20", true, true}};
    dialog.m_lanGiven = true;
    dialog.m_overlayLooks.resize(2);
    for (OverlayLook& look : dialog.m_overlayLooks) look.stripWidth = 1920, look.stripHeight = 18;
    dialog.m_laneNames = {L"", L"速報"};
    std::string first;
    std::string second;
    std::wstring firstOverlay, secondOverlay;
    DialogDriver driver;
    driver.Expect({
        Check([](HWND d) { EXPECT_EQ(itemText(d, IDC_REMOTE_URL), ""); }),
        Click(IDC_REMOTE_ON),
        Check([&](HWND d) {
            first = itemText(d, IDC_REMOTE_URL);
            EXPECT_EQ(first.rfind("http://192.168.10.20:8765/#token=", 0), 0u) << first;
            EXPECT_EQ(first.size(), std::string("http://192.168.10.20:8765/#token=").size() + 32);
            firstOverlay = wideText(d, IDC_REMOTE_OVERLAY);
        }),
        Click(IDC_REMOTE_NEW_TOKEN),
        Check([&](HWND d) {
            second = itemText(d, IDC_REMOTE_URL);
            EXPECT_NE(second, first);
            EXPECT_EQ(wideText(d, IDC_REMOTE_OVERLAY), firstOverlay) << "a new token keeps the view key";
        }),
        Click(IDC_REMOTE_NEW_VIEW_KEY),
        Check([&](HWND d) {
            EXPECT_EQ(itemText(d, IDC_REMOTE_URL), second) << "a new view key keeps the token";
            secondOverlay = wideText(d, IDC_REMOTE_OVERLAY);
            EXPECT_NE(secondOverlay, firstOverlay);
            expectQrShown(d, second);
        }),
        Click(IDOK),
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_settings.port, CRemoteDlg::kDefaultPort);
    EXPECT_EQ(dialog.m_settings.address, "0.0.0.0");
    EXPECT_EQ("http://192.168.10.20:8765/#token=" + dialog.m_settings.token, second);
    EXPECT_EQ(dialog.m_settings.viewKey.size(), 32u);
    EXPECT_EQ(overlayText(dialog.m_settings.viewKey), secondOverlay);
}

TEST(RemoteDlg, ChecksThePortAndTheAddressAndKeepsTheTokenWhenSwitchedOff) {
    struct Case {
        const char* port;
        const char* address;
        bool on;
        int messages;       // message boxes before OK is taken (then the dialog is cancelled)
        int portAfterOk;
    } cases[] = {
        {"70000", "127.0.0.1", true, 1, -1},
        {"8080", "kirunner-pc", true, 1, -1},
        {"8080", "127.0.0.1", true, 0, 8080},
        {"8080", "127.0.0.1", false, 0, 0},
    };
    for (const Case& c : cases) {
        CRemoteDlg dialog;
        dialog.m_settings = HttpSettings{9000, "0.0.0.0", "kept-token-0123456789abcdefghij", "kept-view-key"};
        dialog.m_lanGiven = true;
        MessageBoxRecorder messages;
        DialogDriver driver;
        std::vector<DialogStep> steps = {SetText(IDC_REMOTE_PORT, c.port), SetText(IDC_REMOTE_ADDRESS, c.address)};
        if (!c.on) steps.push_back(Click(IDC_REMOTE_ON));
        steps.push_back(Click(IDOK));
        steps.push_back(Click(IDCANCEL));
        driver.Expect(steps);
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(static_cast<int>(messages.shown().size()), c.messages) << c.port << " " << c.address;
        EXPECT_EQ(result, c.portAfterOk < 0 ? IDCANCEL : IDOK);
        if (c.portAfterOk >= 0) {
            EXPECT_EQ(dialog.m_settings.port, c.portAfterOk);
            EXPECT_EQ(dialog.m_settings.token, "kept-token-0123456789abcdefghij");
            EXPECT_EQ(dialog.m_settings.viewKey, "kept-view-key");
        }
    }
}

}  // namespace
