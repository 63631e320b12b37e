// Fetching a source: WinHTTP against a server on 127.0.0.1 started by the test (conditional
// requests, errors, drops, redirects, oversized answers, an untrusted certificate, charsets), a local file
// as a source, and the worker that looks, reports, keeps its last good items and stops at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <mutex>

#include "FeedServer.h"
#include "KirunnerProcess.h"
#include "ReasonText.h"
#include "TempDir.h"
#include "feeds/AddressKind.h"
#include "feeds/LocalFile.h"
#include "feeds/SourceWorker.h"
#include "framework/FileBytes.h"
#include "framework/TextCodec.h"

using namespace testing_support;

namespace {

std::string narrow(const std::wstring& text) { return fw::Narrow(text, CP_UTF8); }

// Reports as the worker hands them over, on its thread.
class Reports {
public:
    SourceCallback callback() {
        return [this](const SourceReport& report) {
            std::lock_guard<std::mutex> lock(m_lock);
            m_reports.push_back(report);
        };
    }
    size_t count() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_reports.size();
    }
    SourceReport at(size_t index) {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_reports.at(index);
    }
    bool waitFor(size_t count) { return WaitUntil([&] { return this->count() >= count; }, 20000, 20); }
    // A look that meets a file while it is being written may first say it is held: waits for a
    // later report that is `wanted`.
    bool waitForLatest(size_t after, const std::function<bool(const SourceReport&)>& wanted) {
        return WaitUntil([&] {
            std::lock_guard<std::mutex> lock(m_lock);
            return m_reports.size() > after && wanted(m_reports.back());
        }, 20000, 20);
    }

private:
    std::mutex m_lock;
    std::vector<SourceReport> m_reports;
};

std::wstring itemTexts(const SourceReport& report) {
    std::wstring text;
    for (const SourceItem& item : report.items) text += item.text + L";";
    return text;
}

const SourceTiming kQuick{300, 300, 100, 150000};

class SourceFetch : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
        options.receiveTimeoutMs = 5000;
    }
    FeedServer server;
    FetchOptions options;
};

TEST_F(SourceFetch, AnswerThenNotModifiedToTheConditionalRequest) {
    options.userAgent = userAgentOf(L"1.0.1.115");
    HttpFetcher fetcher(options);
    const FetchResult first = fetcher.fetch(server.http(L"/feed"), FetchValidators());
    ASSERT_EQ(FetchOutcome::Fetched, first.outcome) << narrow(first.reason);
    EXPECT_EQ("application/rss+xml", first.contentType);
    EXPECT_EQ(L"\"v1\"", first.validators.etag);
    EXPECT_NE(std::string::npos, first.bytes.find("<title>First</title>"));
    const FetchResult second = fetcher.fetch(server.http(L"/feed"), first.validators);
    EXPECT_EQ(FetchOutcome::Unchanged, second.outcome) << narrow(second.reason);
    EXPECT_EQ(1, server.conditionalRequests());
    EXPECT_EQ("Kirunner/1.0.1.115", server.lastUserAgent());
    EXPECT_EQ(FetchOutcome::Fetched, fetcher.fetch(server.http(L"/relative"), FetchValidators()).outcome);
}

TEST_F(SourceFetch, FailedLooksSayWhy) {
    const struct {
        std::wstring url;
        const wchar_t* reason;  // one of these, separated by "|"
    } kCases[] = {
        {server.http(L"/error"), L"HTTP 500"},
        {server.http(L"/drop"), L"dropped|no valid answer"},
        {server.http(L"/loop"), L"more than 5 redirects"},
        {server.http(L"/tofile"), L"another scheme"},
        {server.http(L"/big"), L"larger than 8 MiB"},
        {server.http(L"/bigstream"), L"larger than 8 MiB"},
        {server.https(L"/feed"), L"certificate"},
        {L"http://127.0.0.1:1/feed", L"no connection"},
        {L"ftp://127.0.0.1/feed", L"not an http"},
    };
    HttpFetcher fetcher(options);
    for (const auto& c : kCases) {
        const FetchResult result = fetcher.fetch(c.url, FetchValidators());
        EXPECT_EQ(FetchOutcome::Failed, result.outcome) << narrow(c.url);
        EXPECT_TRUE(result.bytes.empty()) << narrow(c.url);
        EXPECT_TRUE(SaysOneOf(result.reason, c.reason)) << narrow(c.url) << ": " << narrow(result.reason);
    }
}

TEST(Redirects, OnlyToHttpOrHttpsAndNeverDownToHttp) {
    const struct {
        const wchar_t* from;
        const wchar_t* location;
        const wchar_t* next;  // "" when refused
    } kCases[] = {
        {L"http://a/x/feed", L"other", L"http://a/x/other"},
        {L"http://a/x/feed", L"/top?q=1", L"http://a/top?q=1"},
        {L"http://a/feed", L"https://b/feed", L"https://b/feed"},
        {L"https://a/feed", L"//b/feed", L"https://b/feed"},
        {L"https://a/feed", L"http://a/feed", L""},
        {L"http://a/feed", L"file:///C:/windows/win.ini", L""},
        {L"http://a/feed", L"ftp://a/feed", L""},
        {L"http://a/feed", L"javascript:alert(1)", L""},
    };
    for (const auto& c : kCases) {
        std::wstring next;
        const std::wstring refusal = redirectRefusal(c.from, c.location, next);
        EXPECT_EQ(std::wstring(c.next), next) << narrow(c.location);
        EXPECT_EQ(next.empty(), !refusal.empty()) << narrow(c.location);
    }
}

TEST(Redirects, LeadOnlyToTheOpenInternetOrToThePlaceOfTheSourcesOwnKind) {
    using K = AddressKind;
    const std::pair<const wchar_t*, AddressKind> kAddresses[] = {
        {L"127.255.0.9", K::Loopback}, {L"[::1]", K::Loopback}, {L"::ffff:127.0.0.1", K::Loopback}, {L"10.1.2.3", K::Private},
        {L"172.31.255.255", K::Private}, {L"172.32.0.1", K::Public}, {L"192.168.0.10", K::Private}, {L"FC00::1", K::Private},
        {L"fd00::2", K::Private}, {L"169.254.10.1", K::LinkLocal}, {L"fe80::1%3", K::LinkLocal}, {L"febf::1", K::LinkLocal},
        {L"::ffff:169.254.1.1", K::LinkLocal}, {L"0.1.2.3", K::Unspecified}, {L"::", K::Unspecified}, {L"1.2.3", K::Public},
        {L"192.0.2.2", K::Public}, {L"2001:db8::1", K::Public}, {L"::ffff:8.8.8.8", K::Public}, {L"localhost", K::Public},
    };
    for (const auto& c : kAddresses) EXPECT_EQ(c.second, addressKindOf(c.first)) << narrow(c.first);
    EXPECT_FALSE(redirectMayReach(K::Public, K::LinkLocal) || redirectMayReach(K::Private, K::Loopback));
    EXPECT_TRUE(redirectMayReach(K::Loopback, K::Loopback) && redirectMayReach(K::Private, K::Public));
}

TEST_F(SourceFetch, ASlowRedirectChainEndsAtTheLooksOneTimeLimit) {
    options.requestTimeoutMs = 2500;
    options.receiveTimeoutMs = 2000;  // each hop (1.5 s) answers within it
    const FetchResult result = HttpFetcher(options).fetch(server.http(L"/slowhop/0"), FetchValidators());
    EXPECT_TRUE(result.outcome == FetchOutcome::Failed && SaysOneOf(result.reason, L"took too long|in time"))
        << narrow(result.reason);
}

TEST_F(SourceFetch, TextAndCsvInTheCharsetTheirAnswerNamesGoOnAirAsWritten) {
    const struct {
        const char *name, *bytes, *contentType;
        const wchar_t *items, *note;
    } kCases[] = {
        {"euc.txt", "\xC2\xE7\xB1\xAB\xB7\xD9\xCA\xF3\n\xB2\xF2\xBD\xFC\n", "text/plain; Charset=\"X-EUC-JP\"", L"大雨警報;解除;", L""},
        {"sjis.txt", "\x91\xAC\x95\xF1\n", "text/plain; charset=Windows-31J", L"速報;", L""},
        {"latin.csv", "name\r\nCaf\xE9 cr\xE8me\r\n", "text/csv; charset=iso_8859-1; header=present", L"Caf\x00E9 cr\x00E8me;", L""},
        {"utf16be.txt", "\x8B\x66\x58\x31", "text/plain; charset=utf-16be", L"警報;", L""},
        {"jis.txt", "\x1B$BB.Js\x1B(B\n", "text/plain;charset=iso-2022-jp", L"速報;", L""},
        {"utf16.txt", "\x66\x8B\x31\x58", "text/plain; charset=UTF-16LE", L"警報;", L""},
        {"marked.txt", "\xEF\xBB\xBF\xE8\xAD\xA6", "text/plain; charset=latin1", L"警;", L""},  // the mark wins
        {"unknown.txt", "\xE8\xAD\xA6", "text/plain; charset=x-klingon", L"警;", L"unknown charset x-klingon"},
    };
    for (const auto& c : kCases) {
        ASSERT_TRUE(server.put(c.name, c.bytes, c.contentType));
        SourceSettings settings;
        settings.url = server.http(L"/doc/" + fw::Widen(c.name, CP_UTF8));
        Reports reports;
        SourceWorker worker(settings, options, kQuick, reports.callback());
        ASSERT_TRUE(worker.start() && reports.waitFor(1)) << c.name;
        EXPECT_EQ(std::wstring(c.items), itemTexts(reports.at(0))) << c.name << ": " << narrow(reports.at(0).reason);
        EXPECT_EQ(std::wstring(c.note), reports.at(0).note) << c.name;
    }
}

TEST_F(SourceFetch, WorkerReportsItemsThenUnchangedAndStops) {
    SourceSettings settings;
    settings.url = server.http(L"/feed");
    settings.prefix = L"▼";
    Reports reports;
    SourceWorker worker(settings, options, kQuick, reports.callback());
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(reports.waitFor(2));
    worker.stop();
    const size_t stopped = reports.count();
    EXPECT_EQ(SourceReport::Kind::Fresh, reports.at(0).kind) << narrow(reports.at(0).reason);
    EXPECT_EQ(L"▼First;▼Second;", itemTexts(reports.at(0)));
    EXPECT_EQ(L"id:g1", reports.at(0).items.at(0).key);
    EXPECT_EQ(SourceReport::Kind::Unchanged, reports.at(1).kind);
    Sleep(500);
    EXPECT_EQ(stopped, reports.count());  // nothing after stop
}

TEST_F(SourceFetch, FailingSourceCountsItsFailuresAndAHangingLookDoesNotHoldStop) {
    SourceSettings settings;
    settings.url = server.http(L"/error");
    Reports reports;
    {
        SourceWorker worker(settings, options, kQuick, reports.callback());
        ASSERT_TRUE(worker.start());
        ASSERT_TRUE(reports.waitFor(2));
    }
    EXPECT_EQ(SourceReport::Kind::Failed, reports.at(1).kind);
    EXPECT_EQ(2, reports.at(1).failures);

    settings.url = server.http(L"/hang");
    Reports hanging;
    SourceWorker worker(settings, options, kQuick, hanging.callback());
    ASSERT_TRUE(worker.start());
    Sleep(300);  // the look is under way
    const DWORD started = GetTickCount();
    worker.stop();
    EXPECT_LT(GetTickCount() - started, 3000u);  // at once, not after the server's 30 s
    EXPECT_EQ(0u, hanging.count());
}

TEST(LocalSource, FileChangesAreReadAndFailuresKeepNothingBack) {
    TempDir dir;
    const std::wstring path = dir.wideFile(L"ニュース.txt");
    ASSERT_TRUE(WriteFileBytes(path, "\xEF\xBB\xBFone\r\ntwo\r\n"));
    SourceSettings settings;
    settings.url = path;
    Reports reports;
    SourceWorker worker(settings, FetchOptions(), kQuick, reports.callback());
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(L"one;two;", itemTexts(reports.at(0)));
    Sleep(100);
    ASSERT_TRUE(WriteFileBytes(path, "three, four and more\r\n"));
    EXPECT_TRUE(reports.waitForLatest(1, [](const SourceReport& r) { return itemTexts(r) == L"three, four and more;"; }));
    const size_t written = reports.count();
    ASSERT_TRUE(DeleteFileW(path.c_str()));
    EXPECT_TRUE(reports.waitForLatest(written, [](const SourceReport& r) {
        return r.kind == SourceReport::Kind::Failed && r.reason == L"the file does not exist";
    }));
    const size_t missing = reports.count();
    Sleep(500);
    EXPECT_EQ(missing, reports.count());  // one report for the missing file, not one a look
    worker.stop();

    // 50 MB: refused at the bound, without reading it all.
    const std::wstring large = dir.wideFile(L"large.xml");
    fw::FileHandle file(CreateFileW(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER size;
    size.QuadPart = 50LL * 1024 * 1024;
    ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()));
    file.reset();
    const FetchResult result = readLocalSource(large, FetchOptions::kMaxAnswerBytes);
    EXPECT_EQ(FetchOutcome::Failed, result.outcome);
    EXPECT_EQ(L"the file is larger than 8 MiB", result.reason);
    DeleteFileW(large.c_str());
}

// A worker that follows one left behind makes no look beside it: it waits, says that it overran
// once past its time, and looks when the earlier one ends (an event stands for its thread).
TEST(LocalSource, AWorkerFollowingALookThatDidNotEndWaitsAndSaysItOverran) {
    TempDir dir;
    const std::wstring path = dir.wideFile(L"news.txt");
    ASSERT_TRUE(WriteFileBytes(path, "one\r\n"));
    SourceSettings settings;
    settings.url = path;
    fw::KernelHandle earlier(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(earlier);
    Reports reports;
    SourceWorker worker(settings, FetchOptions(), SourceTiming{300, 300, 100, 200}, reports.callback());
    ASSERT_TRUE(worker.start(earlier.get()));
    EXPECT_TRUE(WaitUntil([&] { return worker.overran(); }, 5000, 20));
    EXPECT_EQ(0u, reports.count());
    SetEvent(earlier.get());
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(L"one;", itemTexts(reports.at(0)));
    EXPECT_FALSE(worker.overran());
    worker.stop();
    EXPECT_FALSE(worker.takeLeftBehind());
}

TEST(LocalSource, NewAlertEntriesCutInAfterTheBaseline) {
    TempDir dir;
    const std::wstring path = dir.wideFile(L"alerts.xml");
    const std::wstring head = L"<feed xmlns=\"http://www.w3.org/2005/Atom\">";
    const std::wstring old = L"<entry><id>1</id><title>大雨警報</title><content>東京</content></entry>";
    ASSERT_TRUE(WriteFileBytes(path, fw::Narrow(head + old + L"</feed>", CP_UTF8)));
    SourceSettings settings;
    settings.url = path;
    settings.mode = SourceMode::CutIn;
    settings.match = L"警報";
    settings.area = L"東京";
    Reports reports;
    SourceWorker worker(settings, FetchOptions(), kQuick, reports.callback());
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_TRUE(reports.at(0).cutIns.empty());
    Sleep(100);
    ASSERT_TRUE(WriteFileBytes(path, fw::Narrow(head + L"<entry><id>3</id><title>暴風警報</title><content>東京</content></entry>"
                                                       L"<entry><id>2</id><title>雷注意報</title><content>東京</content></entry>" +
                                                    old + L"</feed>",
                                                CP_UTF8)));
    ASSERT_TRUE(reports.waitForLatest(1, [](const SourceReport& r) { return r.kind != SourceReport::Kind::Failed; }));
    EXPECT_EQ(std::vector<std::wstring>{L"暴風警報：東京"}, reports.at(reports.count() - 1).cutIns);
}

}  // namespace
