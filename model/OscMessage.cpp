#include "model/OscMessage.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Mbcs.h"
#include "framework/Text.h"
#include "framework/WideText.h"
#include "framework/TextCodec.h"
#include "model/KirunData.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"

namespace {

// Reads the message front to back; any read past the end or off the four-byte grid fails.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t bytes) : m_data(data), m_bytes(bytes) {}

    bool atEnd() const { return m_at == m_bytes; }

    // A NUL-terminated string padded with NULs to a multiple of four bytes.
    bool string(std::string& text) {
        const void* nul = std::memchr(m_data + m_at, '\0', m_bytes - m_at);
        if (!nul) return false;
        const std::size_t length = static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - m_data) - m_at;
        const std::size_t padded = (length + 4) & ~static_cast<std::size_t>(3);
        if (padded > m_bytes - m_at) return false;
        for (std::size_t i = length; i < padded; ++i)
            if (m_data[m_at + i] != '\0') return false;
        text.assign(reinterpret_cast<const char*>(m_data + m_at), length);
        m_at += padded;
        return true;
    }

    bool word(std::uint32_t& value) {
        if (m_bytes - m_at < 4) return false;
        value = static_cast<std::uint32_t>(m_data[m_at]) << 24 | static_cast<std::uint32_t>(m_data[m_at + 1]) << 16 |
                static_cast<std::uint32_t>(m_data[m_at + 2]) << 8 | m_data[m_at + 3];
        m_at += 4;
        return true;
    }

private:
    const unsigned char* m_data;
    std::size_t m_bytes;
    std::size_t m_at = 0;
};

// One argument as the type tag gives it.
struct Argument {
    char tag = 0;
    std::int32_t integer = 0;
    float real = 0;
    std::string text;
};

bool readArguments(Reader& reader, const std::string& tags, std::vector<Argument>& arguments) {
    for (std::size_t i = 1; i < tags.size(); ++i) {
        Argument argument;
        argument.tag = tags[i];
        std::uint32_t word = 0;
        switch (argument.tag) {
        case 'i':
            if (!reader.word(word)) return false;
            argument.integer = static_cast<std::int32_t>(word);
            break;
        case 'f':
            if (!reader.word(word)) return false;
            std::memcpy(&argument.real, &word, sizeof argument.real);
            break;
        case 's':
            if (!reader.string(argument.text)) return false;
            break;
        default:
            return false;  // a type this program takes from no address
        }
        arguments.push_back(argument);
    }
    return reader.atEnd();
}

// UTF-8 as UTF-16; false for bytes that are not UTF-8.
bool fromUtf8(const std::string& utf8, std::wstring& text) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii && !fw::IsUtf8WithMultiByte(utf8, false)) return false;
    text = fw::Widen(utf8, CP_UTF8);
    return true;
}

bool wholeMinutes(const Argument& argument, int& minutes) {
    if (argument.tag == 'i') {
        if (argument.integer < kMinMinutes || argument.integer > kMaxMinutes) return false;
        minutes = argument.integer;
        return true;
    }
    if (argument.tag != 'f' || !std::isfinite(argument.real)) return false;
    const double rounded = std::floor(static_cast<double>(argument.real) + 0.5);
    if (rounded < kMinMinutes || rounded > kMaxMinutes) return false;
    minutes = static_cast<int>(rounded);
    return true;
}

// <string> [<minutes>], the text made one caption line.
bool textArguments(const std::vector<Argument>& arguments, CaptionCommand& command) {
    if (arguments.empty() || arguments.size() > 2 || arguments[0].tag != 's') return false;
    if (arguments.size() == 2 && !wholeMinutes(arguments[1], command.minutes)) return false;
    std::wstring text;
    if (!fromUtf8(arguments[0].text, text)) return false;
    command.text = fw::CutToCells(fw::WithoutLineBreaks(text), kMaxCaptionTextCells);
    return !command.text.empty();
}

bool oneInteger(const std::vector<Argument>& arguments, std::int32_t& value) {
    if (arguments.size() != 1 || arguments[0].tag != 'i') return false;
    value = arguments[0].integer;
    return true;
}

const char kPrefix[] = "/kirunner/";
const char kLanePrefix[] = "lane/";

// Splits "lane/<n>/<name>" into the lane and the name; `name` as it is, and no lane, otherwise.
// False for a lane address whose number is not a plain 1..kMaxLanes.
bool splitLane(std::string& name, int& lane) {
    lane = CaptionCommand::kLaneUnnamed;
    if (!fw::StartsWith(name, kLanePrefix)) return true;
    const size_t digit = sizeof kLanePrefix - 1;
    if (name.size() < digit + 3 || name[digit + 1] != '/') return false;
    if (name[digit] < '1' || name[digit] > static_cast<char>('0' + kMaxLanes)) return false;
    lane = name[digit] - '0';
    name = name.substr(digit + 2);
    return true;
}

bool takesLane(const std::string& name) {
    return name == "strip" || name == "text" || name == "cutin" || name == "clear";
}

}  // namespace

OscParse parseOscMessage(const void* data, std::size_t bytes, CaptionCommand& command) {
    if (!data || bytes == 0 || bytes > kMaxOscPacketBytes || bytes % 4 != 0) return OscParse::kMalformed;
    Reader reader(static_cast<const unsigned char*>(data), bytes);
    std::string address;
    std::string tags;
    if (!reader.string(address) || address.empty() || address[0] != '/') return OscParse::kMalformed;
    if (!reader.string(tags) || tags.empty() || tags[0] != ',') return OscParse::kMalformed;
    std::vector<Argument> arguments;
    if (!readArguments(reader, tags, arguments)) return OscParse::kMalformed;

    if (!fw::StartsWith(address, kPrefix)) return OscParse::kUnknownAddress;
    std::string name = address.substr(sizeof kPrefix - 1);
    CaptionCommand parsed;
    if (!splitLane(name, parsed.lane)) return OscParse::kUnknownAddress;
    if (parsed.lane != CaptionCommand::kLaneUnnamed && !takesLane(name)) return OscParse::kUnknownAddress;
    std::int32_t value = 0;
    if (name == "show" || name == "hide") {
        if (!oneInteger(arguments, value) || value < 1) return OscParse::kMalformed;
        parsed.kind = name == "show" ? CaptionCommand::kShowItem : CaptionCommand::kHideItem;
        parsed.number = value;
    } else if (name == "clear") {
        if (!arguments.empty()) return OscParse::kMalformed;
        parsed.kind = CaptionCommand::kClearAll;
    } else if (name == "text" || name == "cutin") {
        parsed.kind = name == "text" ? CaptionCommand::kShowText : CaptionCommand::kCutIn;
        if (!textArguments(arguments, parsed)) return OscParse::kMalformed;
    } else if (name == "source") {
        if (arguments.size() != 2 || arguments[0].tag != 'i' || arguments[1].tag != 'i') return OscParse::kMalformed;
        if (arguments[0].integer < 1 || (arguments[1].integer != 0 && arguments[1].integer != 1)) return OscParse::kMalformed;
        parsed.kind = CaptionCommand::kSwitchSource;
        parsed.number = arguments[0].integer;
        parsed.minutes = arguments[1].integer;
    } else if (name == "strip") {
        if (!oneInteger(arguments, value) || (value != 0 && value != 1)) return OscParse::kMalformed;
        parsed.kind = CaptionCommand::kShowStrip;
        parsed.number = value;
    } else {
        return OscParse::kUnknownAddress;
    }
    command = parsed;
    return OscParse::kCommand;
}
