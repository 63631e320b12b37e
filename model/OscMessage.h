#pragma once
// One OSC 1.0 message as a caption command. The datagram is trusted in nothing: every length is
// checked against the bytes received, strings must end with a NUL inside their padding to four
// bytes, and a message that is not exactly one of the forms below is refused whole.
//
//   /kirunner/show <int n>          list entry n (from 1) on air        (-S<n>)
//   /kirunner/hide <int n>          list entry n off air                (-R<n>)
//   /kirunner/clear                 every caption off air               (-C)
//   /kirunner/text <s> [<minutes>]  a free text on air, 1 minute unless given (-A<s> -M<minutes>)
//   /kirunner/cutin <s> [<minutes>] a caption ahead of the cycle    (-I<s> -M<minutes>)
//   /kirunner/strip <int 0|1>       the strip hidden or shown           (表示OFF / 表示ON)
//   /kirunner/source <int n> <int 0|1>  data source n (from 1, as the page numbers them) switched
//                                   off or on for this run
//   /kirunner/lane/<n>/strip, /text, /cutin, /clear  the same, for lane n (1..4) only; without a
//                                   lane, strip, text and cutin act on lane 1 and clear on every lane
//
// Minutes come as an int or a float (rounded to the nearest minute) and must lie in 1..60000.
// Strings are UTF-8 and are taken as they are (as UTF-16), lose their line breaks and are cut to
// the longest caption text between characters. Bundles are refused.
#include <cstddef>

#include "model/CaptionCommand.h"

// The largest datagram taken; anything longer is refused.
constexpr std::size_t kMaxOscPacketBytes = 65536;

enum class OscParse {
    kCommand,         // `command` holds what the message asks
    kMalformed,       // not a well-formed message of a known address with the right arguments
    kUnknownAddress,  // well-formed, but for an address this program does not answer
};

OscParse parseOscMessage(const void* data, std::size_t bytes, CaptionCommand& command);
