#pragma once
// The address a phone opens to pair with the remote: the machine's LAN address and port, with
// the token in the fragment ("http://192.168.1.20:8765/#token=…"), which a browser never sends
// in a request nor writes to a server's log; and a note for the operator on what stands in the
// way, if anything. Texts in the program's code page, for the dialog.
#include <string>
#include <vector>

#include "model/HttpSettings.h"
#include "framework/LocalNames.h"

struct PairingView {
    std::string url;           // "" while the remote is off or no address can be reached
    const char* note = "";     // what the operator should know
    bool lanReachable = false; // a phone on the LAN can open the address
    std::string host;          // the address's host ("" with no address)
};

// "http://<host>:<port>", the port left out when it is 80.
std::string httpOrigin(const std::string& host, int port);

PairingView pairingView(const HttpSettings& settings, const std::vector<LocalAddress>& lan);
