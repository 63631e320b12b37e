#include "surfaces/EventStream.h"

#include "surfaces/StateJson.h"

std::string streamPreamble() { return "retry: " + std::to_string(kStreamRetryMs) + "\n\n"; }

namespace {

std::string event(const char* name, unsigned long long id, const std::string& data) {
    return std::string("event: ") + name + "\nid: " + std::to_string(id) + "\ndata: " + data + "\n\n";
}

}  // namespace

std::string stateEvent(const ShowSnapshot& snapshot) { return event("state", snapshot.version, stateJson(snapshot)); }

std::string overlayEvent(unsigned long long version, const std::string& document) {
    return event("overlay", version, document);
}

