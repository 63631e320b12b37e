#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "display/RunList.h"
#include "display/ScrollGeometry.h"
#include "Cp932.h"

namespace {

using Texts = std::vector<std::string>;

// Records each end notification and whether the item was still on air during the call.
struct EndRecorder : CKirunListener {
    const RunList* list = nullptr;
    std::vector<int> ended;
    std::vector<bool> onAirDuringCall;
    void onKirunEnd(int index) override {
        ended.push_back(index);
        onAirDuringCall.push_back(list->find(index) != nullptr);
    }
};

RunList ListOf(const Texts& texts) {
    RunList list;
    for (size_t i = 0; i < texts.size(); ++i) list.add(static_cast<int>(i), Wide932(texts[i]), 1, nullptr);
    return list;
}

Texts Passes(const RunList& list, int& next, int count) {
    Texts shown;
    for (int i = 0; i < count; ++i) shown.push_back(Cp932(list.selectNext(next)->text));
    return shown;
}

TEST(RunList, RenewsInPlaceAndShowsCaptionsInTurn) {
    RunList list = ListOf({"A", "B", "C"});
    int next = 0;
    list.countDown(next);
    EndRecorder listener;
    list.add(1, L"B2", 2, &listener);
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(L"B2", list.at(1).text);
    EXPECT_EQ(&listener, list.at(1).listener);
    EXPECT_EQ(1200, list.at(1).remaining);
    EXPECT_EQ(599, list.at(0).remaining);
    EXPECT_EQ((Texts{"A", "B2", "C", "A"}), Passes(list, next, 4));

    list.add(9, L"hand-edited", INT_MAX, nullptr);  // saturates instead of overflowing
    EXPECT_EQ(INT_MAX, list.at(3).remaining);
}

TEST(RunList, CountdownEndsTimedCaptionsWithAListenerOnly) {
    RunList list;
    EndRecorder listener;
    listener.list = &list;
    list.add(0, L"a", 1, &listener);
    list.add(1, L"long", 2, &listener);
    list.add(2, L"b", 1, &listener);
    list.add(3, L"unheard", 1, nullptr);
    list.add(4, L"zero", 0, &listener);
    list.add(5, L"negative", -1, &listener);
    int next = 0;
    for (int i = 0; i < 599; ++i) list.countDown(next);
    EXPECT_TRUE(listener.ended.empty());

    list.countDown(next);  // tick 600: both one-minute captions end in it
    EXPECT_EQ((std::vector<int>{0, 2}), listener.ended);
    EXPECT_EQ((std::vector<bool>{true, true}), listener.onAirDuringCall);
    for (int i = 0; i < 5000; ++i) list.countDown(next);
    EXPECT_EQ((std::vector<int>{0, 2, 1}), listener.ended);
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(L"unheard", list.at(0).text);
    EXPECT_EQ(0, list.at(0).remaining);
    EXPECT_EQ(0, list.at(1).remaining);
    EXPECT_EQ(-600, list.at(2).remaining);
}

// After a removal the next pass shows the caption that followed the one on screen.
TEST(RunList, RemovalKeepsTheNextCaption) {
    const Texts abcd{"A", "B", "C", "D"};
    const Texts expected[] = {{"B", "C", "D", "B"}, {"C", "D", "A", "C"},
                              {"B", "D", "A", "B"}, {"B", "C", "A", "B"}};
    for (int removed = 0; removed < 4; ++removed) {
        RunList list = ListOf(abcd);
        int next = 0;
        Passes(list, next, 1);  // "A" on screen
        ASSERT_TRUE(list.remove(removed, next));
        EXPECT_FALSE(list.remove(removed, next));
        EXPECT_EQ(expected[removed], Passes(list, next, 4)) << "removed " << abcd[removed];
    }

    RunList list;
    EndRecorder listener;
    listener.list = &list;
    for (int minutes : {2, 1, 1, 2}) list.add(list.count(), Wide932(abcd[list.count()]), minutes, &listener);
    int next = 0;
    Passes(list, next, 2);  // "B" on screen, "C" due next; both end
    for (int i = 0; i < 600; ++i) list.countDown(next);
    EXPECT_EQ((Texts{"D", "A", "D"}), Passes(list, next, 3));
}

// A cut-in caption is shown pass after pass while it is on air; the cycle then goes on with
// the caption that was due, whatever was added, removed or ended meanwhile.
TEST(RunList, ACutInHoldsTheCycleWhereItWas) {
    RunList list = ListOf({"A", "B", "C"});
    int next = 0;
    Passes(list, next, 1);  // "A" shown, "B" due
    EndRecorder listener;
    listener.list = &list;
    list.add(kCutInIndex, L"X", 1, &listener);
    EXPECT_EQ((Texts{"X", "X", "X"}), Passes(list, next, 3));
    list.add(3, L"D", 1, nullptr);
    ASSERT_TRUE(list.remove(0, next));
    EXPECT_EQ((Texts{"X"}), Passes(list, next, 1));
    for (int i = 0; i < RunList::kTenthsPerMinute; ++i) list.countDown(next);
    EXPECT_EQ(std::vector<int>{kCutInIndex}, listener.ended);
    EXPECT_EQ((Texts{"B", "C", "D", "B"}), Passes(list, next, 4));
    EXPECT_EQ(-1, list.positionOf(kCutInIndex));
}

TEST(RunList, ShiftFollowsADeletedPositionButNotTheFileCaption) {
    RunList list;
    for (int index : {0, 2, 3, kFileCaptionIndex, kCutInIndex, 7}) list.add(index, L"t", 1, nullptr);
    list.shiftIndicesAfter(2);
    std::vector<int> indices;
    for (int i = 0; i < list.count(); ++i) indices.push_back(list.at(i).index);
    EXPECT_EQ((std::vector<int>{0, 2, 2, kFileCaptionIndex, kCutInIndex, 6}), indices);
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
