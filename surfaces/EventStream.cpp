#include "surfaces/EventStream.h"

#include "surfaces/StateJson.h"

std::string streamPreamble() { return "retry: " + std::to_string(kStreamRetryMs) + "\n\n"; }

std::string stateEvent(const ShowSnapshot& snapshot) {
    return "event: state\nid: " + std::to_string(snapshot.version) + "\ndata: " + stateJson(snapshot) + "\n\n";
}

