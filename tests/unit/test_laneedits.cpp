#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/LaneEdits.h"

namespace {

struct Case {
    const char* name;
    int lanes, selected;  // lane k starts with gap 10*k and the name "nk"
    const char* steps;  // '+' add, '-' remove the selected lane, a digit select that lane
    const char* taken;  // for each step, whether the list took it ('1') or not ('0')
    std::vector<int> origins, gaps;
    std::vector<std::wstring> names;
    int selectedAfter;
    std::vector<int> lanesNow;  // where the captions of lanes 1, 2, ... as they were go
};

TEST(LaneEdits, AddRemoveAndSelectKeepLooksAndOrigins) {
    const Case cases[] = {
        {"one lane grows to four and no further; lane 1 cannot go", 1, 1, "-++++", "01110",
         {1, 0, 0, 0}, {10, 10, 10, 10}, {L"n1", L"", L"", L""}, 4, {1}},
        {"an added lane copies the selected look, not the last, without its name", 3, 2, "+", "1",
         {1, 2, 3, 0}, {10, 20, 30, 20}, {L"n1", L"n2", L"n3", L""}, 4, {1, 2, 3}},
        {"removing a middle lane moves the later ones down and selects the one before", 4, 1, "2-",
         "11", {1, 3, 4}, {10, 30, 40}, {L"n1", L"n3", L"n4"}, 1, {1, 1, 2, 3}},
        {"removing down to lane 1", 3, 3, "---", "110", {1}, {10}, {L"n1"}, 1, {1, 1, 1}},
        {"an added lane removed again leaves the lanes as they were", 2, 1, "+-", "11", {1, 2},
         {10, 20}, {L"n1", L"n2"}, 2, {1, 2}},
        {"a lane that does not exist cannot be selected", 2, 2, "30", "00", {1, 2}, {10, 20},
         {L"n1", L"n2"}, 2, {1, 2}},
        {"a start past the last lane selects the last", 2, 7, "", "", {1, 2}, {10, 20},
         {L"n1", L"n2"}, 2, {1, 2}},
        {"more than four lanes are cut to four", 6, 0, "", "", {1, 2, 3, 4}, {10, 20, 30, 40},
         {L"n1", L"n2", L"n3", L"n4"}, 1, {1, 2, 3, 4}},
        {"no looks stand for one default lane", 0, 3, "-", "0", {1}, {0}, {L""}, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<LaneLook> looks(static_cast<size_t>(c.lanes));
        for (int k = 1; k <= c.lanes; ++k)
            looks[size_t(k - 1)].gap = 10 * k, looks[size_t(k - 1)].name = L"n" + std::to_wstring(k);
        LaneEdits lanes(looks, c.selected);
        std::string taken;
        for (const char* step = c.steps; *step; ++step)
            taken += (*step == '+' ? lanes.add() : *step == '-' ? lanes.removeSelected()
                                                                : lanes.select(*step - '0')) ? '1' : '0';
        std::vector<int> gaps, lanesNow;
        std::vector<std::wstring> names;
        for (const LaneLook& look : lanes.looks()) gaps.push_back(look.gap), names.push_back(look.name);
        for (int old = 1; old <= c.lanes && old <= kMaxLanes; ++old)
            lanesNow.push_back(LaneEdits::laneNow(lanes.origins(), old));
        EXPECT_EQ(c.taken, taken);
        EXPECT_EQ(c.origins, lanes.origins());
        EXPECT_EQ(c.gaps, gaps);
        EXPECT_EQ(c.names, names);
        EXPECT_EQ(c.selectedAfter, lanes.selected());
        EXPECT_EQ(c.lanesNow, lanesNow);
        EXPECT_EQ(c.origins[size_t(lanes.selected() - 1)], lanes.selectedOrigin());
    }
}

}  // namespace
