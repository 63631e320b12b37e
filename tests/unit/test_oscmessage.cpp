// OSC packets as a show-control system (or an attacker on the network) sends them: every
// address with its arguments, and packets that must change nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "model/OscMessage.h"
#include "model/OscSenders.h"
#include "Cp932.h"

namespace {

// An OSC string: the bytes, a NUL, and NULs to a multiple of four.
std::string Str(const std::string& text) {
    std::string padded = text;
    padded.append(4 - text.size() % 4, '\0');
    return padded;
}
std::string Int(std::int32_t value) {
    const auto word = static_cast<std::uint32_t>(value);
    return {static_cast<char>(word >> 24), static_cast<char>(word >> 16), static_cast<char>(word >> 8),
            static_cast<char>(word)};
}
std::string Float(float value) {
    std::int32_t word;
    std::memcpy(&word, &value, sizeof word);
    return Int(word);
}
std::string Msg(const std::string& address, const std::string& tags, const std::string& arguments = "") {
    return Str(address) + Str(tags) + arguments;
}

const char kRinji[] = "\xE8\x87\xA8\xE6\x99\x82";  // 臨時 in UTF-8

TEST(OscMessage, EveryAddressGivesItsCommand) {
    const struct {
        std::string packet;
        CaptionCommand::Kind kind;
        int number;
        int minutes;
        std::wstring text;
    } cases[] = {
        {Msg("/kirunner/show", ",i", Int(3)), CaptionCommand::kShowItem, 3, 1, L""},
        {Msg("/kirunner/hide", ",i", Int(12)), CaptionCommand::kHideItem, 12, 1, L""},
        {Msg("/kirunner/clear", ","), CaptionCommand::kClearAll, 0, 1, L""},
        {Msg("/kirunner/text", ",s", Str(kRinji)), CaptionCommand::kShowText, 0, 1, L"臨時"},
        {Msg("/kirunner/text", ",si", Str("abc") + Int(60000)), CaptionCommand::kShowText, 0, 60000, L"abc"},
        {Msg("/kirunner/text", ",sf", Str("abc") + Float(2.6f)), CaptionCommand::kShowText, 0, 3, L"abc"},
        {Msg("/kirunner/text", ",s", Str("a\r\nb\xF0\x9F\x98\x80")), CaptionCommand::kShowText, 0, 1, L"ab\U0001F600"},
        {Msg("/kirunner/text", ",s", Str("\xED\x95\x9C\xEA\xB5\xAD")), CaptionCommand::kShowText, 0, 1, L"한국"},
        {Msg("/kirunner/cutin", ",si", Str(kRinji) + Int(5)), CaptionCommand::kCutIn, 0, 5, L"臨時"},
        {Msg("/kirunner/strip", ",i", Int(0)), CaptionCommand::kShowStrip, 0, 1, L""},
        {Msg("/kirunner/strip", ",i", Int(1)), CaptionCommand::kShowStrip, 1, 1, L""},
        {Msg("/kirunner/source", ",ii", Int(2) + Int(0)), CaptionCommand::kSwitchSource, 2, 0, L""},
        {Msg("/kirunner/source", ",ii", Int(16) + Int(1)), CaptionCommand::kSwitchSource, 16, 1, L""},
        // A datagram of nearly 64 KiB is taken; its text is cut like a command line's.
        {Msg("/kirunner/text", ",s", Str(std::string(65000, 'x'))), CaptionCommand::kShowText, 0, 1,
         std::wstring(1000, L'x')},
    };
    for (const auto& c : cases) {
        CaptionCommand command;
        SCOPED_TRACE(c.packet.substr(0, 40));
        ASSERT_EQ(OscParse::kCommand, parseOscMessage(c.packet.data(), c.packet.size(), command));
        EXPECT_EQ(c.kind, command.kind);
        EXPECT_EQ(c.number, command.number);
        EXPECT_EQ(c.minutes, command.minutes);
        EXPECT_EQ(c.text, command.text);
    }
}

// Today's addresses name no lane; the lane addresses name theirs, for what a lane has of its own.
TEST(OscMessage, LaneAddressesNameTheirLane) {
    const struct {
        std::string packet;
        OscParse parse;
        int lane;
    } cases[] = {
        {Msg("/kirunner/clear", ","), OscParse::kCommand, CaptionCommand::kLaneUnnamed},
        {Msg("/kirunner/lane/2/strip", ",i", Int(0)), OscParse::kCommand, 2},
        {Msg("/kirunner/lane/4/text", ",s", Str("a")), OscParse::kCommand, 4},
        {Msg("/kirunner/lane/1/cutin", ",si", Str("a") + Int(3)), OscParse::kCommand, 1},
        {Msg("/kirunner/lane/3/clear", ","), OscParse::kCommand, 3},
        {Msg("/kirunner/lane/2/clear", ",i", Int(1)), OscParse::kMalformed, 0},
        {Msg("/kirunner/lane/2/show", ",i", Int(1)), OscParse::kUnknownAddress, 0},
        {Msg("/kirunner/lane/5/strip", ",i", Int(1)), OscParse::kUnknownAddress, 0},
        {Msg("/kirunner/lane//strip", ",i", Int(1)), OscParse::kUnknownAddress, 0},
    };
    for (const auto& c : cases) {
        CaptionCommand command;
        EXPECT_EQ(c.parse, parseOscMessage(c.packet.data(), c.packet.size(), command)) << c.packet.substr(0, 24);
        EXPECT_EQ(c.lane, command.lane) << c.packet.substr(0, 24);
    }
}

TEST(OscMessage, HostilePacketsAreRefusedWhole) {
    const std::string clear = Msg("/kirunner/clear", ",");
    std::string paddingNotNul = clear;
    paddingNotNul[15] = 'x';
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* what;
        std::string packet;
        OscParse outcome;
    } cases[] = {
        {"empty", "", OscParse::kMalformed},
        {"cut to a length not a multiple of four", clear.substr(0, clear.size() - 1), OscParse::kMalformed},
        {"trailing garbage", clear + Int(7), OscParse::kMalformed},
        {"address without NUL", "/kirunner/clearxxxxx", OscParse::kMalformed},
        {"padding that is not NUL", paddingNotNul, OscParse::kMalformed},
        {"string argument without NUL", Str("/kirunner/text") + Str(",s") + "abcd", OscParse::kMalformed},
        {"no type tags", Str("/kirunner/clear"), OscParse::kMalformed},
        {"type tags without comma", Msg("/kirunner/show", "i", Int(1)), OscParse::kMalformed},
        {"address not starting with /", Msg("kirunner/clear", ","), OscParse::kMalformed},
        {"bundle", Str("#bundle") + Int(0) + Int(1) + Int(16) + clear, OscParse::kMalformed},
        {"tag with too few bytes", Msg("/kirunner/show", ",i"), OscParse::kMalformed},
        {"blob argument", Msg("/kirunner/show", ",b", Int(4) + Int(1)), OscParse::kMalformed},
        {"show with a string", Msg("/kirunner/show", ",s", Str("1")), OscParse::kMalformed},
        {"show without a number", Msg("/kirunner/show", ","), OscParse::kMalformed},
        {"show 0", Msg("/kirunner/show", ",i", Int(0)), OscParse::kMalformed},
        {"hide with two numbers", Msg("/kirunner/hide", ",ii", Int(1) + Int(2)), OscParse::kMalformed},
        {"clear with an argument", Msg("/kirunner/clear", ",i", Int(1)), OscParse::kMalformed},
        {"text without a string", Msg("/kirunner/text", ","), OscParse::kMalformed},
        {"text empty", Msg("/kirunner/text", ",s", Str("")), OscParse::kMalformed},
        {"text of line breaks only", Msg("/kirunner/text", ",s", Str("\r\n")), OscParse::kMalformed},
        {"text not UTF-8", Msg("/kirunner/text", ",s", Str("\x97\xD5")), OscParse::kMalformed},
        {"text 0 minutes", Msg("/kirunner/text", ",si", Str("a") + Int(0)), OscParse::kMalformed},
        {"text 60001 minutes", Msg("/kirunner/text", ",si", Str("a") + Int(60001)), OscParse::kMalformed},
        {"text NaN minutes", Msg("/kirunner/text", ",sf", Str("a") + Float(nan)), OscParse::kMalformed},
        {"cutin without a string", Msg("/kirunner/cutin", ",i", Int(5)), OscParse::kMalformed},
        {"strip 2", Msg("/kirunner/strip", ",i", Int(2)), OscParse::kMalformed},
        {"source 0", Msg("/kirunner/source", ",ii", Int(0) + Int(1)), OscParse::kMalformed},
        {"source switched 2", Msg("/kirunner/source", ",ii", Int(1) + Int(2)), OscParse::kMalformed},
        {"source without its switch", Msg("/kirunner/source", ",i", Int(1)), OscParse::kMalformed},
        {"source switch as a float", Msg("/kirunner/source", ",if", Int(1) + Float(1.0f)), OscParse::kMalformed},
        {"over 64 KiB", Msg("/kirunner/text", ",s", Str(std::string(65520, 'x'))), OscParse::kMalformed},
        {"unknown address of the program", Msg("/kirunner/quit", ","), OscParse::kUnknownAddress},
        {"address of another program", Msg("/cue/1/go", ","), OscParse::kUnknownAddress},
    };
    for (const auto& c : cases) {
        CaptionCommand command;
        command.text = L"untouched";
        EXPECT_EQ(c.outcome, parseOscMessage(c.packet.data(), c.packet.size(), command)) << c.what;
        EXPECT_EQ(L"untouched", command.text) << c.what;
    }
}

TEST(OscSenders, LoopbackAlwaysAndListedAddressesOnly) {
    const OscSenders senders = parseOscSenders(" 192.168.1.20, ,10.0.0.7,host.local,1.2.3,1.2.3.256,01.2.3.4444");
    EXPECT_EQ((std::vector<std::string>{"host.local", "1.2.3", "1.2.3.256", "01.2.3.4444"}), senders.rejected);
    const struct {
        std::uint32_t address;
        bool allowed;
    } cases[] = {
        {0x7F000001, true}, {0x7F0A0B0C, true}, {0xC0A80114, true}, {0x0A000007, true},
        {0xC0A80115, false}, {0x0A000008, false}, {0x00000000, false}, {0x80000001, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.allowed, senders.allows(c.address)) << std::hex << c.address;
    EXPECT_FALSE(parseOscSenders("").allows(0xC0A80114));
}

}  // namespace
