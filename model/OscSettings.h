#pragma once
// The OSC receiver: off unless a port is given. It listens on one address and takes messages
// from the loopback range and from the senders listed.
#include <string>

struct OscSettings {
    int port = 0;                       // UDP port; 0 (or anything outside 1..65535): no receiver
    std::string address = "127.0.0.1";  // the local IPv4 address listened on
    std::string allowed;                // further senders: IPv4 addresses separated by commas
};
