// The overlay's document of a lane: every member in order; before an entry, without a look; no lane.
#include <gtest/gtest.h>

#include "surfaces/OverlayJson.h"

namespace {

TEST(OverlayJson, EveryMemberOfTheSecondLane) {
    ShowSnapshot snapshot;
    snapshot.version = 12;
    snapshot.lanes = {LaneState{1, L"", true, false}, LaneState{2, L"下段", false, true}};
    snapshot.entries = {LaneEntry{}, LaneEntry{true, 7, L"開演まであと5分です\U0001F600", true, false, 163}};
    snapshot.looks = {OverlayLook{}, OverlayLook{L"ＭＳ Ｐゴシック", 18, 400, true, 0x0000FF, 0xAB0C01, true, true, 0x102030,
                                                 55, L"◆", 120, 1920, 22}};
    EXPECT_EQ(jsonLine(overlayDocument(snapshot, 2)),
              u8R"({"version":12,"lane":2,"name":"下段","shown":false,"rolling":true,)"
              u8R"("look":{"font":"ＭＳ Ｐゴシック","size":18,"weight":400,"italic":true,"color":"#ff0000",)"
              u8R"("shadow":"#010cab","outline":true,"band":true,"bandColor":"#302010","bandOpacity":55,)"
              u8R"("separator":"◆","speed":120,"width":1920,"height":22},)"
              u8"\"caption\":{\"entry\":7,\"text\":\"開演まであと5分です\U0001F600\",\"follows\":true,\"fromBlank\":false,\"width\":163}}");
}

TEST(OverlayJson, BeforeTheFirstEntryAndWithoutALook) {
    ShowSnapshot snapshot;  // a show that lists no lanes holds lane 1, shown as its strip is
    snapshot.stripShown = false;
    EXPECT_EQ(jsonLine(overlayDocument(snapshot, 1)),
              R"({"version":0,"lane":1,"name":"","shown":false,"rolling":false,"look":{"font":"","size":16,"weight":700,)"
              R"("italic":false,"color":"#ffffff","shadow":"#000000","outline":false,"band":false,"bandColor":"#000000",)"
              R"("bandOpacity":100,"separator":"","speed":40,"width":0,"height":0},"caption":null})");
    EXPECT_TRUE(overlayDocument(snapshot, 2).is_null());
}

}  // namespace
