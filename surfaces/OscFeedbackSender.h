#pragma once
// Feedback to control surfaces over OSC (UDP): a thread of its own follows the show's snapshots
// through ShowAccess and sends what changed (surfaces/OscFeedback.h) to one host and port, the
// SYSTEM key OSCFEEDBACK ("host:port"; absent: no feedback).
#include <winsock2.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/UniqueHandle.h"
#include "surfaces/ShowAccess.h"

struct FeedbackTarget {
    std::uint32_t address = 0;  // IPv4, host byte order
    int port = 0;
};

// "host:port" with an IPv4 address or a host name (looked up once) and a port of 1-65535.
bool parseFeedbackTarget(const std::string& text, FeedbackTarget& target);

class OscFeedbackSender {
public:
    OscFeedbackSender() = default;
    ~OscFeedbackSender();
    OscFeedbackSender(const OscFeedbackSender&) = delete;
    OscFeedbackSender& operator=(const OscFeedbackSender&) = delete;

    // Starts sending to the target; false (with a line saying why) when `target` is empty or no
    // host:port. `show` must outlive stop().
    bool start(const std::string& target, ShowAccess& show);
    void stop();

private:
    struct Shared;
    static unsigned __stdcall work(void* shared);

    std::shared_ptr<Shared> m_shared;
    fw::KernelHandle m_thread;
    bool m_winsock = false;
};
