// Lanes in the settings file: lanes 2 to 4 in sections of their own, each caption, the watched
// file and each source on its lane; a file of one lane stays as it always was.
#include <gtest/gtest.h>

#include <string>

#include "control/SettingsKeeper.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::Settings;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

bool Holds(const std::string& bytes, const std::string& part) { return bytes.find(part) != std::string::npos; }

CKirunData Item(const std::wstring& text, int lane) {
    CKirunData item(text, 5);
    item.m_lane = lane;
    return item;
}

// Three lanes saved and read back; then lanes go, and the file keeps no section of a lane that
// is gone: with one lane left it is the file a save of one lane writes afresh.
TEST(SettingsLanes, LanesReadBackAsSavedAndAGoneLaneLeavesNothingBehind) {
    Settings s;
    LaneLook second;
    second.pos = 1;
    second.deltaX = 4;
    second.colorChoice = 2;
    second.smooth = 1;
    second.separator = "*";
    second.name = L"下段";
    LaneLook third;
    third.monitorName = "\\\\.\\DISPLAY2";
    third.name = L"한국";  // code page 932 cannot hold it: kept exactly beside its stored form
    s.lanes = {LaneLook(), second, third};
    s.captions.append(Item(L"one", 1));
    s.captions.append(Item(L"안녕", 2));
    s.captions.append(Item(L"three", 3));
    s.fileInterface.fileLane = 2;
    s.fileInterface.sources.resize(1);
    s.fileInterface.sources[0].lane = 3;

    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    ASSERT_TRUE(testing_support::SaveWithWriter(path, s));
    const std::string three = ReadFileBytes(path);
    for (const char* part : {"LANECOUNT=3\r\n", "[LANE2]\r\n", "[LANE3]\r\n", "LANE=2\r\n", "LANE=3\r\n"})
        EXPECT_TRUE(Holds(three, part)) << part;
    EXPECT_FALSE(Holds(three, "[LANE1]"));
    testing_support::ExpectSameSettings(s, testing_support::LoadWithReader(path), "three lanes");

    const struct {
        size_t lanes;
        const char* gone;
    } kSteps[] = {{2, "[LANE3]"}, {1, "[LANE2]"}};
    for (const auto& step : kSteps) {
        s.lanes.resize(step.lanes);
        for (int i = 0; i < s.captions.count(); ++i)
            if (s.captions.at(i).m_lane > static_cast<int>(step.lanes)) s.captions.setLane(i, 1);
        s.fileInterface.fileLane = s.fileInterface.fileLane > static_cast<int>(step.lanes) ? 1 : s.fileInterface.fileLane;
        s.fileInterface.sources[0].lane = 1;
        ASSERT_TRUE(testing_support::SaveWithWriter(path, s));
        EXPECT_FALSE(Holds(ReadFileBytes(path), step.gone)) << step.lanes;
        testing_support::ExpectSameSettings(s, testing_support::LoadWithReader(path), step.gone);
    }
    const std::string fresh = dir.file("fresh.ini");
    ASSERT_TRUE(testing_support::SaveWithWriter(fresh, s));
    EXPECT_EQ(ReadFileBytes(fresh), ReadFileBytes(path));
    EXPECT_FALSE(Holds(ReadFileBytes(path), "LANE"));
}

// A lane the file does not hold, or no lane at all, puts a caption, the watched file or a
// source on lane 1; a count beyond four lanes reads four.
TEST(SettingsLanes, ALaneTheFileDoesNotHoldIsLaneOne) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    ASSERT_TRUE(WriteFileBytes(path,
                               "[SYSTEM]\r\nITEMCOUNT=4\r\nLANECOUNT=2\r\nSOURCECOUNT=2\r\n"
                               "[ITEM0]\r\nMINUTE=1\r\nSTRINGS=61\r\nLANE=2\r\n[ITEM1]\r\nMINUTE=1\r\nSTRINGS=62\r\nLANE=3\r\n"
                               "[ITEM2]\r\nMINUTE=1\r\nSTRINGS=63\r\nLANE=-1\r\n[ITEM3]\r\nMINUTE=1\r\nSTRINGS=64\r\nLANE=x\r\n"
                               "[FILE]\r\nLANE=9\r\n[SOURCE0]\r\nLANE=2\r\n[SOURCE1]\r\nLANE=4\r\n[LANE2]\r\nPOS=1\r\n"));
    const Settings loaded = testing_support::LoadWithReader(path);
    ASSERT_EQ(2u, loaded.lanes.size());
    EXPECT_EQ(1, loaded.lanes[1].pos);
    ASSERT_EQ(4, loaded.captions.count());
    const int kLanes[] = {2, 1, 1, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(kLanes[i], loaded.captions.at(i).m_lane) << i;
    EXPECT_EQ(1, loaded.fileInterface.fileLane);
    ASSERT_EQ(2u, loaded.fileInterface.sources.size());
    EXPECT_EQ(2, loaded.fileInterface.sources[0].lane);
    EXPECT_EQ(1, loaded.fileInterface.sources[1].lane);

    ASSERT_TRUE(WriteFileBytes(path, "[SYSTEM]\r\nLANECOUNT=9\r\n"));
    EXPECT_EQ(static_cast<size_t>(kMaxLanes), testing_support::LoadWithReader(path).lanes.size());
}

// Lanes come up to four; removing one moves the watched file, the sources and the captions on
// it to lane 1 and those of later lanes down one; lane 1 stays.
TEST(SettingsLanes, AddingAndRemovingLanesKeepsEveryoneOnAHeldLane) {
    SettingsKeeper keeper(L"unused.ini");
    EXPECT_EQ(2, keeper.addLane());
    EXPECT_EQ(3, keeper.addLane());
    EXPECT_EQ(4, keeper.addLane());
    EXPECT_EQ(0, keeper.addLane());
    keeper.look(3).pos = 1;
    keeper.look(4).gap = 7;
    keeper.fileInterface().fileLane = 4;
    keeper.fileInterface().sources.resize(3);
    const int kSourceLanes[] = {1, 3, 4};
    for (size_t i = 0; i < 3; ++i) keeper.fileInterface().sources[i].lane = kSourceLanes[i];
    CaptionList captions;
    for (int lane : {1, 2, 3, 4}) captions.append(Item(L"x", lane));

    EXPECT_FALSE(keeper.removeLane(1));
    EXPECT_FALSE(keeper.removeLane(5));
    ASSERT_TRUE(keeper.removeLane(3));
    captions.laneRemoved(3);
    ASSERT_EQ(3, keeper.laneCount());
    EXPECT_EQ(0, keeper.look(3).pos);
    EXPECT_EQ(7, keeper.look(3).gap);
    EXPECT_EQ(3, keeper.fileInterface().fileLane);
    const int kSourcesAfter[] = {1, 1, 3};
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(kSourcesAfter[i], keeper.fileInterface().sources[i].lane) << i;
    const int kCaptionsAfter[] = {1, 2, 1, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(kCaptionsAfter[i], captions.at(i).m_lane) << i;
}

}  // namespace
