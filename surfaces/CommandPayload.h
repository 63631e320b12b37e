#pragma once
// The bytes one Kirunner process hands another with WM_COPYDATA: a fixed header of 32-bit
// fields (the same in 32- and 64-bit programs), then the text of a "-A" or "-I" command without
// a terminator: UTF-16LE code units in version 2, which every sender now sends; bytes of code
// page 932 in version 1, which older senders send and the receiver still takes. The receiver
// trusts nothing: decodeCommand accepts only a payload of exactly this form and gives back a
// command that is safe to carry out.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/CaptionCommand.h"

namespace remote {

constexpr ULONG_PTR kMagic = 0x4B524E31;      // COPYDATASTRUCT.dwData of every command
constexpr std::uint32_t kVersion = 2;                // text in UTF-16LE
constexpr std::uint32_t kVersionCodePage932 = 1;     // text in code page 932
constexpr std::size_t kMaxPayloadBytes = 65536;

struct Header {
    std::uint32_t size;       // sizeof(Header)
    std::uint32_t version;    // kVersion or kVersionCodePage932: the text's encoding
    std::uint32_t kind;       // CaptionCommand::Kind
    std::int32_t number;      // list number, counted from 1 (show and hide)
    std::int32_t minutes;     // display time of a text, 1 to 60000
    std::uint32_t textBytes;  // bytes of text after the header (texts only; even in version 2)
};

// A command that names a lane ("-L") carries it right after the header, before the text; its
// header's size then counts it. Commands without one are sent as before, so that a copy of an
// older version still takes them.
struct LaneHeader {
    Header header;
    std::int32_t lane;  // 1 to kMaxLanes, or CaptionCommand::kEveryLane
};

// The receiver's answers; a window that does not know the message answers 0.
constexpr LRESULT kAnswerDone = 0x4B52;
constexpr LRESULT kAnswerNoSuchItem = 0x4B53;
constexpr LRESULT kAnswerMalformed = 0x4B54;

std::vector<char> encodeCommand(const CaptionCommand& command);

// False for anything but a well-formed payload. A text is taken up to its first NUL (a NUL
// byte in version 1, a NUL unit in version 2), loses its line breaks and is cut to
// kMaxCaptionTextCells between characters; a version 2 text of an odd byte count is refused.
bool decodeCommand(ULONG_PTR tag, const void* data, std::size_t bytes, CaptionCommand& command);

}  // namespace remote
