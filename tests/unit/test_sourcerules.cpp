// The rules between parsed entries and what goes on air: settings bounds, captions and cut-in
// texts, which entries may cut in, update in place, the alert baseline and the pause after failures.
#include <gtest/gtest.h>

#include "feeds/AlertWatch.h"
#include "feeds/SourceItems.h"
#include "feeds/SourceWorker.h"
#include "feeds/UpdatePlan.h"
#include "framework/WideText.h"
#include "model/KirunData.h"

namespace {

FeedEntry entry(const std::wstring& id, const std::wstring& title, const std::wstring& summary = L"",
                const std::wstring& author = L"", const std::wstring& area = L"", const std::wstring& event = L"") {
    FeedEntry e;
    e.id = id;
    e.title = title;
    e.summary = summary;
    e.author = author;
    e.area = area;
    e.event = event;
    return e;
}

std::wstring titles(const std::vector<FeedEntry>& entries) {
    std::wstring text;
    for (const FeedEntry& e : entries) text += e.title + L";";
    return text;
}

TEST(SourceSettings, LoadedValuesAreBroughtWithinBounds) {
    SourceSettings s;
    s.exec = 7;
    s.refreshSeconds = 3;
    s.maxItems = 9000;
    s.cutInMinutes = 0;
    s.mode = static_cast<SourceMode>(5);
    s.format = static_cast<SourceFormat>(-2);
    s.url = L"  \"C:\\feeds\\news.xml\"  ";
    s.prefix = std::wstring(5000, L'x');
    boundSourceSettings(s);
    EXPECT_EQ(1, s.exec);
    EXPECT_EQ(SourceSettings::kMinRefreshSeconds, s.refreshSeconds);
    EXPECT_EQ(SourceSettings::kMaxMaxItems, s.maxItems);
    EXPECT_EQ(1, s.cutInMinutes);
    EXPECT_EQ(SourceMode::Cycle, s.mode);
    EXPECT_EQ(SourceFormat::Auto, s.format);
    EXPECT_EQ(L"C:\\feeds\\news.xml", s.url);
    EXPECT_EQ(SourceSettings::kMaxTextLength, s.prefix.size());
    s.maxItems = 0;
    s.refreshSeconds = 100000000;
    boundSourceSettings(s);
    EXPECT_EQ(1, s.maxItems);
    EXPECT_EQ(SourceSettings::kMaxRefreshSeconds, s.refreshSeconds);

    for (SourceFormat f : {SourceFormat::Auto, SourceFormat::Rss, SourceFormat::Atom, SourceFormat::Cap, SourceFormat::Json,
                           SourceFormat::Csv, SourceFormat::Text})
        EXPECT_EQ(f, sourceFormatFromName(sourceFormatName(f)));
    EXPECT_EQ(SourceFormat::Cap, sourceFormatFromName(L" CAP "));
    EXPECT_EQ(SourceFormat::Auto, sourceFormatFromName(L"yaml"));
    EXPECT_TRUE(isHttpUrl(L"HTTPS://x"));
    EXPECT_FALSE(isHttpUrl(L"file:///C:/x"));
    EXPECT_EQ((std::vector<std::wstring>{L"地震", L"津波"}), splitBarList(L" 地震 || 津波 |"));
}

TEST(SourceItems, CaptionsTakePrefixBoundsAndKeys) {
    SourceSettings s;
    s.prefix = L"【ニュース】";
    s.maxItems = 5;
    // Entries that share an id are told apart by their text; one that repeats both is left out.
    const std::vector<FeedEntry> entries = {entry(L"a", L"一"), entry(L"", L"二"), entry(L"a", L"same id"), entry(L"", L""),
                                            entry(L"", L"二"), entry(L"a", L"一"), entry(L"a", L"same id"),
                                            entry(L"a", L"again"), entry(L"", std::wstring(2000, L'x')), entry(L"", L"past max")};
    const std::vector<SourceItem> items = cycleItems(entries, s);
    ASSERT_EQ(5u, items.size());
    EXPECT_EQ(L"id:a", items[0].key);
    EXPECT_EQ(L"【ニュース】一", items[0].text);
    EXPECT_EQ(L"text:【ニュース】二", items[1].key);
    EXPECT_EQ(L"id:a\n【ニュース】same id", items[2].key);
    EXPECT_EQ(L"【ニュース】again", items[3].text);
    EXPECT_EQ(kMaxCaptionTextCells, fw::CellsOf(items[4].text));

    EXPECT_EQ(L"【ニュース】見出し：本文", cutInText(entry(L"", L"見出し", L"本文"), s));
    EXPECT_EQ(L"【ニュース】見出し", cutInText(entry(L"", L"見出し"), s));
}

TEST(SourceItems, MatchAndAreaChooseWhatCutsIn) {
    const FeedEntry quake = entry(L"1", L"Earthquake info", L"強い揺れ", L"気象庁", L"石川県能登", L"地震");
    const struct {
        const wchar_t* match;
        const wchar_t* area;
        bool passes;
    } kCases[] = {
        {L"", L"", true},          {L"earthquake", L"", true},  {L"地震", L"", true},     {L"津波|EARTH", L"", true},
        {L"津波", L"", false},     {L"", L"能登", true},         {L"", L"気象庁", true},   {L"", L"揺れ", true},
        {L"地震", L"大阪|", false}, {L"info", L"東京|石川", true},
    };
    for (size_t i = 0; i < sizeof(kCases) / sizeof(kCases[0]); ++i)
        EXPECT_EQ(kCases[i].passes, entryMatches(quake, splitBarList(kCases[i].match), splitBarList(kCases[i].area))) << "case " << i;
}

TEST(UpdatePlan, ItemsKeepTheirPlaceJoinAndLeaveByKey) {
    const std::vector<std::wstring> onAir = {L"id:1", L"id:2", L"text:old", L"id:2"};
    const std::vector<SourceItem> items = {{L"id:3", L"three"}, {L"id:2", L"two, edited"}, {L"text:new", L"new"},
                                           {L"id:1", L"one"}, {L"id:3", L"again"}};
    const UpdatePlan plan = planUpdate(onAir, items);
    EXPECT_EQ((std::vector<std::pair<size_t, size_t>>{{0, 3}, {1, 1}}), plan.stay);
    EXPECT_EQ((std::vector<size_t>{0, 2}), plan.join);
    EXPECT_EQ((std::vector<size_t>{2}), plan.leave);

    const UpdatePlan first = planUpdate({}, items);
    EXPECT_EQ((std::vector<size_t>{0, 1, 2, 3}), first.join);  // the doubled key joins once
    EXPECT_EQ((std::vector<size_t>{0, 1, 2}), planUpdate(onAir, {}).leave);  // the doubled key leaves once
}

TEST(AlertWatch, TheBaselineCutsNothingAndEachNewEntryCutsInOnce) {
    SourceSettings s;
    s.match = L"警報";
    AlertWatch watch(s);
    EXPECT_TRUE(watch.look({entry(L"1", L"大雨警報"), entry(L"2", L"注意報")}).empty());
    EXPECT_TRUE(watch.baselined());
    // Feeds list the newest first: two new matching entries cut in oldest first.
    EXPECT_EQ(L"暴風警報;洪水警報;", titles(watch.look({entry(L"4", L"洪水警報"), entry(L"n", L"雷注意報"), entry(L"3", L"暴風警報"),
                                                          entry(L"1", L"大雨警報")})));
    EXPECT_EQ(L"", titles(watch.look({entry(L"4", L"洪水警報"), entry(L"3", L"暴風警報")})));
    EXPECT_EQ(L"", titles(watch.look({entry(L"1", L"大雨警報")})));  // back in the feed: seen in this run
    // A seen id with a new title (an alert rewritten under its id) is new; a new id always is.
    EXPECT_EQ(L"大雨特別警報;大雨警報;", titles(watch.look({entry(L"5", L"大雨警報"), entry(L"1", L"大雨特別警報")})));
    EXPECT_EQ(L"", titles(watch.look({entry(L"1", L"大雨特別警報"), entry(L"5", L"大雨警報")})));
    EXPECT_EQ(L"高潮警報;", titles(watch.look({entry(L"", L"高潮警報", L"a"), entry(L"", L"高潮警報", L"a")})));
    watch.reset();
    EXPECT_TRUE(watch.look({entry(L"5", L"波浪警報")}).empty());
}

TEST(AlertWatch, RememberedEntriesAreBounded) {
    AlertWatch watch{SourceSettings()};
    for (int look = 0; look < 12; ++look) {
        std::vector<FeedEntry> entries;
        for (int i = 0; i < 1000; ++i) entries.push_back(entry(std::to_wstring(look * 1000 + i), L"t"));
        const size_t cutIns = watch.look(entries).size();
        EXPECT_EQ(look == 0 ? 0u : 1000u, cutIns);
        EXPECT_LE(watch.remembered(), AlertWatch::kMaxRemembered);
    }
    std::vector<FeedEntry> latest;
    for (int i = 0; i < 1000; ++i) latest.push_back(entry(std::to_wstring(11000 + i), L"t"));
    EXPECT_TRUE(watch.look(latest).empty());  // the latest look is always remembered
}

TEST(SourceWorker, PauseGrowsAfterFailuresAndNeverDropsBelowTheRefresh) {
    SourceTiming t;
    t.refreshMs = 10000;
    t.longestPauseMs = 60000;
    const struct {
        int failures;
        DWORD pause;
    } kCases[] = {{0, 10000}, {1, 10000}, {2, 20000}, {3, 40000}, {4, 60000}, {40, 60000}};
    for (const auto& c : kCases) EXPECT_EQ(c.pause, pauseAfter(t, c.failures)) << c.failures;
    t.longestPauseMs = 1000;  // shorter than the refresh: the refresh wins
    EXPECT_EQ(10000u, pauseAfter(t, 5));
    SourceSettings s;
    s.refreshSeconds = 7200;
    EXPECT_EQ(7200000u, timingOf(s).longestPauseMs);
}

}  // namespace
