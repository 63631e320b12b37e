// The overlay's document of one lane: every member in its order, colours as a page writes them,
// texts in UTF-8; and a lane before its first entry, without a look, or not held at all.
#include <gtest/gtest.h>

#include "surfaces/OverlayJson.h"

namespace {

TEST(OverlayJson, EveryMemberOfTheSecondLane) {
    ShowSnapshot snapshot;
    snapshot.version = 12;
    snapshot.lanes = {LaneState{1, L"", true, false}, LaneState{2, L"下段", false, true}};
    snapshot.entries = {LaneEntry{}, LaneEntry{true, 7, L"開演まであと5分です\U0001F600", true, false, 163}};
    OverlayLook look;
    look.fontFace = L"ＭＳ Ｐゴシック";
    look.fontPx = 18;
    look.fontWeight = 400;
    look.italic = true;
    look.textColor = 0x0000FF;    // red
    look.shadowColor = 0xAB0C01;  // #010cab
    look.outline = true;
    look.bandOn = true;
    look.bandColor = 0x102030;
    look.bandOpacity = 55;
    look.separator = L"◆";
    look.speedPx = 120;
    look.stripWidth = 1920;
    look.stripHeight = 22;
    snapshot.looks = {OverlayLook{}, look};
    EXPECT_EQ(jsonLine(overlayDocument(snapshot, 2)),
              u8R"({"version":12,"lane":2,"name":"下段","shown":false,"rolling":true,)"
              u8R"("look":{"font":"ＭＳ Ｐゴシック","size":18,"weight":400,"italic":true,"color":"#ff0000",)"
              u8R"("shadow":"#010cab","outline":true,"band":true,"bandColor":"#302010","bandOpacity":55,)"
              u8R"("separator":"◆","speed":120,"width":1920,"height":22},)"
              u8"\"caption\":{\"entry\":7,\"text\":\"開演まであと5分です\U0001F600\",\"follows\":true,\"fromBlank\":false,\"width\":163}}");
}

TEST(OverlayJson, BeforeTheFirstEntryAndWithoutALook) {
    ShowSnapshot snapshot;  // a show that lists no lanes holds lane 1, as its strip is
    snapshot.stripShown = false;
    const Json document = overlayDocument(snapshot, 1);
    EXPECT_EQ(document["shown"], false);
    EXPECT_EQ(document["rolling"], false);
    EXPECT_TRUE(document["caption"].is_null());
    EXPECT_EQ(document["look"]["color"], "#ffffff");
    EXPECT_EQ(document["look"]["size"], OverlayLook{}.fontPx);
    EXPECT_EQ(document["look"]["width"], 0);
    EXPECT_TRUE(overlayDocument(snapshot, 2).is_null());
    EXPECT_TRUE(overlayDocument(snapshot, 0).is_null());

    // The blank caption is an entry: nothing new enters.
    snapshot.entries = {LaneEntry{false, 3, L"", false, true, 0}};
    EXPECT_EQ(jsonLine(overlayDocument(snapshot, 1)["caption"]),
              R"({"entry":3,"text":"","follows":false,"fromBlank":true,"width":0})");
}

}  // namespace
