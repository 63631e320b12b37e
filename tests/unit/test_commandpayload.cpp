// The payload one Kirunner process hands another: what is encoded comes back decoded, and
// nothing but a well-formed payload is accepted, whatever bytes arrive.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ScriptTexts.h"
#include "surfaces/CommandPayload.h"
#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace {

using remote::Header;

CaptionCommand Text(const std::string& text, int minutes = 1) {
    CaptionCommand command;
    command.kind = CaptionCommand::kShowText;
    command.text = fw::WideFromCodePage932(text);
    command.minutes = minutes;
    return command;
}

CaptionCommand CutIn(const std::string& text, int minutes) {
    CaptionCommand command = Text(text, minutes);
    command.kind = CaptionCommand::kCutIn;
    return command;
}

CaptionCommand Item(CaptionCommand::Kind kind, int number) {
    CaptionCommand command;
    command.kind = kind;
    command.number = number;
    return command;
}

bool Decode(const std::vector<char>& bytes, CaptionCommand& command) {
    return remote::decodeCommand(remote::kMagic, bytes.data(), bytes.size(), command);
}

// The payload of `command` with its header changed by `change` and `extra` bytes of text more.
std::vector<char> Tampered(const CaptionCommand& command, void (*change)(Header&), int extra = 0) {
    std::vector<char> bytes = remote::encodeCommand(command);
    Header header;
    std::memcpy(&header, bytes.data(), sizeof header);
    change(header);
    std::memcpy(bytes.data(), &header, sizeof header);
    if (extra > 0) bytes.resize(bytes.size() + static_cast<size_t>(extra), 'x');
    if (extra < 0) bytes.resize(bytes.size() - static_cast<size_t>(-extra));
    return bytes;
}

// A text payload with any bytes, as a sender that does not cut would send it; by default one
// of code page 932 text, as older senders send.
std::vector<char> RawText(const std::string& text, std::uint32_t version = remote::kVersionCodePage932) {
    std::vector<char> bytes = remote::encodeCommand(Text("x"));
    Header header;
    std::memcpy(&header, bytes.data(), sizeof header);
    header.version = version;
    header.textBytes = static_cast<std::uint32_t>(text.size());
    std::memcpy(bytes.data(), &header, sizeof header);
    bytes.resize(sizeof header);
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

TEST(CommandPayload, EveryCommandComesBackAsItWasSent) {
    const CaptionCommand sent[] = {Item(CaptionCommand::kShowItem, 3),
                                   Item(CaptionCommand::kHideItem, 60000),
                                   Item(CaptionCommand::kClearAll, 0), Text("速報 news", 60000),
                                   CutIn("臨時ニュース", 5)};
    for (const CaptionCommand& command : sent) {
        CaptionCommand got;
        ASSERT_TRUE(Decode(remote::encodeCommand(command), got)) << command.kind;
        EXPECT_EQ(command.kind, got.kind);
        EXPECT_EQ(command.number, got.number);
        EXPECT_EQ(command.text, got.text);
        EXPECT_EQ(command.minutes, got.minutes);
    }
    EXPECT_EQ(24u, sizeof(Header)) << "the same in 32- and 64-bit programs";
}

// A lane travels with the commands that take one; without one the payload is as before; a lane
// of no lane's number is refused.
TEST(CommandPayload, ALaneComesBackWithTheCommandsThatTakeOne) {
    CaptionCommand sent = CutIn("臨時", 2), got;
    for (std::int32_t lane : {3, CaptionCommand::kEveryLane, CaptionCommand::kLaneUnnamed}) {
        sent.lane = lane;
        ASSERT_TRUE(Decode(remote::encodeCommand(sent), got)) << lane;
        EXPECT_EQ(lane, got.lane);
    }
    EXPECT_EQ(sizeof(Header) + 4, remote::encodeCommand(sent).size());
    sent.lane = 2;
    std::vector<char> bad = remote::encodeCommand(sent);
    for (std::int32_t lane : {0, 5, -2}) {
        std::memcpy(bad.data() + sizeof(Header), &lane, sizeof lane);
        EXPECT_FALSE(Decode(bad, got)) << lane;
    }
}

TEST(CommandPayload, TextsArriveAsOneLineCutAtACharacterBoundary) {
    CaptionCommand got;
    ASSERT_TRUE(Decode(remote::encodeCommand(Text("a\r\nb\nc")), got));
    EXPECT_EQ(L"abc", got.text);

    // 999 bytes, then a double-byte character that would end past the limit, sent by a
    // sender that does not cut.
    ASSERT_TRUE(Decode(RawText(std::string(999, 'x') + "\x82\xa0" + "tail"), got));
    EXPECT_EQ(std::wstring(999, L'x'), got.text);

    // No terminator is needed; a NUL ends the text.
    std::vector<char> bytes = remote::encodeCommand(Text("abc"));
    bytes[sizeof(Header) + 2] = bytes[sizeof(Header) + 3] = '\0';
    ASSERT_TRUE(Decode(bytes, got));
    EXPECT_EQ(L"a", got.text);
    ASSERT_TRUE(Decode(RawText(std::string("a\0bc", 4)), got));
    EXPECT_EQ(L"a", got.text);
}

TEST(CommandPayload, AnythingButAWellFormedPayloadIsRefused) {
    const std::vector<char> good = remote::encodeCommand(Text("abc"));
    CaptionCommand got;
    EXPECT_FALSE(remote::decodeCommand(0x1234, good.data(), good.size(), got)) << "foreign tag";
    EXPECT_FALSE(remote::decodeCommand(remote::kMagic, nullptr, good.size(), got)) << "no data";
    for (size_t size = 0; size < sizeof(Header); ++size)
        EXPECT_FALSE(remote::decodeCommand(remote::kMagic, good.data(), size, got)) << size;

    struct Case {
        const char* what;
        std::vector<char> bytes;
    } cases[] = {
        {"header size", Tampered(Text("abc"), [](Header& h) { h.size = 28; })},
        {"version 0", Tampered(Text("abc"), [](Header& h) { h.version = 0; })},
        {"version 3", Tampered(Text("abc"), [](Header& h) { h.version = 3; })},
        {"odd UTF-16 count", Tampered(Text("abc"), [](Header& h) { h.textBytes = 7; }, 1)},
        {"kind 0", Tampered(Text("abc"), [](Header& h) { h.kind = 0; })},
        {"kind 5", Tampered(Text("abc"), [](Header& h) { h.kind = 5; })},
        {"truncated text", Tampered(Text("abc"), [](Header&) {}, -1)},
        {"oversized", Tampered(Text("abc"), [](Header&) {}, 1)},
        {"huge count", Tampered(Text("abc"), [](Header& h) { h.textBytes = 0xFFFFFFFFu; })},
        {"empty text", Tampered(Text("abc"), [](Header& h) { h.textBytes = 0; }, -6)},
        {"minutes 0", Tampered(Text("abc"), [](Header& h) { h.minutes = 0; })},
        {"minutes 60001", Tampered(Text("abc"), [](Header& h) { h.minutes = 60001; })},
        {"number 0", Tampered(Item(CaptionCommand::kShowItem, 1), [](Header& h) { h.number = 0; })},
        {"number -5", Tampered(Item(CaptionCommand::kHideItem, 1), [](Header& h) { h.number = -5; })},
        {"text on a show", Tampered(Item(CaptionCommand::kShowItem, 1), [](Header& h) { h.textBytes = 2; }, 2)},
        {"text on a clear", Tampered(Item(CaptionCommand::kClearAll, 0), [](Header& h) { h.textBytes = 1; }, 1)},
        {"over the limit", RawText(std::string(70000, 'x'))},
    };
    for (const Case& c : cases) EXPECT_FALSE(Decode(c.bytes, got)) << c.what;
}

// Every sender sends UTF-16: texts of any script arrive exactly; an older sender's code page 932
// text still arrives; a cut to the cell limit never splits a surrogate pair.
TEST(CommandPayload, TextsOfAnyScriptArriveExactlyAndOlderSendersStillGetThrough) {
    std::vector<std::wstring> texts = testing_support::WorldTexts();
    for (const std::wstring& text : testing_support::CodePage932Texts()) texts.push_back(text);
    CaptionCommand got;
    for (const std::wstring& text : texts) {
        CaptionCommand sent = CutIn("", 7);
        sent.text = text;
        const std::vector<char> bytes = remote::encodeCommand(sent);
        EXPECT_EQ(remote::kVersion, reinterpret_cast<const Header*>(bytes.data())->version);
        ASSERT_TRUE(Decode(bytes, got));
        EXPECT_EQ(text, got.text);
        if (!fw::CodePage932Holds(text)) continue;
        ASSERT_TRUE(Decode(RawText(fw::CodePage932FromWide(text)), got)) << "version 1";
        EXPECT_EQ(text, got.text);
    }
    // 999 cells, then an emoji that would end past the limit; a lone surrogate is harmless.
    CaptionCommand sent = Text("");
    sent.text = std::wstring(999, L'x') + L"😀";
    ASSERT_TRUE(Decode(remote::encodeCommand(sent), got));
    EXPECT_EQ(std::wstring(999, L'x'), got.text);
    ASSERT_TRUE(Decode(RawText(fw::Utf16Bytes(sent.text, false), remote::kVersion), got));
    EXPECT_EQ(std::wstring(999, L'x'), got.text) << "from a sender that does not cut";
    ASSERT_TRUE(Decode(RawText(fw::Utf16Bytes(L"a\xD800" L"b", false), remote::kVersion), got));
    EXPECT_EQ(L"a\xD800" L"b", got.text);
}

}  // namespace
