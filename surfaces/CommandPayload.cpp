#include "surfaces/CommandPayload.h"

#include <cstring>
#include <string>

#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/KirunData.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"

namespace remote {
namespace {

bool knownKind(std::uint32_t kind) {
    return (kind >= CaptionCommand::kShowItem && kind <= CaptionCommand::kShowText) ||
           kind == CaptionCommand::kCutIn || kind == CaptionCommand::kClearNow;
}

bool carriesText(CaptionCommand::Kind kind) {
    return kind == CaptionCommand::kShowText || kind == CaptionCommand::kCutIn;
}

bool takesLane(CaptionCommand::Kind kind) {
    return carriesText(kind) || kind == CaptionCommand::kClearAll || kind == CaptionCommand::kClearNow;
}

bool namedLane(std::int32_t lane) {
    return lane == CaptionCommand::kEveryLane || (lane >= 1 && lane <= kMaxLanes);
}

// The text as sent, up to its first NUL.
std::wstring sentText(std::uint32_t version, const char* text, std::size_t bytes) {
    if (version == kVersionCodePage932) {
        const void* nul = std::memchr(text, '\0', bytes);
        if (nul) bytes = static_cast<std::size_t>(static_cast<const char*>(nul) - text);
        return fw::WideFromCodePage932(std::string(text, bytes));
    }
    std::wstring units = fw::Utf16FromBytes(std::string(text, bytes), 0, false);
    return units.substr(0, units.find(L'\0'));
}

std::wstring oneSafeLine(std::uint32_t version, const char* text, std::size_t bytes) {
    return fw::CutToCells(fw::WithoutLineBreaks(sentText(version, text, bytes)), kMaxCaptionTextCells);
}
}  // namespace

std::vector<char> encodeCommand(const CaptionCommand& command) {
    const std::string text = carriesText(command.kind)
                                 ? fw::Utf16Bytes(fw::CutToCells(command.text, kMaxCaptionTextCells), false)
                                 : std::string();
    const bool lane = takesLane(command.kind) && command.lane != CaptionCommand::kLaneUnnamed;
    LaneHeader full{};
    Header& header = full.header;
    header.size = lane ? sizeof full : sizeof header;
    header.version = kVersion;
    header.kind = static_cast<std::uint32_t>(command.kind);
    header.number = command.number;
    header.minutes = command.minutes;
    header.textBytes = static_cast<std::uint32_t>(text.size());
    full.lane = command.lane;
    std::vector<char> payload(header.size + text.size());
    std::memcpy(payload.data(), &full, header.size);
    if (!text.empty()) std::memcpy(payload.data() + header.size, text.data(), text.size());
    return payload;
}

bool decodeCommand(ULONG_PTR tag, const void* data, std::size_t bytes, CaptionCommand& command) {
    if (tag != kMagic || !data || bytes < sizeof(Header) || bytes > kMaxPayloadBytes) return false;
    LaneHeader full{};
    std::memcpy(&full.header, data, sizeof full.header);
    const Header& header = full.header;
    const bool knownVersion = header.version == kVersion || header.version == kVersionCodePage932;
    const bool withLane = header.size == sizeof full && bytes >= sizeof full;
    if ((header.size != sizeof header && !withLane) || !knownVersion || !knownKind(header.kind) ||
        header.textBytes != bytes - header.size || (header.version == kVersion && header.textBytes % 2 != 0))
        return false;

    CaptionCommand decoded;
    decoded.kind = static_cast<CaptionCommand::Kind>(header.kind);
    if (withLane) {
        std::memcpy(&full, data, sizeof full);
        if (!takesLane(decoded.kind) || !namedLane(full.lane)) return false;
        decoded.lane = full.lane;
    }
    const char* text = static_cast<const char*>(data) + header.size;
    switch (decoded.kind) {
    case CaptionCommand::kShowItem:
    case CaptionCommand::kHideItem:
        if (header.number < 1 || header.textBytes != 0) return false;
        decoded.number = header.number;
        break;
    case CaptionCommand::kClearAll:
    case CaptionCommand::kClearNow:
        if (header.textBytes != 0) return false;
        break;
    case CaptionCommand::kShowText:
    case CaptionCommand::kCutIn:
        if (minutesProblem(header.minutes)) return false;
        decoded.minutes = header.minutes;
        decoded.text = oneSafeLine(header.version, text, header.textBytes);
        if (decoded.text.empty()) return false;
        break;
    default:  // kinds that only other channels carry
        return false;
    }
    command = decoded;
    return true;
}

}  // namespace remote
