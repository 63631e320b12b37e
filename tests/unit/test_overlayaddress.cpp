// The overlay addresses of the web remote dialog: one per lane, with the view key, on the host a
// browser source can open, the size to set beside each lane's name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/OverlayAddress.h"

namespace {

TEST(OverlayAddress, OneLineForEachLaneThenItsAddress) {
    const std::vector<LocalAddress> lan = {{"10.0.0.9", false, true}, {"192.168.10.20", true, true}};
    const std::vector<OverlayLane> one = {{L"", 1920, 18}};
    const std::vector<OverlayLane> three = {{L"", 1280, 24}, {L"速報", 0, 0}, {L"お知らせ", 1920, 40}};
    const struct {
        const char* what;
        HttpSettings settings;
        std::vector<OverlayLane> lanes;
        std::wstring text;
    } cases[] = {
        {"one lane, every interface: the LAN host", {8765, "0.0.0.0", "t", "Vk-_1"}, one,
         L"レーン1（幅 1920・高さ 18）\r\nhttp://192.168.10.20:8765/overlay?view=Vk-_1"},
        {"several lanes with names, a size not known", {8765, "192.168.10.20", "t", "k"}, three,
         L"レーン1（幅 1280・高さ 24）\r\nhttp://192.168.10.20:8765/overlay?lane=1&view=k\r\n"
         L"レーン2 速報\r\nhttp://192.168.10.20:8765/overlay?lane=2&view=k\r\n"
         L"レーン3 お知らせ（幅 1920・高さ 40）\r\nhttp://192.168.10.20:8765/overlay?lane=3&view=k"},
        {"loopback, port 80", {80, "127.0.0.1", "t", "k"}, one,
         L"レーン1（幅 1920・高さ 18）\r\nhttp://127.0.0.1/overlay?view=k"},
        {"no lanes", {8765, "0.0.0.0", "t", "k"}, {}, L""},
        {"a key outside base64url is percent-encoded", {9000, "127.0.0.1", "t", "a&b =\xE3\x81\x82"}, one,
         L"レーン1（幅 1920・高さ 18）\r\nhttp://127.0.0.1:9000/overlay?view=a%26b%20%3D%E3%81%82"},
        {"remote off", {0, "0.0.0.0", "t", "k"}, one, L""},
        {"no view key", {8765, "0.0.0.0", "t", ""}, one, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, overlayAddressText(c.settings, lan, c.lanes)) << c.what;
    EXPECT_EQ(L"レーン1（幅 1920・高さ 18）\r\nhttp://127.0.0.1:8765/overlay?view=k",
              overlayAddressText({8765, "0.0.0.0", "t", "k"}, {}, one))
        << "every interface without a LAN address: the loopback address";
}

}  // namespace
