#pragma once
// The addresses a video mixer's browser source opens to show the lanes as overlays (OBS, vMix,
// CasparCG), each with the view key, which reads the show and never acts, and the size to set
// there: the text of the web remote dialog's overlay box.
#include <string>
#include <vector>

#include "framework/LocalNames.h"
#include "model/HttpSettings.h"

struct OverlayLane {
    std::wstring name;  // as the operator named the lane; "" when it has none
    int width = 0;      // the strip's size on the primary monitor; 0 when not known
    int height = 0;
};

// Lane `number`'s overlay at `origin` ("http://host:port"): ".../overlay?view=<key>" while the
// show holds one lane, ".../overlay?lane=<n>&view=<key>" with more. The key is percent-encoded
// beyond the characters an address carries as they are.
std::string overlayUrl(const std::string& origin, int number, int lanes, const std::string& viewKey);

// Per lane a line that names it and the size to set ("レーン2 速報（幅 1920・高さ 18）"), its
// address on the next; CR LF between lines. The host is the pairing address's when a phone on
// the LAN can open it, else the loopback address. "" while the remote is off or has no view key.
std::wstring overlayAddressText(const HttpSettings& settings, const std::vector<LocalAddress>& lan,
                                const std::vector<OverlayLane>& lanes);
