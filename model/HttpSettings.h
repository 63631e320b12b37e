#pragma once
// The web remote and HTTP API: off unless a port is given. It listens on one IPv4 address (the
// loopback address unless the operator opens it to the LAN) and takes API requests that carry
// the token; the token is made when the operator switches the remote on and kept in the
// settings file.
#include <string>

struct HttpSettings {
    int port = 0;                        // TCP port; 0 (or anything outside 1..65535): no remote
    std::string address = "127.0.0.1";  // the local IPv4 address listened on; 0.0.0.0: every interface
    std::string token;                   // what every API request carries as "Authorization: Bearer"
    // What an overlay's address carries ("?view=…"): it reads the show and never acts. Made like
    // the token when the remote is switched on; empty: only the token opens the overlay.
    std::string viewKey;

    bool on() const { return port > 0 && port <= 65535; }
};
