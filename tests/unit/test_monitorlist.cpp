// Which monitor the strip takes, how the appearance dialog lists the monitors, and caption
// font heights scaled to a monitor's resolution.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/MonitorDpi.h"
#include "display/MonitorList.h"
#include "panel/MonitorChoice.h"

namespace {

MonitorInfo Monitor(const char* name, RECT rect, bool primary = false) {
    MonitorInfo monitor;
    monitor.m_deviceName = name;
    monitor.m_rect = rect;
    monitor.m_primary = primary;
    return monitor;
}

// The primary monitor listed second, as the system may list it.
const std::vector<MonitorInfo> kMonitors = {
    Monitor("\\\\.\\DISPLAY2", RECT{1920, 0, 3840, 1080}),
    Monitor("\\\\.\\DISPLAY1", RECT{0, 0, 1920, 1080}, true),
    Monitor("\\\\.\\DISPLAY3", RECT{-1280, -1024, 0, 0}),
};

TEST(MonitorList, StripTakesTheNamedMonitorElseThePrimary) {
    const struct {
        const char* stored;
        const char* taken;
    } cases[] = {
        {"", "\\\\.\\DISPLAY1"},
        {"\\\\.\\DISPLAY2", "\\\\.\\DISPLAY2"},
        {"\\\\.\\display3", "\\\\.\\DISPLAY3"},  // device names ignore case
        {"\\\\.\\DISPLAY9", "\\\\.\\DISPLAY1"},  // unplugged: the primary
        {"DISPLAY2", "\\\\.\\DISPLAY1"},
    };
    for (const auto& c : cases) {
        const MonitorInfo* taken = stripMonitor(kMonitors, c.stored);
        ASSERT_TRUE(taken) << c.stored;
        EXPECT_EQ(c.taken, taken->m_deviceName) << c.stored;
    }
    EXPECT_EQ(nullptr, stripMonitor({}, "\\\\.\\DISPLAY1"));
    // No monitor marked primary (a list the system should not give): the first.
    std::vector<MonitorInfo> unmarked{Monitor("\\\\.\\DISPLAY5", RECT{0, 0, 800, 600})};
    EXPECT_EQ(&unmarked[0], stripMonitor(unmarked, ""));
}

TEST(MonitorList, LabelsTellNumberSizeAndSide) {
    const RECT primary{0, 0, 1920, 1080};
    const struct {
        RECT rect;
        bool primary;
        const char* label;
    } cases[] = {
        {{0, 0, 1920, 1080}, true, "1: 1920×1080 メイン"},
        {{1920, 0, 3840, 1080}, false, "1: 1920×1080 右"},
        {{-1024, 200, 0, 968}, false, "1: 1024×768 左"},
        {{0, -1080, 1920, 0}, false, "1: 1920×1080 上"},
        {{0, 1080, 1280, 2104}, false, "1: 1280×1024 下"},
        {{1920, -1024, 3200, 0}, false, "1: 1280×1024 右上"},
        {{-1280, 1080, 0, 2104}, false, "1: 1280×1024 左下"},
        {{100, 100, 900, 700}, false, "1: 800×600 重なり"},  // a cloned or overlapping display
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.label, monitorLabel(1, Monitor("x", c.rect, c.primary), primary)) << c.label;
}

TEST(MonitorChoice, ListsThePrimaryEveryMonitorAndAStoredOneThatIsGone) {
    const std::vector<std::string> connected{"メインモニタ", "1: 1920×1080 右", "2: 1920×1080 メイン",
                                             "3: 1280×1024 左上"};
    const struct {
        const char* stored;
        size_t count;
        int selected;
        const char* storedLabel;
    } cases[] = {
        {"", 5, 0, "メインモニタ"},
        {"\\\\.\\DISPLAY1", 5, 2, "2: 1920×1080 メイン"},
        {"\\\\.\\Display3", 5, 3, "3: 1280×1024 左上"},
        {"*", 5, 4, "全モニタ"},
        {"\\\\.\\DISPLAY7", 6, 5, "\\\\.\\DISPLAY7（未接続）"},
    };
    for (const auto& c : cases) {
        const MonitorChoices choices = monitorChoices(kMonitors, c.stored);
        ASSERT_EQ(c.count, choices.m_labels.size()) << c.stored;
        ASSERT_EQ(c.count, choices.m_names.size()) << c.stored;
        EXPECT_EQ(connected, std::vector<std::string>(choices.m_labels.begin(), choices.m_labels.begin() + 4));
        EXPECT_EQ(c.selected, choices.m_selected) << c.stored;
        EXPECT_EQ(c.storedLabel, choices.m_labels[static_cast<size_t>(c.selected)]) << c.stored;
        EXPECT_EQ("", choices.m_names[0]) << "the first entry stores no name";
        EXPECT_EQ("*", choices.m_names[4]) << "every monitor at once";
        // An unplugged monitor keeps its name, so OK does not lose the choice.
        if (c.count == 6) {
            EXPECT_EQ(c.stored, choices.m_names[5]);
        }
    }
    EXPECT_EQ(1u, monitorChoices({}, "").m_labels.size());
}

TEST(MonitorDpi, FontHeightsScaleFrom96Dpi) {
    const struct {
        LONG height;
        UINT dpi;
        LONG scaled;
    } cases[] = {
        {-12, 96, -12}, {-16, 96, -16}, {-21, 96, -21},    // unchanged at 96 DPI
        {-12, 144, -18}, {-16, 144, -24}, {-21, 144, -32}, // 150 %: -31.5 rounds away from 0
        {-12, 120, -15}, {-21, 120, -26},                  // 125 %
        {-12, 192, -24}, {20, 144, 30}, {0, 144, 0},       // cell heights and the default keep their sign
        {-12, 0, -12},                                     // no resolution known
        {-1000, 288, -3000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.scaled, scaledFontHeight(c.height, c.dpi)) << c.height << " at " << c.dpi;
}

}  // namespace
