#pragma once
// OSC messages sent from the host, as a show-control system sends them: tests/support/
// osc_sender.py started with the arguments it takes (PYTHON3 and OSC_SENDER name it).
#include <string>

namespace testing_support {

// Sends one message ("/kirunner/show i:2") to 127.0.0.1:`port` and waits for the sender to end.
bool SendOsc(int port, const std::string& arguments, unsigned long timeoutMs = 20000);

// The sender running with `arguments` (a flood, a stream of commands). A program of the host
// gets no process handle under Wine, so the sender marks its end with a file: Ended() tells.
class OscSender {
public:
    OscSender(int port, const std::string& arguments);
    ~OscSender();
    OscSender(const OscSender&) = delete;
    OscSender& operator=(const OscSender&) = delete;
    bool Started() const { return m_started; }
    bool Ended() const;

private:
    std::string m_done;
    bool m_started = false;
};

}  // namespace testing_support
