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
// lane 1 as its strip and cut-in are.
TEST(StateJson, LanesAndEachRowsLane) {
    ShowSnapshot snapshot;
    snapshot.stripShown = false;
    snapshot.rows = {rowOf(ShowRow::Kind::Item, 1, L"a", false, -1), rowOf(ShowRow::Kind::CutIn, 0, L"b", true, 60)};
    snapshot.rows[1].lane = 2;
    snapshot.cutInRow = 1;
    Json state = Json::parse(stateJson(snapshot));
    EXPECT_EQ(state["rows"][0]["lane"], 1);
    EXPECT_EQ(state["rows"][1]["lane"], 2);
    EXPECT_EQ(state["lanes"], Json::parse(R"([{"number": 1, "name": "", "shown": false, "cutIn": true}])"));

    LaneState second;
    second.number = 2;
    second.name = L"下段";
    second.cutIn = true;
    snapshot.lanes = {LaneState(), second};
    state = Json::parse(stateJson(snapshot));
    EXPECT_EQ(state["lanes"], Json::parse(u8R"([{"number": 1, "name": "", "shown": true, "cutIn": false},
                                                {"number": 2, "name": "下段", "shown": true, "cutIn": true}])"));
    EXPECT_EQ(state["strip"]["shown"], false) << "today's fields stay the snapshot's own";
}

std::string Addresses(const std::vector<OscFeedbackMessage>& messages) {
    std::string text;
    for (const OscFeedbackMessage& message : messages)
        text += message.address + (message.arguments.empty() ? "" : "=" + std::to_string(message.arguments.back())) + " ";
    return text;
}

// Lane feedback is told while the show holds more than one lane: whole when the second lane
// comes, then what changed; with one lane, only today's messages.
TEST(OscFeedback, EachLaneIsToldBesideTodaysMessages) {
    ShowSnapshot one;
    EXPECT_EQ("/kirunner/strip=1 /kirunner/cutin=0 ", Addresses(feedbackMessages(nullptr, one)));
    ShowSnapshot two = one;
    LaneState second;
    second.number = 2;
    two.lanes = {LaneState(), second};
    EXPECT_EQ("/kirunner/lane/1/strip=1 /kirunner/lane/1/cutin=0 /kirunner/lane/2/strip=1 /kirunner/lane/2/cutin=0 ",
              Addresses(feedbackMessages(&one, two)));
    ShowSnapshot hidden = two;
    hidden.lanes[1].shown = false;
    hidden.lanes[1].cutIn = true;
    EXPECT_EQ("/kirunner/lane/2/strip=0 /kirunner/lane/2/cutin=1 ", Addresses(feedbackMessages(&two, hidden)));
    EXPECT_EQ("", Addresses(feedbackMessages(&hidden, hidden)));
    EXPECT_EQ("", Addresses(feedbackMessages(&hidden, one))) << "back to one lane: lane 1 unchanged";
}

}  // namespace
