// A data source's items in the show with no window: a fake strip, a clock the test moves. Items
// are updated in place without a restart, taken off air until the source changes, alerts wait
// for the cut-in on air, and each source has its row.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "show/Show.h"
#include "sources/SourceCaptions.h"
#include "sources/SourceRowText.h"
#include "tests/support/FakeStrip.h"
#include "tests/support/ManualClock.h"

namespace {

using testing_support::FakeStrip;
using testing_support::ManualClock;
using Texts = std::vector<std::wstring>;

std::vector<SourceItem> Items(const std::vector<std::pair<const wchar_t*, const wchar_t*>>& keysAndTexts) {
    std::vector<SourceItem> items;
    for (const auto& item : keysAndTexts) items.push_back(SourceItem{item.first, item.second});
    return items;
}

class SourceShowTest : public ::testing::Test {
protected:
    SourceShowTest() : show(strip, clock) {}
    void Update(const std::vector<SourceItem>& items) {
        show.applySourceChanges(1, captions.update(items, [this] { return nextId++; }));
    }
    Texts Passes(int moves) {
        strip.entered.clear();
        for (int i = 0; i < moves; ++i) show.laneOf(1).onScrollTick(4);
        return strip.entered;
    }
    void Minutes(int minutes) {
        for (int tenth = 0; tenth < minutes * 600; ++tenth) {
            clock.advance(100);
            show.laneOf(1).onCountDownTick();
        }
    }
    Texts OnAir() const {
        Texts texts;
        for (int i = 0; i < show.laneOf(1).schedule().count(); ++i) texts.push_back(show.laneOf(1).schedule().at(i).text);
        return texts;
    }

    FakeStrip strip;
    ManualClock clock;
    Show show;
    SourceCaptions captions;
    CaptionId nextId = caption_ids::kFirstSource;
};

TEST_F(SourceShowTest, AnUpdateKeepsThePassOnTheStripAndGoneItemsNeverShowAgain) {
    Update(Items({{L"a", L"AA"}, {L"b", L"BB"}, {L"c", L"CC"}}));
    EXPECT_EQ((Texts{L"AA", L"BB", L"CC"}), OnAir());
    Passes(14);  // AA twice (it entered at once, then as the cycle's first), BB 8 columns in
    ASSERT_EQ(L"BB", show.laneOf(1).currentText());
    const int position = show.laneOf(1).position();
    ASSERT_EQ(8, position);
    const long long scrolled = strip.scrolled;

    Update(Items({{L"d", L"DD"}, {L"b", L"BB2"}}));  // a, c gone; b changed; d new
    EXPECT_EQ(L"BB", show.laneOf(1).currentText()) << "the pass on the strip goes on";
    EXPECT_EQ(position, show.laneOf(1).position());
    EXPECT_EQ(scrolled, strip.scrolled) << "no move and no new entry for the update";
    EXPECT_EQ((Texts{L"BB2", L"DD"}), OnAir()) << "b keeps its place, d joins at the end";
    EXPECT_EQ((Texts{L"DD", L"BB2", L"DD", L"BB2"}), Passes(30));
    Minutes(3);
    EXPECT_EQ(2, show.laneOf(1).schedule().count()) << "a source's items have no display time";
    EXPECT_TRUE(show.snapshot().rows.empty()) << "no row for each item";
}

TEST_F(SourceShowTest, TakenOffAirItStaysOffUntilTheSourceChanges) {
    const auto items = Items({{L"a", L"AA"}, {L"b", L"BB"}});
    Update(items);
    const CaptionId first = show.laneOf(1).schedule().at(0).id;
    show.applySourceChanges(1, captions.takeOffAir());
    EXPECT_TRUE(OnAir().empty());
    Update(items);
    EXPECT_TRUE(OnAir().empty()) << "the same items again";
    Update(Items({{L"a", L"AA"}, {L"b", L"BB"}, {L"c", L"CC"}}));
    EXPECT_EQ((Texts{L"AA", L"BB", L"CC"}), OnAir());
    EXPECT_EQ(first, show.laneOf(1).schedule().at(0).id) << "a kept key keeps its id";

    show.takeEverythingOffAir(CaptionCommand::kEveryLane);  // 今すぐ消去 takes the items too
    captions.takenOffAir();
    EXPECT_TRUE(OnAir().empty());
    Update(Items({{L"c", L"CC"}}));
    EXPECT_EQ((Texts{L"CC"}), OnAir());
    show.applySourceChanges(1, captions.clear());
    EXPECT_TRUE(OnAir().empty());
}

TEST_F(SourceShowTest, AlertsArrivingTogetherFollowOneAnother) {
    show.addItem(CKirunData(L"item", 5));
    show.putOnAir(0);
    show.queueCutIn(1, L"first", 1, false);
    show.queueCutIn(1, L"second", 2, false);
    show.queueCutIn(1, L"third", 1, false);
    std::wstring text;
    ASSERT_TRUE(show.captionOnAir(caption_ids::kCutIn, text));
    EXPECT_EQ(L"first", text);
    EXPECT_EQ(2u, show.cutInsWaiting(1));
    Minutes(1);  // first's time is up: second follows
    ASSERT_TRUE(show.captionOnAir(caption_ids::kCutIn, text));
    EXPECT_EQ(L"second", text);
    EXPECT_EQ(120, show.snapshot().rows.at(static_cast<size_t>(show.snapshot().cutInRow)).secondsLeft);
    show.takeOffAir(caption_ids::kCutIn);  // 割り込み終了: the next one at once
    ASSERT_TRUE(show.captionOnAir(caption_ids::kCutIn, text));
    EXPECT_EQ(L"third", text);
    show.queueCutIn(1, L"fourth", 1, false);
    show.takeEverythingOffAir(CaptionCommand::kEveryLane);
    EXPECT_FALSE(show.captionOnAir(caption_ids::kCutIn, text));
    EXPECT_EQ(0u, show.cutInsWaiting(1));
}

TEST_F(SourceShowTest, EachSourceHasItsRowAfterTheCaptions) {
    show.addItem(CKirunData(L"item", 1));
    show.showFileCaption(1, L"file", 1);
    const unsigned long long before = show.version();
    show.setSourceRows({SourceRow{SourceRow::State::OnAir, L"ニュース　2件 15:04:05"}, SourceRow{}});
    EXPECT_GT(show.version(), before);
    const ShowSnapshot snapshot = show.snapshot();
    ASSERT_EQ(4u, snapshot.rows.size());
    EXPECT_EQ(ShowRow::Kind::Source, snapshot.rows[2].kind);
    EXPECT_EQ(1, snapshot.rows[2].number);
    EXPECT_TRUE(snapshot.rows[2].onAir);
    EXPECT_EQ(-1, snapshot.rows[2].secondsLeft);
    EXPECT_EQ(2, snapshot.rows[3].number);
    EXPECT_FALSE(snapshot.rows[3].onAir);
}

TEST(SourceRowText, WhatTheRowSays) {
    SourceSettings news;
    news.name = L"ニュース";
    SourceLooks read;
    read.on = read.looked = true;
    read.count = 12;
    read.hour = 15, read.minute = 4, read.second = 5;
    SourceLooks failed = read;
    failed.failure = L"HTTP 500";
    SourceLooks takenOff = read;
    takenOff.takenOff = true;
    SourceLooks waiting;
    waiting.on = true;
    waiting.failure = L"the connection was dropped";
    const struct {
        SourceLooks looks;
        const wchar_t* text;
    } cases[] = {
        {SourceLooks(), L"ニュース　停止中"},
        {read, L"ニュース　12件 15:04:05"},
        {failed, L"ニュース　取得できません: HTTP 500（前回 12件 15:04:05）"},
        {takenOff, L"ニュース　12件 15:04:05（表示から外しています）"},
        {waiting, L"ニュース　取得できません: 接続が切れました"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, sourceRowText(news, c.looks));
    EXPECT_EQ(L"応答が大きすぎます（上限 8 MiB）", sourceReasonText(L"the answer is larger than 8 MiB"));
    EXPECT_EQ(L"サーバーの証明書を信頼できません（信頼された発行元のものではありません）",
              sourceReasonText(L"the server's certificate was refused: it is not issued by a trusted authority"));
    EXPECT_EQ(L"something new", sourceReasonText(L"something new"));
}

TEST(SourceRowText, ASourceWithoutANameIsCalledByItsHostOrFileName) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"HTTP://token@alerts.example.jp?key=secret", L"alerts.example.jp"},
        {L"C:\\共有\\alerts.xml", L"alerts.xml"},
    };
    SourceSettings settings;
    for (const auto& c : cases) {
        settings.url = c.first;
        EXPECT_EQ(c.second, sourceShownName(settings)) << c.first;
    }
}

}  // namespace
