#include "surfaces/HttpSurface.h"

#include "framework/Lock.h"
#include "model/LaneLook.h"
#include "surfaces/ApiProblem.h"
#include "surfaces/SnapshotLanes.h"
#include "surfaces/WebPage.h"

namespace {

const ApiProblem kTooMany{429, u8"要求が多すぎます。少し待ってから送ってください", "too many requests; wait a moment"};
const ApiProblem kForeignHost{400, u8"Host がこの PC の名前でもアドレスでもありません",
                              "the Host field names neither this machine nor its address"};
const ApiProblem kNoToken{401, u8"トークンがないか、違います。ペアリングのアドレスを開き直してください",
                          "no token, or a wrong one; open the pairing address again"};
const ApiProblem kNoViewKey{401, u8"表示キーがないか、違います。Web リモートの画面にあるアドレスを使ってください",
                            "no view key, or a wrong one"};
const ApiProblem kNoSuchPage{404, u8"そのページはありません", "no such page"};
const ApiProblem kPageMethod{405, u8"ページは GET で取得してください", "pages are read with GET"};

// The page runs its own script and style only, talks to this program only, and is framed by
// nobody.
const char kPagePolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; img-src 'self' data:; "
    "base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

const std::size_t kMaxClients = 256;

HttpResponse unauthorised(const ApiProblem& problem) {
    HttpResponse response = problemResponse(problem);
    response.fields.emplace_back("WWW-Authenticate", "Bearer");
    return response;
}

// What the view key may ask for: reading the show, never acting on it.
bool readsOnly(const HttpRequest& request) {
    return request.method == "GET" &&
           (request.path == "/api/state" || request.path == "/api/events" || request.path == "/api/overlay");
}

}  // namespace

bool sameSecret(const std::string& given, const std::string& secret) {
    if (secret.empty()) return false;
    unsigned difference = given.size() == secret.size() ? 0u : 1u;
    for (std::size_t i = 0; i < secret.size(); ++i)
        difference |= static_cast<unsigned char>(secret[i]) ^ static_cast<unsigned char>(i < given.size() ? given[i] : 0);
    return difference == 0;
}

bool carriesToken(const std::string* authorization, const std::string& token) {
    if (!authorization) return false;
    const std::string& field = *authorization;
    const std::string scheme = "bearer ";
    if (field.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i)
        if ((field[i] | 0x20) != scheme[i]) return false;
    std::size_t start = scheme.size();
    while (start < field.size() && field[start] == ' ') ++start;
    return sameSecret(field.substr(start), token);
}

bool carriesViewKey(const HttpRequest& request, const std::string& viewKey) {
    std::string given;
    return request.queryParameter("view", given) && sameSecret(given, viewKey);
}

HttpSurface::HttpSurface(ShowAccess& show, const std::string& token, const std::string& viewKey, int port,
                         NameSource names)
    : m_show(show), m_api(show), m_token(token), m_viewKey(viewKey), m_names(std::move(names)), m_hosts(port),
      m_rate(kRequestsPerSecond, kRequestBurst, kMaxClients), m_tokenRate(kRequestsPerSecond, kRequestBurst, kMaxClients) {
    InitializeCriticalSection(&m_lock);
    if (m_names) m_hosts.setNames(m_names());
}

HttpSurface::~HttpSurface() { DeleteCriticalSection(&m_lock); }

bool HttpSurface::hostAccepted(const std::string* host, unsigned long long nowMs) {
    if (!host) return false;
    fw::Lock lock(m_lock);
    if (m_hosts.accepts(*host)) return true;
    if (!m_names || nowMs - m_namesMs < kNameRefreshMs) return false;
    m_namesMs = nowMs;
    m_hosts.setNames(m_names());
    return m_hosts.accepts(*host);
}

bool HttpSurface::tokenAccepted(const std::string* authorization) const { return carriesToken(authorization, m_token); }

HttpSurface::Decision HttpSurface::decide(const HttpRequest& request, std::uint32_t client, unsigned long long nowMs) {
    Decision decision = answer(request, client, nowMs);
    // A holder of the view key is spared as well: an overlay host keeps its connection, and
    // what the key may not do is refused without holding more than an answer would.
    decision.closes = !decision.tokenShown && !decision.viewKeyShown && decision.response.status >= 400;
    return decision;
}

HttpSurface::Decision HttpSurface::answer(const HttpRequest& request, std::uint32_t client, unsigned long long nowMs) {
    Decision decision;
    decision.tokenShown = tokenAccepted(request.field("authorization"));
    decision.viewKeyShown = carriesViewKey(request, m_viewKey);
    bool allowed = false;
    {
        fw::Lock lock(m_lock);
        allowed = (decision.tokenShown ? m_tokenRate : m_rate).take(client, nowMs);
    }
    if (!allowed) {
        decision.response = problemResponse(kTooMany);
        decision.response.fields.emplace_back("Retry-After", "1");
        decision.refusal = Refusal::kTooMany;
        return decision;
    }
    if (!hostAccepted(request.field("host"), nowMs)) {
        decision.response = problemResponse(kForeignHost);
        decision.refusal = Refusal::kForeignHost;
        return decision;
    }
    if (request.path == "/overlay") {
        answerOverlayPage(request, decision);
        return decision;
    }
    if (request.path.compare(0, 5, "/api/") == 0) {
        if (!decision.tokenShown && !(decision.viewKeyShown && readsOnly(request))) {
            decision.response = unauthorised(kNoToken);
            decision.refusal = Refusal::kUnauthorised;
            return decision;
        }
        if (request.path == "/api/events" && request.method == "GET") {
            decision.kind = Kind::kEventStream;
            return decision;
        }
        if (request.path == "/api/overlay" && request.method == "GET") {
            answerOverlayStream(request, decision);
            return decision;
        }
        decision.response = m_api.answer(request);
        if (decision.response.status == 400) decision.refusal = Refusal::kMalformed;
        return decision;
    }
    WebResource resource;
    if (!findWebResource(request.path, resource)) {
        decision.response = problemResponse(kNoSuchPage);
        return decision;
    }
    if (request.method != "GET") {
        decision.response = problemResponse(kPageMethod);
        decision.response.fields.emplace_back("Allow", "GET");
        return decision;
    }
    decision.response.contentType = resource.contentType;
    decision.response.body.assign(resource.data, resource.size);
    decision.response.fields.emplace_back("Content-Security-Policy", kPagePolicy);
    return decision;
}

void HttpSurface::answerOverlayPage(const HttpRequest& request, Decision& decision) const {
    if (!decision.tokenShown && !decision.viewKeyShown) {
        decision.response = unauthorised(kNoViewKey);
        decision.refusal = Refusal::kUnauthorised;
        return;
    }
    if (request.method != "GET") {
        decision.response = problemResponse(kPageMethod);
        decision.response.fields.emplace_back("Allow", "GET");
        return;
    }
    std::string page;
    if (!overlayPage(m_viewKey, page)) {
        decision.response = problemResponse(kNoSuchPage);
        return;
    }
    decision.response.contentType = "text/html; charset=utf-8";
    decision.response.body = std::move(page);
    decision.response.fields.emplace_back("Content-Security-Policy", kPagePolicy);
}

void HttpSurface::answerOverlayStream(const HttpRequest& request, Decision& decision) const {
    int lane = 1;
    std::string given;
    if (request.queryParameter("lane", given)) {
        if (given.size() != 1 || given[0] < '1' || given[0] > '0' + kMaxLanes) {
            decision.response = problemResponse(kBadLane);
            decision.refusal = Refusal::kMalformed;
            return;
        }
        lane = given[0] - '0';
    }
    std::shared_ptr<const ShowSnapshot> snapshot = m_show.snapshot();
    if (!holdsLane(*snapshot, lane)) {
        decision.response = problemResponse(kNoSuchLane);
        return;
    }
    decision.kind = Kind::kOverlayStream;
    decision.lane = lane;
    decision.snapshot = std::move(snapshot);
}
