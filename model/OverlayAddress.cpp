#include "model/OverlayAddress.h"

#include "model/PairingAddress.h"

namespace {
const wchar_t kLane[] = L"レーン";

bool keptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~';
}

std::string percentEncoded(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (keptAsIs(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::wstring laneLine(int number, const OverlayLane& lane) {
    std::wstring line = kLane + std::to_wstring(number);
    if (!lane.name.empty()) line += L" " + lane.name;
    if (lane.width > 0 && lane.height > 0)
        line += L"（幅 " + std::to_wstring(lane.width) + L"・高さ " + std::to_wstring(lane.height) + L"）";
    return line;
}
}  // namespace

std::string overlayUrl(const std::string& origin, int number, int lanes, const std::string& viewKey) {
    const std::string lane = lanes > 1 ? "lane=" + std::to_string(number) + "&" : std::string();
    return origin + "/overlay?" + lane + "view=" + percentEncoded(viewKey);
}

std::wstring overlayAddressText(const HttpSettings& settings, const std::vector<LocalAddress>& lan,
                                const std::vector<OverlayLane>& lanes) {
    if (!settings.on() || settings.viewKey.empty()) return std::wstring();
    const PairingView pairing = pairingView(settings, lan);
    // Listening on every interface with no LAN address found, this PC's own browser still
    // reaches the loopback address.
    const std::string origin = httpOrigin(pairing.host.empty() ? "127.0.0.1" : pairing.host, settings.port);
    const int count = static_cast<int>(lanes.size());
    std::wstring text;
    for (int number = 1; number <= count; ++number) {
        if (!text.empty()) text += L"\r\n";
        text += laneLine(number, lanes[static_cast<size_t>(number - 1)]) + L"\r\n";
        for (char c : overlayUrl(origin, number, count, settings.viewKey))
            text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return text;
}
