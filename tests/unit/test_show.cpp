// The show with no window: a fake strip, a clock the test moves, captions by id.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/StatusLine.h"
#include "show/Lane.h"
#include "show/PassedCaptions.h"
#include "show/Show.h"
#include "show/ViewTrack.h"
#include "tests/support/FakeStrip.h"
#include "tests/support/ManualClock.h"

namespace {

using testing_support::FakeStrip;
using testing_support::ManualClock;
using Texts = std::vector<std::wstring>;

// What the show told, in the indices the program writes captions with (a list position, 60001
// for a free text, 60002 for the cut-in), each with its lane.
struct Reports : ShowListener {
    explicit Reports(const Show& show) : show(show) {}
    void showChanged(const ShowChange& change) override {
        if (change.what == ShowChange::What::kCaptionEnded) {
            const int position = show.captionList().positionOf(change.id);
            ended.push_back(change.id == caption_ids::kFreeText ? 60001 : change.id == caption_ids::kCutIn ? 60002 : position);
            endedLanes.push_back(change.lane);
        }
        if (change.what == ShowChange::What::kLaneRolledOut) rolledOutLanes.push_back(change.lane);
        if (change.what == ShowChange::What::kAllRolledOut) ++rollingEnds;
        if (change.what == ShowChange::What::kEntered) enteredLanes.push_back(change.lane);
    }
    const Show& show;
    std::vector<int> ended;
    std::vector<int> endedLanes;
    std::vector<int> rolledOutLanes;
    int rollingEnds = 0;
    std::vector<int> enteredLanes;
};

class ShowTest : public ::testing::Test {
protected:
    ShowTest() : show(strip, clock), reports(show) {
        show.addListener(&reports);
        for (const wchar_t* text : {L"A", L"BB", L"CCC"}) show.addItem(CKirunData(text, 1));
    }
    Lane& lane() { return show.laneOf(1); }
    // The captions that enter during `moves` scroll steps of 4 columns.
    Texts Passes(int moves) {
        strip.entered.clear();
        for (int i = 0; i < moves; ++i) lane().onScrollTick(4);
        return strip.entered;
    }
    void Minutes(int minutes) {
        for (int tenth = 0; tenth < minutes * 600; ++tenth) {
            clock.advance(100);
            for (int number = 1; number <= show.laneCount(); ++number) show.clockOf(number).onCountDownTick();
        }
    }

    FakeStrip strip;
    ManualClock clock;
    Show show;
    Reports reports;
};

TEST_F(ShowTest, ItemsGoOnAirByTheirIdsAndEditsOfTheListDisturbNone) {
    ASSERT_TRUE(show.putOnAir(2));
    ASSERT_TRUE(show.putOnAir(0));
    EXPECT_TRUE(strip.moving && strip.counting);
    // CCC entered at once and shows again as the cycle's first.
    EXPECT_EQ((Texts{L"CCC", L"A"}), Passes(20));

    show.deleteItem(1);  // "BB", not on air, before "CCC"
    show.addItem(CKirunData(L"DDDD", 1));
    EXPECT_TRUE(show.onAir(0));
    EXPECT_TRUE(show.onAir(1)) << "CCC, now at position 1, stays on air";
    EXPECT_FALSE(show.onAir(2));
    show.deleteItem(0);
    ASSERT_EQ(1, lane().schedule().count());
    EXPECT_EQ(L"CCC", lane().schedule().at(0).text);
    Minutes(1);
    EXPECT_EQ(std::vector<int>{0}, reports.ended) << "reported by the position CCC has now";
}

TEST_F(ShowTest, TheFileCaptionFreeTextAndCutInAreCaptionsOfTheirOwn) {
    show.showFileCaption(1, L"file", 2);
    show.showFreeText(1, L"free", 1);
    show.putOnAir(0);
    const ShowSnapshot snapshot = show.snapshot();
    ASSERT_EQ(5u, snapshot.rows.size());
    EXPECT_EQ(ShowRow::Kind::File, snapshot.rows[3].kind);
    EXPECT_EQ(120, snapshot.rows[3].secondsLeft);
    EXPECT_EQ(ShowRow::Kind::FreeText, snapshot.rows[4].kind);
    EXPECT_TRUE(snapshot.rows[0].onAir);
    EXPECT_FALSE(snapshot.rows[1].onAir);
    EXPECT_EQ(-1, snapshot.rows[1].secondsLeft);
    EXPECT_EQ(-1, snapshot.cutInRow);

    Minutes(1);
    EXPECT_EQ((std::vector<int>{60001, 0}), reports.ended);
    std::wstring text;
    EXPECT_TRUE(show.captionOnAir(caption_ids::kFile, text));
    EXPECT_GT(show.snapshot().version, snapshot.version);
}

TEST_F(ShowTest, ABatchStartPutsEachNumberOnceAndEverythingRolledIsReportedOnce) {
    EXPECT_FALSE(show.putNumbersOnAir({9}));
    ASSERT_TRUE(show.putNumbersOnAir({3, 1, 3, 9}));
    EXPECT_EQ(2, lane().schedule().count());
    EXPECT_EQ(L"CCC", lane().schedule().at(0).text);
    Minutes(1);
    EXPECT_TRUE(lane().schedule().empty());
    EXPECT_FALSE(strip.counting);
    EXPECT_EQ(0, reports.rollingEnds) << "the last caption still drains";
    int moves = 0;
    while (lane().rolling() && moves < 1000) {
        lane().onScrollTick(4);
        ++moves;
    }
    EXPECT_EQ(1, reports.rollingEnds);
    EXPECT_FALSE(strip.moving);
    EXPECT_GE(moves * 4, FakeStrip::kWidth + 50) << "the drain covers the strip";
}

// A cut-in interrupts the caption on the strip; once it is off air that caption is due again,
// even when a list item before it was deleted meanwhile.
TEST_F(ShowTest, ACutInResumesTheCaptionItCutShortAfterADeletion) {
    for (int position : {0, 1, 2}) show.putOnAir(position);
    Passes(8);  // A, on an idle strip, and again as the cycle's first; BB enters
    ASSERT_EQ(L"BB", lane().currentText());
    show.cutIn(1, L"XYZ", 1, false);
    EXPECT_EQ(L"XYZ", lane().currentText()) << "at once";
    show.deleteItem(0);
    EXPECT_EQ((Texts{L"XYZ", L"XYZ"}), Passes(18));
    ASSERT_TRUE(show.takeOffAir(caption_ids::kCutIn));
    const Texts after = Passes(20);
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(L"BB", after[0]) << "the caption cut short comes back first";
    EXPECT_EQ(L"CCC", after[1]);
}

TEST_F(ShowTest, DisplayTimesFollowTheClockNotTheNumberOfTicks) {
    show.putOnAir(0);
    clock.advance(59900);
    lane().onCountDownTick();  // one late tick carries the whole time that passed
    EXPECT_TRUE(show.onAir(0));
    EXPECT_EQ(1, show.tenthsLeft(show.captionList().at(0).m_id));
    for (int tick = 0; tick < 50; ++tick) lane().onCountDownTick();  // ticks with no time between
    EXPECT_TRUE(show.onAir(0));
    clock.advance(100);
    lane().onCountDownTick();
    EXPECT_FALSE(show.onAir(0));
}

// Each caption entering the strips is the lane's next entry, told as kEntered in a new version: its
// number, ">" following a caption, "|" from blank strips (after a cut-in, 今すぐ消去, a new layout,
// and while they have not moved since), its text, "+" while the lane rolls.
TEST_F(ShowTest, EveryCaptionEnteringIsAnEntryThatSaysWhetherTheStripsWereBlank) {
    const struct { std::function<void()> act; const wchar_t* entry; } steps[] = {
        {[&] { show.putOnAir(0); }, L"1 |A+"},          {[&] { Passes(4); }, L"2> A+"},
        {[&] { show.putOnAir(1); }, L"2> A+"},          {[&] { show.cutIn(1, L"XYZ", 1, false); }, L"3 |XYZ+"},
        {[&] { show.takeEverythingOffAir(1), show.blankNow(1); }, L"4 |-"},
        {[&] { show.putOnAir(2); }, L"5 |CCC+"},        {[&] { Passes(9); }, L"6> CCC+"},
        {[&] { lane().onStripsLaidOut(); }, L"7 |CCC+"}, {[&] { Minutes(1), Passes(40); }, L"8  -"},
    };
    for (const auto& s : steps) {
        const unsigned long long version = show.version(), number = show.snapshot().entries.at(0).number;
        s.act();
        const LaneEntry e = show.snapshot().entries.at(0);
        const std::wstring marks = std::wstring(e.follows ? L">" : L" ") + (e.fromBlank ? L"|" : L" ");
        EXPECT_EQ(s.entry, std::to_wstring(e.number) + marks + e.text + (e.rolling ? L"+" : L"-"));
        EXPECT_EQ(e.number, reports.enteredLanes.size()) << s.entry << ": one kEntered an entry";
        EXPECT_TRUE(e.number == number || show.version() > version) << s.entry;
        EXPECT_EQ(lane().captionWidth(), e.width) << s.entry;
    }
}

// Three strips of one lane at 96, 120 and 144 DPI: each draws the caption at its own width and
// shows the same point of the text after every move.
TEST(ViewTracks, StripsOfOtherScalesShowTheSamePointOfTheText) {
    const int laneWidth = 397;
    const int widths[] = {laneWidth, 496, 595};
    ViewTrack tracks[3];
    for (int i = 0; i < 3; ++i) tracks[i].enter(widths[i], laneWidth);
    long long lane = 0;
    for (int step : {1, 7, 3, 60, 2, 200, 125}) {
        lane += step;
        for (int i = 0; i < 3; ++i) {
            tracks[i].follow(lane);
            EXPECT_NEAR(static_cast<double>(lane) / laneWidth, static_cast<double>(tracks[i].position()) / widths[i],
                        1.0 / widths[i])
                << "strip " << i << " at lane column " << lane;
        }
    }
    ASSERT_EQ(laneWidth + 1, lane);
    for (int i = 0; i < 3; ++i) EXPECT_GE(tracks[i].position(), widths[i]) << "every strip has passed its caption";
    EXPECT_EQ(150, laneColumnsFor(225, 144, 96)) << "a strip at 144 DPI drains in fewer lane columns";
    EXPECT_EQ(1, laneColumnsFor(1, 144, 96)) << "rounded up";
}

// The captions a strip joining mid-pass draws left of the current one: as many of the newest as
// cover the columns asked for; the oldest go once the newer ones cover any strip, or are too many.
TEST(PassedCaptionsKept, NewestCoverTheColumnsAskedForAndTheKeptAreBounded) {
    PassedCaptions passed;
    passed.passed(L"never moved", false, 100, 0);
    for (long long columns : {300, 500, 200}) passed.passed(L"caption", true, 290, columns);
    ASSERT_EQ(3u, passed.size()) << "a caption that never moved is not kept";
    const struct {
        long long columns;
        size_t first;
    } cases[] = {{0, 3}, {1, 2}, {200, 2}, {201, 1}, {700, 1}, {701, 0}, {100000, 0}};
    for (const auto& c : cases) EXPECT_EQ(c.first, passed.firstCovering(c.columns)) << c.columns;

    for (int i = 0; i < 100; ++i) passed.passed(L"wide", false, 1000, 1000);
    EXPECT_EQ(PassedCaptions::kKeptColumns / 1000 + 1, static_cast<long long>(passed.size()));
    EXPECT_EQ(L"wide", passed.at(0).text);
    for (size_t i = 0; i < 2 * PassedCaptions::kKeptCaptions; ++i) passed.passed(std::wstring(), false, 5, 1);
    EXPECT_EQ(PassedCaptions::kKeptCaptions, passed.size());
}

// Two lanes side by side: each has its own captions, clock work and end.
TEST(TwoLanes, DoNotDisturbEachOther) {
    struct Ends : LaneListener {
        std::vector<CaptionId> ended;
        int rolled = 0;
        void captionEnded(CaptionId id) override { ended.push_back(id); }
        void rollingEnded() override { ++rolled; }
    };
    FakeStrip firstStrip, secondStrip;
    ManualClock clock;
    Ends firstEnds, secondEnds;
    Lane first(firstStrip, firstEnds, clock);
    Lane second(secondStrip, secondEnds, clock);
    first.addKirun(20, L"one", 1);
    second.addKirun(20, L"two", 2);
    second.cutIn(L"cut", 1, false);
    EXPECT_EQ(L"one", first.currentText());
    EXPECT_EQ(L"cut", second.currentText());
    for (int tenth = 0; tenth < 600; ++tenth) {
        clock.advance(100);
        first.onCountDownTick();
        second.onCountDownTick();
    }
    EXPECT_EQ(std::vector<CaptionId>{20}, firstEnds.ended);
    EXPECT_EQ(std::vector<CaptionId>{caption_ids::kCutIn}, secondEnds.ended);
    EXPECT_FALSE(firstStrip.counting);
    EXPECT_TRUE(secondStrip.counting);
    while (first.rolling()) first.onScrollTick(4);
    EXPECT_EQ(1, firstEnds.rolled);
    EXPECT_TRUE(second.rolling());
    EXPECT_EQ(0, secondEnds.rolled);
    EXPECT_EQ(0, secondStrip.scrolled) << "moving one lane moves no strip of the other";
}

}  // namespace

namespace {

// The show with a second lane on a strip of its own; item 1 ("A") goes on lane 1, item 4
// ("DD") on lane 2.
class ShowLanesTest : public ShowTest {
protected:
    ShowLanesTest() {
        EXPECT_EQ(2, show.addLane(second));
        CKirunData onLane2(L"DD", 1);
        onLane2.m_lane = 2;
        show.addItem(onLane2);
    }
    Lane& lane2() { return show.laneOf(2); }
    void Drain(Lane& lane) {
        for (int moves = 0; lane.rolling() && moves < 1000; ++moves) lane.onScrollTick(4);
    }

    FakeStrip second;
};

TEST_F(ShowLanesTest, ACutInOnOneLaneLeavesTheOtherRollingAndTheSnapshotNamesLanes) {
    ASSERT_TRUE(show.putOnAir(0));
    ASSERT_TRUE(show.putOnAir(3));
    EXPECT_EQ(L"A", lane().currentText());
    EXPECT_EQ(L"DD", lane2().currentText()) << "an item goes on the lane it names";
    ASSERT_TRUE(show.cutIn(2, L"XYZ", 1, false));
    EXPECT_EQ(L"XYZ", lane2().currentText());
    EXPECT_EQ(L"A", lane().currentText());
    EXPECT_FALSE(show.cutIn(3, L"no", 1, false)) << "a lane the show does not hold";

    const ShowSnapshot snapshot = show.snapshot();
    std::vector<int> lanes;
    for (const ShowRow& row : snapshot.rows) lanes.push_back(row.lane);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 2, 2}), lanes);
    EXPECT_EQ(ShowRow::Kind::CutIn, snapshot.rows[4].kind);
    EXPECT_EQ(-1, snapshot.cutInRow) << "cutInRow stays lane 1's";
    ASSERT_EQ(2u, snapshot.lanes.size());
    EXPECT_FALSE(snapshot.lanes[0].cutIn);
    EXPECT_TRUE(snapshot.lanes[1].cutIn);
    EXPECT_EQ(L"XYZ", snapshot.entries.at(1).text) << "one entry a lane";
    EXPECT_EQ((std::vector<int>{1, 2, 2}), reports.enteredLanes) << "each entry names its lane";

    Minutes(1);
    EXPECT_EQ((std::vector<int>{1, 2, 2}), reports.endedLanes) << "each caption's end names its lane";
}

TEST_F(ShowLanesTest, RollingEndsLaneByLaneAndOnceForAllWhenTheLastEnds) {
    show.putOnAir(0);
    show.putOnAir(3);
    Minutes(1);
    Drain(lane());
    EXPECT_EQ(std::vector<int>{1}, reports.rolledOutLanes);
    EXPECT_EQ(0, reports.rollingEnds) << "lane 2 still drains";
    Drain(lane2());
    EXPECT_EQ((std::vector<int>{1, 2}), reports.rolledOutLanes);
    EXPECT_EQ(1, reports.rollingEnds);
}

TEST_F(ShowLanesTest, ClearingNamesItsLaneOrEveryLane) {
    const struct {
        int lane;
        bool lane1Cleared, lane2Cleared;
        std::vector<int> positions;
    } cases[] = {{1, true, false, {0}}, {2, false, true, {3}}, {CaptionCommand::kEveryLane, true, true, {0, 3}}, {3, false, false, {}}};
    for (const auto& c : cases) {
        show.putOnAir(0);
        show.putOnAir(3);
        show.showFreeText(1, L"one", 1);
        show.showFreeText(2, L"two", 1);
        EXPECT_EQ(c.positions, show.takeEverythingOffAir(c.lane)) << c.lane;
        EXPECT_EQ(c.lane1Cleared, lane().schedule().empty()) << c.lane;
        EXPECT_EQ(c.lane2Cleared, lane2().schedule().empty()) << c.lane;
        EXPECT_EQ(c.lane1Cleared || c.lane2Cleared, show.blankNow(c.lane)) << "the cleared lanes were rolling";
        show.takeEverythingOffAir(CaptionCommand::kEveryLane);
    }
}

TEST_F(ShowLanesTest, EachLaneIsShownOnItsOwnAndLanesComeAndGo) {
    EXPECT_TRUE(show.setShown(2, false));
    EXPECT_FALSE(second.shown);
    EXPECT_TRUE(strip.shown);
    EXPECT_FALSE(show.setShown(5, false));
    const ShowSnapshot snapshot = show.snapshot();
    EXPECT_TRUE(snapshot.stripShown);
    EXPECT_FALSE(snapshot.lanes[1].shown);

    FakeStrip third, fourth, fifth;
    EXPECT_EQ(3, show.addLane(third));
    EXPECT_EQ(4, show.addLane(fourth));
    EXPECT_EQ(0, show.addLane(fifth)) << "four lanes at most";
    show.setLaneName(4, L"last");
    show.showFreeText(2, L"two", 1);
    EXPECT_FALSE(show.removeLane(1));
    EXPECT_TRUE(show.removeLane(2));
    EXPECT_FALSE(show.captionOnAir(2, caption_ids::kFreeText)) << "its captions left the air";
    ASSERT_EQ(3, show.laneCount());
    EXPECT_EQ(L"last", show.snapshot().lanes[2].name) << "later lanes moved down";
    EXPECT_EQ(3, show.snapshot().lanes[2].number);
}

// The status line says 表示OFF中 as ever with one lane, and names the hidden lanes with more.
TEST(StatusLineLanes, SaysWhichLanesAreHidden) {
    const struct {
        bool lane1Shown;
        std::vector<LaneState> lanes;
        std::wstring line;
    } cases[] = {
        {false, {}, L"表示OFF中"},
        {false, {{1, L"", true, false}}, L"表示OFF中"},
        {true, {{1, L"", true, false}, {2, L"", true, false}}, L""},
        {false, {{1, L"", true, false}, {2, L"", false, false}, {3, L"", true, false}},
         L"レーン1 表示OFF中\x3000レーン2 表示OFF中"},
    };
    for (const auto& c : cases) {
        StatusFacts facts;
        facts.stripShown = c.lane1Shown;
        facts.lanes = c.lanes;
        EXPECT_EQ(c.line, statusLineText(facts)) << c.lanes.size();
    }
}

}  // namespace
