// Who may do what at the HTTP surface: the token does everything, the view key (in the address)
// reads the show and opens the overlay and nothing else, a wrong key or none only the open page.
#include <gtest/gtest.h>

#include "FakeShow.h"
#include "surfaces/HttpSurface.h"

namespace {

const char kToken[] = "token-0123456789abcdefghijklmnop";
const char kViewKey[] = "view-0123456789abcdefghijklmnopq";
const int kPort = 8080;

enum class Key { kToken, kView, kWrongView, kNone };

HttpRequest requestOf(const char* method, std::string target, Key key, std::string body = std::string()) {
    HttpRequest request;
    request.method = method;
    if (key == Key::kView || key == Key::kWrongView) {
        target += target.find('?') == std::string::npos ? "?view=" : "&view=";
        target += kViewKey;
        if (key == Key::kWrongView) target.back() = 'x';
    }
    request.target = target;
    request.path = target.substr(0, target.find('?'));
    request.fields.emplace_back("host", "127.0.0.1:8080");
    if (key == Key::kToken) request.fields.emplace_back("authorization", std::string("Bearer ") + kToken);
    request.body = std::move(body);
    return request;
}

// The status the client sees: a stream allowed is 200.
int statusOf(const HttpSurface::Decision& decision) {
    return decision.kind == HttpSurface::Kind::kResponse ? decision.response.status : 200;
}

struct Surface {
    explicit Surface(const char* viewKey = kViewKey)
        : show({{L"開演まであと5分です", 5}}),
          surface(show, kToken, viewKey, kPort, [] { return std::vector<std::string>{"127.0.0.1"}; }) {}
    // A second apart: no rate is reached.
    HttpSurface::Decision decide(const HttpRequest& request) { return surface.decide(request, 1, ++seconds * 1000); }
    FakeShow show;
    HttpSurface surface;
    unsigned long long seconds = 0;
};

TEST(HttpSurface, EachKeyOpensWhatItMay) {
    const struct {
        const char* method;
        const char* target;
        const char* body;
        HttpSurface::Kind kind;  // when allowed
    } requests[] = {
        {"GET", "/overlay?lane=1", "", HttpSurface::Kind::kResponse},
        {"GET", "/api/state", "", HttpSurface::Kind::kResponse},
        {"GET", "/api/events", "", HttpSurface::Kind::kEventStream},
        {"GET", "/api/overlay?lane=1", "", HttpSurface::Kind::kOverlayStream},
        {"POST", "/api/show/1", "", HttpSurface::Kind::kResponse},
        {"PUT", "/api/items/1", R"({"text": "x"})", HttpSurface::Kind::kResponse},
    };
    const struct {
        Key key;
        int statuses[6];
    } keys[] = {
        {Key::kToken, {200, 200, 200, 200, 200, 200}},
        {Key::kView, {200, 200, 200, 200, 401, 401}},
        {Key::kWrongView, {401, 401, 401, 401, 401, 401}},
        {Key::kNone, {401, 401, 401, 401, 401, 401}},
    };
    Surface s;
    for (const auto& k : keys) {
        for (std::size_t i = 0; i < 6; ++i) {
            const HttpSurface::Decision decision = s.decide(requestOf(requests[i].method, requests[i].target, k.key, requests[i].body));
            const std::string where = std::to_string(static_cast<int>(k.key)) + " " + requests[i].target;
            EXPECT_EQ(statusOf(decision), k.statuses[i]) << where;
            if (k.statuses[i] == 200) {
                EXPECT_EQ(decision.kind, requests[i].kind) << where;
            } else {
                EXPECT_EQ(decision.response.fields.back().second, "Bearer") << where;
            }
        }
    }
    EXPECT_EQ(s.show.commands().size(), 2u) << "only the token's command and list edit were run";
}

TEST(HttpSurface, TheViewKeyOnlyInTheAddressAndWhole) {
    Surface s;
    const std::string key = kViewKey;
    const struct {
        const char* method;
        std::string target;
        Key key;
        std::string authorization;  // besides the key
        int status;
    } cases[] = {
        {"GET", "/overlay?lane=2&view=" + key + "&w=1280&matte=1", Key::kNone, "", 200},
        {"GET", "/overlay?view=" + key.substr(0, key.size() - 1), Key::kNone, "", 401},
        {"GET", "/overlay?view=" + key + "x", Key::kNone, "", 401},
        {"GET", "/overlay?xview=" + key, Key::kNone, "", 401},
        {"GET", "/overlay?view", Key::kNone, "", 401},
        {"GET", "/overlay?&&=&view=&", Key::kNone, "", 401},
        {"GET", "/overlay?view=" + std::string(kToken), Key::kNone, "", 401},  // the token never in the address
        {"GET", "/overlay", Key::kNone, "Bearer " + key, 401},                 // nor the view key as the token
        {"POST", "/overlay", Key::kView, "", 405},
        {"POST", "/api/state", Key::kView, "", 401},
        {"GET", "/api/nothing", Key::kView, "", 401},
        {"GET", "/api/overlay?lane=5", Key::kView, "", 400},
        {"GET", "/api/overlay?lane=", Key::kView, "", 400},
        {"GET", "/api/overlay?lane=12", Key::kView, "", 400},
        {"GET", "/api/overlay?lane=2", Key::kView, "", 404},
        {"POST", "/api/overlay", Key::kToken, "", 405},
    };
    for (const auto& c : cases) {
        HttpRequest request = requestOf(c.method, c.target, c.key);
        if (!c.authorization.empty()) request.fields.emplace_back("authorization", c.authorization);
        EXPECT_EQ(statusOf(s.decide(request)), c.status) << c.method << " " << request.target;
    }
    const HttpSurface::Decision stream = s.decide(requestOf("GET", "/api/overlay", Key::kView));
    EXPECT_EQ(stream.lane, 1) << "lane 1 unless named";
    ASSERT_TRUE(stream.snapshot);

    // The page carries the key, to the token's holder as well; a refusal ends only a keyless
    // client's connection.
    const std::string meta = std::string("content=\"") + kViewKey + "\"";
    EXPECT_NE(s.decide(requestOf("GET", "/overlay", Key::kView)).response.body.find(meta), std::string::npos);
    EXPECT_NE(s.decide(requestOf("GET", "/overlay", Key::kToken)).response.body.find(meta), std::string::npos);
    EXPECT_FALSE(s.decide(requestOf("POST", "/api/clear", Key::kView)).closes);
    EXPECT_TRUE(s.decide(requestOf("POST", "/api/clear", Key::kWrongView)).closes);

    Surface odd("k\"<>'");  // written into an attribute, it stays inside it
    EXPECT_NE(odd.decide(requestOf("GET", "/overlay", Key::kToken)).response.body.find("content=\"k&quot;&lt;&gt;&#39;\""),
              std::string::npos);
    Surface none("");  // without a view key only the token opens the overlay
    EXPECT_EQ(statusOf(none.decide(requestOf("GET", "/overlay?view=", Key::kNone))), 401);
    EXPECT_EQ(statusOf(none.decide(requestOf("GET", "/overlay", Key::kToken))), 200);
}

TEST(HttpSurface, TheViewKeySpendsTheRateOfRequestsWithoutTheToken) {
    Surface s;
    for (int i = 0; i < static_cast<int>(HttpSurface::kRequestBurst); ++i)
        ASSERT_EQ(statusOf(s.surface.decide(requestOf("GET", "/api/state", Key::kView), 1, 0)), 200) << i;
    EXPECT_EQ(statusOf(s.surface.decide(requestOf("GET", "/", Key::kNone), 1, 0)), 429);
    EXPECT_EQ(statusOf(s.surface.decide(requestOf("GET", "/api/state", Key::kToken), 1, 0)), 200);
}

}  // namespace
