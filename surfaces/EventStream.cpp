#include "surfaces/EventStream.h"

#include "surfaces/StateJson.h"

std::string streamPreamble() { return "retry: " + std::to_string(kStreamRetryMs) + "\n\n"; }

std::string stateEvent(const ShowSnapshot& snapshot) {
    return "event: state\nid: " + std::to_string(snapshot.version) + "\ndata: " + stateJson(snapshot) + "\n\n";
}

bool anythingOnAir(const ShowSnapshot& snapshot) {
    for (const ShowRow& row : snapshot.rows)
        if (row.onAir) return true;
    return false;
}

bool eventDue(const ShowSnapshot& snapshot, unsigned long long lastVersion, unsigned long long sinceLastMs) {
    return snapshot.version > lastVersion || (anythingOnAir(snapshot) && sinceLastMs >= 1000);
}
