#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "display/ScrollGeometry.h"
#include "show/Schedule.h"
#include "Cp932.h"

namespace {

using Texts = std::vector<std::string>;
using Ids = std::vector<CaptionId>;
constexpr long long kTenth = 100;

Schedule ListOf(const Texts& texts) {
    Schedule list;
    for (size_t i = 0; i < texts.size(); ++i) list.put(static_cast<CaptionId>(100 + i), Wide932(texts[i]), 1);
    return list;
}

Texts Passes(Schedule& list, int count) {
    Texts shown;
    for (int i = 0; i < count; ++i) shown.push_back(Cp932(list.selectNext()->text));
    return shown;
}

TEST(Schedule, RenewsInPlaceAndShowsCaptionsInTurn) {
    Schedule list = ListOf({"A", "B", "C"});
    list.countDown(kTenth);
    list.put(101, L"B2", 2);
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(L"B2", list.at(1).text);
    EXPECT_EQ(120000, list.at(1).msLeft);
    EXPECT_EQ(59900, list.at(0).msLeft);
    EXPECT_EQ((Texts{"A", "B2", "C", "A"}), Passes(list, 4));

    list.put(9, L"hand-edited", INT_MAX);  // no overflow
    EXPECT_EQ(INT_MAX * 60000LL, list.at(3).msLeft);
}

// Time counts as it passes, whatever the steps it comes in: a late timer never stretches it.
TEST(Schedule, CountdownEndsTimedCaptionsByTheTimeThatPassed) {
    Schedule list;
    list.put(10, L"a", 1);
    list.put(11, L"long", 2);
    list.put(12, L"b", 1);
    list.put(14, L"zero", 0);
    list.put(15, L"negative", -1);
    Ids ended;
    for (int i = 0; i < 599; ++i) EXPECT_TRUE(list.countDown(kTenth).empty());
    EXPECT_EQ((Ids{10, 12}), list.countDown(kTenth)) << "both one-minute captions end at one minute";
    EXPECT_EQ(nullptr, list.find(10));
    EXPECT_TRUE(list.countDown(59 * 1000).empty());
    EXPECT_EQ(Ids{11}, list.countDown(1200)) << "one late step of 1.2 s passes the end";
    ASSERT_EQ(2, list.count());
    EXPECT_EQ(L"zero", list.at(0).text) << "a caption without a time stays on air";
    EXPECT_EQ(-60000, list.at(1).msLeft);
    EXPECT_TRUE(list.countDown(0).empty());
}

// After a removal the next pass shows the caption that followed the one on screen.
TEST(Schedule, RemovalKeepsTheNextCaption) {
    const Texts abcd{"A", "B", "C", "D"};
    const Texts expected[] = {{"B", "C", "D", "B"}, {"C", "D", "A", "C"},
                              {"B", "D", "A", "B"}, {"B", "C", "A", "B"}};
    for (int removed = 0; removed < 4; ++removed) {
        Schedule list = ListOf(abcd);
        Passes(list, 1);  // "A" on screen
        ASSERT_TRUE(list.remove(static_cast<CaptionId>(100 + removed)));
        EXPECT_FALSE(list.remove(static_cast<CaptionId>(100 + removed)));
        EXPECT_EQ(expected[removed], Passes(list, 4)) << "removed " << abcd[removed];
    }

    Schedule list;
    for (int minutes : {2, 1, 1, 2}) list.put(static_cast<CaptionId>(100 + list.count()), Wide932(abcd[list.count()]), minutes);
    Passes(list, 2);  // "B" on screen, "C" due next; both end
    for (int i = 0; i < 600; ++i) list.countDown(kTenth);
    EXPECT_EQ((Texts{"D", "A", "D"}), Passes(list, 3));
}

// A cut-in caption is shown pass after pass while it is on air; the cycle then goes on with
// the caption that was due, whatever was added, removed or ended meanwhile.
TEST(Schedule, ACutInHoldsTheCycleWhereItWas) {
    Schedule list;
    for (const char* text : {"A", "B", "C"}) list.put(static_cast<CaptionId>(100 + list.count()), Wide932(text), 2);
    Passes(list, 1);  // "A" shown, "B" due
    list.put(caption_ids::kCutIn, L"X", 1);
    EXPECT_EQ((Texts{"X", "X", "X"}), Passes(list, 3));
    list.put(103, L"D", 2);
    ASSERT_TRUE(list.remove(100));
    EXPECT_EQ((Texts{"X"}), Passes(list, 1));
    for (int i = 0; i < 599; ++i) list.countDown(kTenth);
    EXPECT_EQ(Ids{caption_ids::kCutIn}, list.countDown(kTenth));
    EXPECT_EQ((Texts{"B", "C", "D", "B"}), Passes(list, 4));
    EXPECT_EQ(nullptr, list.find(caption_ids::kCutIn));
}

TEST(ScrollGeometry, StepsAreTamedAndSlicesStayInsideBothBitmaps) {
    EXPECT_EQ(kDefaultScrollStep, effectiveScrollStep(0));
    EXPECT_EQ(kDefaultScrollStep, effectiveScrollStep(-7));
    EXPECT_EQ(kMaxScrollStep, effectiveScrollStep(INT_MAX));

    ScrollSlice last = computeSlice(100, 50, 48, 4);  // two caption columns left
    EXPECT_EQ(96, last.destX);
    EXPECT_EQ(2, last.copyWidth);
    EXPECT_EQ(98, last.blankX);

    ScrollSlice wide = computeSlice(30, 200, 64, 64);  // step wider than the strip
    EXPECT_EQ(0, wide.moveWidth);
    EXPECT_EQ(98, wide.sourceX);
    EXPECT_EQ(30, wide.copyWidth);

    EXPECT_EQ(0, computeSlice(0, 200, 0, 2).copyWidth);  // no strip at all
}

}  // namespace
