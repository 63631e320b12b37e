// Who may do what at the HTTP surface: the token everything; the view key, only in the address,
// the overlay and reading the show, in the rate of requests without the token; other keys nothing;
// and what a list edit's body may say of the entry's schedule.
#include <gtest/gtest.h>

#include "FakeShow.h"
#include "surfaces/HttpSurface.h"
#include "surfaces/JsonText.h"

namespace {

const std::string kToken = "token-0123456789abcdefghijklmnop";
const std::string kView = "view-0123456789abcdefghijklmnopq";

struct Surface {
    explicit Surface(const std::string& viewKey = kView)
        : show({{L"x", 5}}), surface(show, kToken, viewKey, 8080, [] { return std::vector<std::string>{"127.0.0.1"}; }) {}
    // The status the client sees (a stream allowed: 200), for requests `apart` ms apart.
    int status(const std::string& method, const std::string& target, const std::string& authorization = "", int apart = 1000) {
        const HttpRequest request{method, target, target.substr(0, target.find('?')), 1,
                                  {{"host", "127.0.0.1:8080"}, {"authorization", authorization}}, "", true};
        last = surface.decide(request, 1, nowMs += static_cast<unsigned>(apart));
        return last.kind == HttpSurface::Kind::kResponse ? last.response.status : 200;
    }
    // The answer to a request with the token and `body`.
    HttpResponse answer(const std::string& method, const std::string& target, const std::string& body) {
        const HttpRequest request{method, target, target, 1,
                                  {{"host", "127.0.0.1:8080"}, {"authorization", "Bearer " + kToken}}, body, true};
        return surface.decide(request, 1, nowMs += 1000).response;
    }
    FakeShow show;
    HttpSurface surface;
    HttpSurface::Decision last;
    unsigned long long nowMs = 0;
};

TEST(HttpSurface, EachKeyOpensWhatItMay) {
    const struct {
        const char* method;
        const char* target;
        int status[4];  // with the token, the view key, a wrong one, none
    } cases[] = {{"GET", "/overlay?lane=1", {200, 200, 401, 401}},     {"GET", "/api/state?", {200, 200, 401, 401}},
                 {"GET", "/api/events?", {200, 200, 401, 401}},        {"GET", "/api/overlay?lane=1", {200, 200, 401, 401}},
                 {"POST", "/api/show/1?", {200, 401, 401, 401}},       {"DELETE", "/api/items/1?", {200, 401, 401, 401}}};
    Surface s;
    for (const auto& c : cases) {
        const std::string keys[] = {"", "&view=" + kView, "&view=" + kView.substr(1), ""};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s.status(c.method, c.target + keys[k], k == 0 ? "Bearer " + kToken : ""), c.status[k]) << c.target << k;
    }
    EXPECT_EQ(s.show.commands().size(), 2u) << "only the token's command and list edit were run";
}

TEST(HttpSurface, TheViewKeyOnlyInTheAddressAndOnlyToRead) {
    Surface s;
    const struct {
        const char* method;
        std::string target, authorization;
        int status;
    } cases[] = {{"GET", "/overlay?view=" + kToken, "", 401},  // the token never in the address,
                 {"GET", "/overlay", "Bearer " + kView, 401},  // nor the view key as the token
                 {"GET", "/overlay?&&=&view&view=&", "", 401},
                 {"POST", "/overlay?view=" + kView, "", 405},
                 {"GET", "/api/overlay?lane=5&view=" + kView, "", 400},
                 {"GET", "/api/overlay?view=" + kView + "&lane=2", "", 404}};
    for (const auto& c : cases) EXPECT_EQ(s.status(c.method, c.target, c.authorization), c.status) << c.target;
    EXPECT_EQ(s.status("POST", "/api/clear?view=" + kView), 401);
    EXPECT_FALSE(s.last.closes) << "a refusal ends a keyless client's connection only";
    EXPECT_EQ(s.status("POST", "/api/clear?view=x"), 401);
    EXPECT_TRUE(s.last.closes);
    Surface odd("k\"<>'");  // the page gives the token's holder the key, kept inside its attribute
    odd.status("GET", "/overlay", "Bearer " + kToken);
    EXPECT_NE(odd.last.response.body.find("content=\"k&quot;&lt;&gt;&#39;\""), std::string::npos);
    EXPECT_EQ(Surface("").status("GET", "/overlay?view="), 401) << "an empty key opens nothing";
    for (int i = 0; i < static_cast<int>(HttpSurface::kRequestBurst); ++i)
        ASSERT_EQ(s.status("GET", "/api/state?view=" + kView, "", i == 0 ? 5000 : 0), 200) << i;
    EXPECT_EQ(s.status("GET", "/", "", 0), 429);
    EXPECT_EQ(s.status("GET", "/api/state", "Bearer " + kToken, 0), 200);
}

}  // namespace

// A list entry's schedule reaches the show's command as the caption dialog keeps it; one the
// dialog refuses, or of another shape, is answered 400 in the dialog's words and runs nothing.
TEST(HttpSurface, ItemsTakeAScheduleTheDialogWouldKeep) {
    const struct {
        const char* method;
        const char* target;
        const char* schedule;
        const char* refusal;  // the answer's "ja"; null: taken
    } cases[] = {
        {"POST", "/api/items", R"({"from":"2026-12-24 18:00","hours":"22:00-02:00","days":"135","plays":3,"x":1})", nullptr},
        {"PUT", "/api/items/1", "null", nullptr},
        {"POST", "/api/items", R"({"from":"2026-12-24 18:00","until":"2026-12-24 18:00"})", u8"終了が開始より前です"},
        {"POST", "/api/items", R"({"days":""})", u8"曜日が1つも選ばれていません"},
        {"POST", "/api/items", R"({"plays":0})", u8"回数は1～9999の整数にしてください"},
        {"POST", "/api/items", R"({"plays":4294967299})", u8"回数は1～9999の整数にしてください"},
        {"POST", "/api/items", R"({"days":135})", u8"schedule の from・until・hours・days は文字列にしてください"},
        {"POST", "/api/items", R"("daily")", u8"schedule はオブジェクトか null にしてください"},
    };
    Surface s;
    for (const auto& c : cases) {
        const HttpResponse response = s.answer(c.method, c.target, std::string(R"({"text":"a","schedule":)") + c.schedule + "}");
        if (!c.refusal) {
            EXPECT_EQ(200, response.status) << c.schedule;
            continue;
        }
        EXPECT_EQ(400, response.status) << c.schedule;
        EXPECT_EQ(Json::parse(response.body)["error"]["ja"], c.refusal) << c.schedule;
    }
    const std::vector<CaptionCommand> commands = s.show.commands();
    ASSERT_EQ(2u, commands.size()) << "only the schedules taken";
    EXPECT_TRUE((AirWindow{"2026-12-24 18:00", "", "22:00-02:00", "135", 3}) == commands[0].window);
    EXPECT_FALSE(commands[1].window.set()) << "null: none";
    EXPECT_EQ(CaptionCommand::kChangeItem, commands[1].kind);
}
