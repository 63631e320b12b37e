// One connection of the HTTP server, on a thread of its own: requests read within their time,
// each answered as the surface decides, an event stream (the state's or an overlay's) sent until
// the client, the server or a newer stream ends it.
#include "surfaces/HttpServerShared.h"

#include <algorithm>

#include "framework/Lock.h"
#include "surfaces/ApiProblem.h"
#include "surfaces/EventStream.h"
#include "surfaces/OverlayJson.h"
#include "surfaces/SocketIo.h"

namespace {

using Connection = HttpServer::Connection;
using Phase = Connection::Phase;

const std::size_t kReceiveBytes = 4096;
// After an answer that ends the connection, what the client still sends is read and dropped
// for at most this long, so that the answer reaches it before the connection is closed.
const unsigned long kLingerMs = 500;
const std::size_t kLingerBytes = 256 * 1024;

const char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";

const ApiProblem kMalformed{400, u8"リクエストの形が正しくありません", "malformed request"};
const ApiProblem kBodyTooLarge{413, u8"本文が大きすぎます（64 KiB まで）", "the body is larger than 64 KiB"};
const ApiProblem kHeadTooLarge{431, u8"ヘッダーが大きすぎます", "the request head is too large"};
const ApiProblem kCoded{501, u8"本文は Content-Length を付けて送ってください（Transfer-Encoding は使えません）",
                        "send the body with Content-Length, not a transfer coding"};
const ApiProblem kVersion{505, u8"HTTP/1.0 か HTTP/1.1 で送ってください", "HTTP/1.0 or HTTP/1.1 only"};
const ApiProblem kTooSlow{408, u8"リクエストの到着が遅すぎます", "the request took too long to arrive"};

const ApiProblem& parseProblem(int status) {
    switch (status) {
    case 413: return kBodyTooLarge;
    case 431: return kHeadTooLarge;
    case 501: return kCoded;
    case 505: return kVersion;
    default: return kMalformed;
    }
}

Refusal parseRefusal(int status) {
    switch (status) {
    case 413: return Refusal::kBodyTooLarge;
    case 431: return Refusal::kHeadTooLarge;
    default: return Refusal::kMalformed;
    }
}

void closeGracefully(HttpServer::Shared& shared, Connection& connection) {
    // From now on a new connection may take this one's place at once.
    shared.setPhase(connection, Phase::kClosing);
    const SOCKET socket = connection.socket;
    shutdown(socket, SD_SEND);
    char drain[kReceiveBytes];
    std::size_t drained = 0;
    const unsigned long long until = steadyMs() + kLingerMs;
    while (drained < kLingerBytes) {
        const unsigned long long now = steadyMs();
        if (now >= until || !sockio::waitReadable(socket, static_cast<unsigned long>(until - now))) break;
        const int bytes = recv(socket, drain, sizeof drain, 0);
        if (bytes <= 0) break;
        drained += static_cast<std::size_t>(bytes);
    }
}

bool sendResponse(SOCKET socket, const HttpResponse& response, bool keepAlive) {
    return sockio::sendAll(socket, responseHead(response, keepAlive) + response.body);
}

class ClientSession {
public:
    explicit ClientSession(Connection& connection)
        : m_connection(connection), m_shared(*connection.shared), m_limits(m_shared.limits),
          m_parser(m_limits.request) {}

    void serve();

private:
    enum class Read { kRequest, kClosed, kTooSlow };
    Read readRequest(bool first);
    // Takes the connection among the streams and sends the stream's head, its preamble and the
    // first event; false when the client is gone.
    bool openStream(const std::string& firstEvent);
    void stream();
    void overlayStream(int lane, std::shared_ptr<const ShowSnapshot> snapshot);
    bool ending() {
        fw::Lock locked(m_shared.lock);
        return m_shared.quit || m_connection.crowdedOut;
    }

    Connection& m_connection;
    HttpServer::Shared& m_shared;
    const HttpServer::Limits& m_limits;
    HttpRequestParser m_parser;
    std::string m_pending;  // bytes received and not yet given to the parser
};

ClientSession::Read ClientSession::readRequest(bool first) {
    m_parser.reset();
    m_shared.setPhase(m_connection, Phase::kIdle);
    // A new connection has the head's time from its start; a kept-alive one waits idle first.
    unsigned long long deadline = first ? m_connection.acceptedMs + m_limits.headMs : steadyMs() + m_limits.idleMs;
    bool head = false;
    bool body = false;
    for (;;) {
        if (!m_pending.empty()) {
            const std::size_t used = m_parser.feed(m_pending.data(), m_pending.size());
            m_pending.erase(0, used);
        }
        const HttpRequestParser::State state = m_parser.state();
        if (state == HttpRequestParser::State::kDone || state == HttpRequestParser::State::kFailed) return Read::kRequest;
        if (m_parser.started() && !head) {
            head = true;
            m_shared.setPhase(m_connection, Phase::kHead);
            if (!first) deadline = steadyMs() + m_limits.headMs;
        }
        if (state == HttpRequestParser::State::kBody && !body) {
            body = true;
            deadline = steadyMs() + m_limits.bodyMs;
            // A client that asks first (curl does for bodies over 1 KiB) is told to send it,
            // instead of waiting a second for an answer that would not come.
            const std::string* expect = m_parser.request().field("expect");
            if (expect && *expect == "100-continue" && !sockio::sendAll(m_connection.socket, kContinue, sizeof kContinue - 1))
                return Read::kClosed;
        }
        if (ending()) return Read::kClosed;
        const unsigned long long now = steadyMs();
        if (now >= deadline) return head ? Read::kTooSlow : Read::kClosed;
        // Waits of at most a second, so that the end of the server is seen in time.
        if (!sockio::waitReadable(m_connection.socket, static_cast<unsigned long>(std::min<unsigned long long>(deadline - now, 1000))))
            continue;
        char buffer[kReceiveBytes];
        const int bytes = recv(m_connection.socket, buffer, sizeof buffer, 0);
        if (bytes <= 0) return Read::kClosed;
        m_pending.assign(buffer, static_cast<std::size_t>(bytes));
    }
}

void ClientSession::serve() {
    for (unsigned served = 0;; ++served) {
        const Read read = readRequest(served == 0);
        if (read == Read::kClosed) return;
        if (read == Read::kTooSlow) {
            m_shared.refuse(Refusal::kSlow);
            sendResponse(m_connection.socket, problemResponse(kTooSlow), false);
            closeGracefully(m_shared, m_connection);
            return;
        }
        if (m_parser.state() == HttpRequestParser::State::kFailed) {
            const int status = m_parser.failureStatus();
            m_shared.refuse(parseRefusal(status));
            sendResponse(m_connection.socket, problemResponse(parseProblem(status)), false);
            closeGracefully(m_shared, m_connection);
            return;
        }
        m_shared.setPhase(m_connection, Phase::kBusy);
        const HttpRequest& request = m_parser.request();
        HttpSurface::Decision decision = m_shared.surface.decide(request, m_connection.peer, steadyMs());
        if (decision.refusal != Refusal::kCount) m_shared.refuse(decision.refusal);
        if (decision.kind == HttpSurface::Kind::kEventStream) {
            stream();
            return;
        }
        if (decision.kind == HttpSurface::Kind::kOverlayStream) {
            overlayStream(decision.lane, decision.snapshot ? decision.snapshot : m_shared.surface.show().snapshot());
            return;
        }
        const bool keepAlive =
            request.keepAlive && !decision.closes && served + 1 < m_limits.maxRequestsPerConnection && !ending();
        if (!sendResponse(m_connection.socket, decision.response, keepAlive)) return;
        m_shared.answered(m_connection, decision.tokenShown);
        if (!keepAlive) {
            closeGracefully(m_shared, m_connection);
            return;
        }
    }
}

bool ClientSession::openStream(const std::string& firstEvent) {
    m_shared.admitStream(m_connection);
    HttpResponse head;
    head.contentType = "text/event-stream; charset=utf-8";
    return sockio::sendAll(m_connection.socket, responseHead(head, false, false) + streamPreamble() + firstEvent);
}

void ClientSession::stream() {
    ShowAccess& show = m_shared.surface.show();
    std::shared_ptr<const ShowSnapshot> snapshot = show.snapshot();
    if (!openStream(stateEvent(*snapshot))) return;
    unsigned long long version = snapshot->version;
    unsigned long long lastSentMs = steadyMs();
    while (!ending()) {
        snapshot = show.waitNewer(version, 1000);
        // A client that closed its side, or sent anything at all, is done with the stream.
        if (sockio::waitReadable(m_connection.socket, 0)) return;
        unsigned long long now = steadyMs();
        if (snapshot->version > version && now - lastSentMs < kStreamMinGapMs) {
            Sleep(static_cast<DWORD>(kStreamMinGapMs - (now - lastSentMs)));
            snapshot = show.snapshot();
            now = steadyMs();
        }
        std::string bytes;
        if (snapshot->version > version) {
            bytes = stateEvent(*snapshot);
            version = std::max(version, snapshot->version);
        } else if (now - lastSentMs >= kStreamKeepAliveMs) {
            bytes = ":\n\n";
        } else {
            continue;
        }
        if (!sockio::sendAll(m_connection.socket, bytes)) return;
        lastSentMs = now;
    }
}

// The lane's document at once, then again whenever it changes apart from its version: a new
// entry goes out as soon as it is published, unpaced, so that the overlay starts it as the
// strips do. Seconds ticking away on air change no overlay document and send nothing.
void ClientSession::overlayStream(int lane, std::shared_ptr<const ShowSnapshot> snapshot) {
    ShowAccess& show = m_shared.surface.show();
    Json sent = overlayDocument(*snapshot, lane);
    if (sent.is_null() || !openStream(overlayEvent(snapshot->version, jsonLine(sent)))) return;
    unsigned long long version = snapshot->version;
    unsigned long long lastSentMs = steadyMs();
    while (!ending()) {
        snapshot = show.waitNewer(version, 1000);
        // A client that closed its side, or sent anything at all, is done with the stream.
        if (sockio::waitReadable(m_connection.socket, 0)) return;
        const unsigned long long now = steadyMs();
        std::string bytes;
        if (snapshot->version > version) {
            version = snapshot->version;
            Json document = overlayDocument(*snapshot, lane);
            if (document.is_null()) return;  // the lane was removed: its overlay has nothing more to follow
            Json compared = document;
            compared["version"] = sent["version"];
            if (compared != sent) {
                bytes = overlayEvent(version, jsonLine(document));
                sent = std::move(document);
            }
        }
        if (bytes.empty()) {
            if (now - lastSentMs < kStreamKeepAliveMs) continue;
            bytes = ":\n\n";
        }
        if (!sockio::sendAll(m_connection.socket, bytes)) return;
        lastSentMs = now;
    }
}

}  // namespace

unsigned __stdcall HttpServer::serveLoop(void* parameter) {
    std::unique_ptr<std::shared_ptr<Connection>> holder(static_cast<std::shared_ptr<Connection>*>(parameter));
    Connection& connection = **holder;
    try {
        ClientSession(connection).serve();
    } catch (...) {
        // Out of memory on the way: this connection ends, the others go on.
    }
    connection.shared->finish(connection);
    return 0;
}
