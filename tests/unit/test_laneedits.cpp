#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panel/LaneEdits.h"

namespace {

// Lane k starts with gap 10*k and the name "nk", so that a look can be followed as lanes move.
std::vector<LaneLook> Looks(int count) {
    std::vector<LaneLook> looks(static_cast<size_t>(count));
    for (int k = 1; k <= count; ++k) {
        looks[static_cast<size_t>(k - 1)].gap = 10 * k;
        looks[static_cast<size_t>(k - 1)].name = L"n" + std::to_wstring(k);
    }
    return looks;
}

// One step: '+' add, '-' remove the selected lane, a digit: select that lane; and whether the
// list takes it.
struct Step {
    char what;
    bool taken;
};

struct Case {
    const char* name;
    int lanes;
    int selected;
    std::vector<Step> steps;
    std::vector<int> origins;
    std::vector<int> gaps;
    std::vector<std::wstring> names;
    int selectedAfter;
    std::vector<int> lanesNow;  // where the captions of lanes 1, 2, ... as they were go
};

TEST(LaneEdits, AddRemoveAndSelectKeepLooksAndOrigins) {
    const Case cases[] = {
        {"one lane grows to four and no further; lane 1 cannot go", 1, 1,
         {{'-', false}, {'+', true}, {'+', true}, {'+', true}, {'+', false}},
         {1, 0, 0, 0}, {10, 10, 10, 10}, {L"n1", L"", L"", L""}, 4, {1}},
        {"an added lane copies the selected look, not the last, without its name", 3, 2,
         {{'+', true}}, {1, 2, 3, 0}, {10, 20, 30, 20}, {L"n1", L"n2", L"n3", L""}, 4, {1, 2, 3}},
        {"removing a middle lane moves the later ones down and selects the one before", 4, 1,
         {{'2', true}, {'-', true}}, {1, 3, 4}, {10, 30, 40}, {L"n1", L"n3", L"n4"}, 1, {1, 1, 2, 3}},
        {"removing down to lane 1", 3, 3, {{'-', true}, {'-', true}, {'-', false}},
         {1}, {10}, {L"n1"}, 1, {1, 1, 1}},
        {"an added lane removed again leaves the lanes as they were", 2, 1,
         {{'+', true}, {'-', true}}, {1, 2}, {10, 20}, {L"n1", L"n2"}, 2, {1, 2}},
        {"a lane that does not exist cannot be selected", 2, 2, {{'3', false}, {'0', false}},
         {1, 2}, {10, 20}, {L"n1", L"n2"}, 2, {1, 2}},
        {"a start past the last lane selects the last", 2, 7, {}, {1, 2}, {10, 20}, {L"n1", L"n2"}, 2, {1, 2}},
        {"more than four lanes are cut to four", 6, 0, {}, {1, 2, 3, 4}, {10, 20, 30, 40},
         {L"n1", L"n2", L"n3", L"n4"}, 1, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LaneEdits lanes(Looks(c.lanes), c.selected);
        for (const Step& step : c.steps) {
            bool taken = false;
            if (step.what == '+') taken = lanes.add();
            else if (step.what == '-') taken = lanes.removeSelected();
            else taken = lanes.select(step.what - '0');
            EXPECT_EQ(step.taken, taken) << step.what;
        }
        std::vector<int> gaps;
        std::vector<std::wstring> names;
        for (const LaneLook& look : lanes.looks()) gaps.push_back(look.gap), names.push_back(look.name);
        EXPECT_EQ(c.origins, lanes.origins());
        EXPECT_EQ(c.gaps, gaps);
        EXPECT_EQ(c.names, names);
        EXPECT_EQ(c.selectedAfter, lanes.selected());
        std::vector<int> lanesNow;
        for (int old = 1; old <= std::min(c.lanes, kMaxLanes); ++old)
            lanesNow.push_back(LaneEdits::laneNow(lanes.origins(), old));
        EXPECT_EQ(c.lanesNow, lanesNow);
        EXPECT_EQ(c.origins[static_cast<size_t>(lanes.selected() - 1)], lanes.selectedOrigin());
    }
}

TEST(LaneEdits, NoLooksStandForOneDefaultLane) {
    LaneEdits lanes({}, 3);
    EXPECT_EQ(1, lanes.count());
    EXPECT_EQ(1, lanes.selected());
    EXPECT_FALSE(lanes.canRemove());
    EXPECT_EQ(LaneLook().deltaX, lanes.look().deltaX);
}

}  // namespace
