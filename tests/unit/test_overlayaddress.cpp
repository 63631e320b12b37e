// The web remote dialog's overlay addresses: per lane its name and size, then its address with
// the view key, on the host a browser source can open.
#include <gtest/gtest.h>

#include "model/OverlayAddress.h"

namespace {

TEST(OverlayAddress, OneLineForEachLaneThenItsAddress) {
    const std::vector<LocalAddress> lan = {{"10.0.0.9", false, true}, {"192.168.10.20", true, true}};
    const std::vector<OverlayLane> one = {{L"", 1920, 18}};
    const std::vector<OverlayLane> three = {{L"", 1280, 24}, {L"速報", 0, 0}, {L"お知らせ", 1920, 40}};
    const std::wstring lane1 = L"レーン1（幅 1920・高さ 18）\r\n";
    const struct {
        HttpSettings settings;
        std::vector<LocalAddress> lan;
        std::vector<OverlayLane> lanes;
        std::wstring text;
    } cases[] = {
        {{8765, "0.0.0.0", "t", "Vk-_1"}, lan, one, lane1 + L"http://192.168.10.20:8765/overlay?view=Vk-_1"},
        {{8765, "192.168.10.20", "t", "k"}, lan, three,
         L"レーン1（幅 1280・高さ 24）\r\nhttp://192.168.10.20:8765/overlay?lane=1&view=k\r\n"
         L"レーン2 速報\r\nhttp://192.168.10.20:8765/overlay?lane=2&view=k\r\n"
         L"レーン3 お知らせ（幅 1920・高さ 40）\r\nhttp://192.168.10.20:8765/overlay?lane=3&view=k"},
        {{80, "127.0.0.1", "t", "k"}, lan, one, lane1 + L"http://127.0.0.1/overlay?view=k"},
        {{8765, "0.0.0.0", "t", "k"}, {}, one, lane1 + L"http://127.0.0.1:8765/overlay?view=k"},  // no LAN address
        {{9000, "127.0.0.1", "t", "a&b =\xE3\x81\x82"}, lan, one,
         lane1 + L"http://127.0.0.1:9000/overlay?view=a%26b%20%3D%E3%81%82"},
        {{0, "0.0.0.0", "t", "k"}, lan, one, L""},     // the remote off
        {{8765, "0.0.0.0", "t", ""}, lan, one, L""},   // no view key
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, overlayAddressText(c.settings, c.lan, c.lanes)) << c.settings.port << " " << c.settings.viewKey;
}

}  // namespace
