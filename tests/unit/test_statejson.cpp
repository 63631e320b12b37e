// The state document of the API for every kind of row the show has, the marks in UTF-8
// whatever the program's code page, and the cut-in given twice: in the rows and on its own.
#include <gtest/gtest.h>

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

}  // namespace
