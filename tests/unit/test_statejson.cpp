// The state document of the API for every kind of row the show has, the marks in UTF-8
// whatever the program's code page, and the cut-in given twice: in the rows and on its own.
#include <gtest/gtest.h>

#include "surfaces/OscFeedback.h"
#include "surfaces/StateJson.h"

namespace {

ShowRow rowOf(ShowRow::Kind kind, int number, const wchar_t* text, bool onAir, int secondsLeft) {
    ShowRow row;
    row.kind = kind;
    row.number = number;
    row.text = text;
    row.minutes = 3;
    row.onAir = onAir;
    row.secondsLeft = secondsLeft;
    return row;
}

TEST(StateJson, EveryRowKindWithItsNumberOrMark) {
    ShowSnapshot snapshot;
    snapshot.version = 7;
    snapshot.stripShown = false;
    snapshot.rows = {rowOf(ShowRow::Kind::Item, 1, L"一行目\r\n二行目", false, -1),
                     rowOf(ShowRow::Kind::File, 0, L"ファイルの文章", true, 59),
                     rowOf(ShowRow::Kind::CutIn, 0, L"割り込み \"引用\"", true, 120),
                     rowOf(ShowRow::Kind::FreeText, 0, L"\U0001F600", true, 1),
                     rowOf(ShowRow::Kind::Source, 2, L"天気", false, 30)};
    snapshot.cutInRow = 2;
    const Json state = Json::parse(stateJson(snapshot));
    EXPECT_EQ(state["version"], 7);
    EXPECT_EQ(state["strip"]["shown"], false);
    const struct {
        const char* number;
        const char* kind;
    } expected[] = {{"1", "item"}, {u8"ファイル", "file"}, {u8"割り込み", "cutin"}, {u8"テキスト", "text"}, {u8"ソース2", "source"}};
    ASSERT_EQ(state["rows"].size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(state["rows"][i]["number"], expected[i].number) << i;
        EXPECT_EQ(state["rows"][i]["kind"], expected[i].kind) << i;
    }
    EXPECT_EQ(state["rows"][0]["text"], u8"一行目\r\n二行目");
    EXPECT_EQ(state["rows"][3]["text"], u8"\U0001F600");
    EXPECT_TRUE(state["rows"][0]["secondsLeft"].is_null());
    EXPECT_TRUE(state["rows"][4]["secondsLeft"].is_null()) << "off air: no time left, whatever the show says";
    EXPECT_EQ(state["rows"][1]["secondsLeft"], 59);
    EXPECT_EQ(state["cutIn"], state["rows"][2]);

    snapshot.cutInRow = -1;
    EXPECT_TRUE(Json::parse(stateJson(snapshot))["cutIn"].is_null());
    snapshot.cutInRow = 9;  // a position past the rows is no cut-in
    EXPECT_TRUE(Json::parse(stateJson(snapshot))["cutIn"].is_null());
}

// Every row says its lane; "lanes" lists the show's lanes, and a show that fills none holds
// lane 1 as its strip and cut-in are. OSC feedback tells each lane while there is more than one.
TEST(StateJson, LanesAndEachRowsLane) {
    ShowSnapshot one;
    one.stripShown = false;
    one.rows = {rowOf(ShowRow::Kind::CutIn, 0, L"b", true, 60)};
    one.rows[0].lane = 2;
    one.cutInRow = 0;
    EXPECT_EQ(Json::parse(stateJson(one))["rows"][0]["lane"], 2);
    EXPECT_EQ(Json::parse(stateJson(one))["lanes"], Json::parse(R"([{"number": 1, "name": "", "shown": false, "cutIn": true}])"));
    EXPECT_EQ(2u, feedbackMessages(nullptr, one).size()) << "today's strip and cut-in only";
    ShowSnapshot two = one;
    two.lanes = {LaneState{1, L"", true, false}, LaneState{2, L"下段", false, false}};
    EXPECT_EQ(Json::parse(stateJson(two))["lanes"][1]["name"], u8"下段");
    EXPECT_EQ(4u, feedbackMessages(&one, two).size()) << "every lane, when the second comes";
    ShowSnapshot shown = two;
    shown.lanes[1].shown = true;
    const std::vector<OscFeedbackMessage> told = feedbackMessages(&two, shown);
    ASSERT_EQ(1u, told.size());
    EXPECT_EQ("/kirunner/lane/2/strip", told[0].address);
    EXPECT_EQ(std::vector<int>{1}, told[0].arguments);
}

// A list entry's time on air: its set members only, null without one and on rows that are no
// list entry; when a waiting entry opens and the plays left only where they stand.
TEST(StateJson, ARowsScheduleAndWhetherItWaits) {
    ShowSnapshot snapshot;
    snapshot.rows = {rowOf(ShowRow::Kind::Item, 1, L"a", true, 60), rowOf(ShowRow::Kind::Item, 2, L"b", true, 60),
                     rowOf(ShowRow::Kind::Item, 3, L"c", false, -1), rowOf(ShowRow::Kind::CutIn, 0, L"d", true, 60)};
    snapshot.rows[0].air.window = {"2026-12-24 18:00", "", "22:00-02:00", "135", 0};
    snapshot.rows[0].air.waiting = true;
    ASSERT_TRUE(parseLocalMinute("2026-12-24 22:00", snapshot.rows[0].air.opensAt));
    snapshot.rows[1].air.window.plays = 5;
    snapshot.rows[1].air.playsLeft = 3;
    snapshot.rows[2].air.window.until = "2026-12-24 18:00";
    snapshot.rows[2].air.over = true;
    snapshot.rows[3].air.window.plays = 2;
    const Json rows = Json::parse(stateJson(snapshot))["rows"];
    const Json expected[] = {
        Json::parse(R"({"schedule": {"from": "2026-12-24 18:00", "hours": "22:00-02:00", "days": "135"}, "waiting": true,
                        "opensAt": "2026-12-24 22:00"})"),
        Json::parse(R"({"schedule": {"plays": 5}, "waiting": false, "playsLeft": 3})"),
        Json::parse(R"({"schedule": {"until": "2026-12-24 18:00"}, "waiting": false, "over": true})"),
        Json::parse(R"({"schedule": null, "waiting": false})")};
    for (std::size_t i = 0; i < 4; ++i) {
        Json air;
        for (const char* key : {"schedule", "waiting", "opensAt", "playsLeft", "over"})
            if (rows[i].contains(key)) air[key] = rows[i][key];
        EXPECT_EQ(expected[i], air) << i;
    }
    snapshot.rows[1].onAir = false;
    EXPECT_FALSE(Json::parse(stateJson(snapshot))["rows"][1].contains("playsLeft")) << "off air";
}

}  // namespace
