#pragma once
// One look at an http:// or https:// source with WinHTTP, on the caller's thread (a source's
// worker). The system's proxy settings are used (the automatic proxy where the system has it,
// Windows 8.1 on; its default proxy before). The server's certificate is always checked; there
// is no way to turn that off. Redirects are followed here, at most kMaxRedirects, never from
// https to http, never to another scheme, and never to a loopback, private, link-local or
// unspecified address unless the source's own address is of that kind (AddressKind.h), judged
// by the address each connection reached. One time limit covers the whole look, redirects
// included. The answer is read up to a size bound: beyond it reading stops and the look fails.
#include <windows.h>

#include <atomic>
#include <string>

#include "feeds/WinHttpHandle.h"

// The User-Agent that names the program and its version ("Kirunner/1.0.1.115").
inline std::wstring userAgentOf(const std::wstring& version) { return L"Kirunner/" + version; }

struct FetchOptions {
    static constexpr int kMaxRedirects = 5;
    static constexpr size_t kMaxAnswerBytes = 8 * 1024 * 1024;

    std::wstring userAgent = L"Kirunner";  // userAgentOf(the program's version)
    DWORD connectTimeoutMs = 15000;  // to resolve the name and to connect
    DWORD receiveTimeoutMs = 30000;  // for each wait on the server (headers, each read)
    DWORD requestTimeoutMs = 60000;  // the whole look, every redirect included; each wait gets what is left
    size_t maxBytes = kMaxAnswerBytes;
};

// What makes the next request conditional: the last good answer's ETag and Last-Modified.
struct FetchValidators {
    std::wstring etag;
    std::wstring lastModified;
};

enum class FetchOutcome { Fetched, Unchanged, Failed };

struct FetchResult {
    FetchOutcome outcome = FetchOutcome::Failed;
    std::string bytes;          // the answer's body (Fetched)
    std::string contentType;    // its Content-Type, "" when none
    FetchValidators validators; // of this answer (Fetched)
    DWORD status = 0;           // the last HTTP status seen, 0 when none came
    std::wstring reason;        // why it failed, for the operator (English)
    bool held = false;          // a local file that could not be opened now (a writer holds it)
};

// The session a source keeps for its looks.
class HttpFetcher {
public:
    explicit HttpFetcher(const FetchOptions& options);

    // GET `url`, conditional on `last`: 200 gives Fetched, 304 Unchanged, anything else Failed
    // with the reason. `stop` set by another thread ends the look between reads.
    FetchResult fetch(const std::wstring& url, const FetchValidators& last, const std::atomic<bool>* stop = nullptr);

private:
    FetchOptions m_options;
    WinHttpHandle m_session;
    DWORD m_openError = 0;
};

// Where a redirect from `from` to its Location leads (a relative one taken against `from`), in
// `next`; or why it is refused: another scheme than http and https, or https to http.
std::wstring redirectRefusal(const std::wstring& from, const std::wstring& location, std::wstring& next);

// The reason for a failed WinHTTP call with this error, for the operator.
std::wstring winHttpErrorText(DWORD error, DWORD secureFailureFlags);
