#include "feeds/HttpFetch.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "feeds/AddressKind.h"

namespace {
// Wide text of a header; empty when the answer lacks it.
std::wstring header(HINTERNET request, DWORD which) {
    DWORD size = 0;
    WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0 || size > 64 * 1024) return std::wstring();
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, buffer.data(), &size, WINHTTP_NO_HEADER_INDEX))
        return std::wstring();
    return std::wstring(buffer.data(), size / sizeof(wchar_t));
}

DWORD statusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                             &status, &size, WINHTTP_NO_HEADER_INDEX))
        return 0;
    return status;
}

std::string asciiOf(const std::wstring& text) {
    std::string ascii;
    for (wchar_t c : text) ascii += c < 0x80 ? static_cast<char>(c) : '?';
    return ascii;
}

// What the status callback hears of one request: a failed TLS check's flags (which check
// failed), and the IP address the connection was made to.
struct HopWatch {
    DWORD secureFlags = 0;
    wchar_t connectedTo[64] = {};
};

void CALLBACK onStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information, DWORD length) {
    HopWatch* watch = reinterpret_cast<HopWatch*>(context);
    if (!watch || !information) return;
    if (status == WINHTTP_CALLBACK_STATUS_SECURE_FAILURE && length >= sizeof(DWORD)) {
        watch->secureFlags = *static_cast<DWORD*>(information);
    } else if (status == WINHTTP_CALLBACK_STATUS_CONNECTED_TO_SERVER) {
        const size_t most = sizeof watch->connectedTo / sizeof watch->connectedTo[0] - 1;
        const size_t chars = std::min<size_t>(wcsnlen(static_cast<const wchar_t*>(information), most), length);
        std::wmemcpy(watch->connectedTo, static_cast<const wchar_t*>(information), chars);
        watch->connectedTo[chars] = L'\0';
    }
}

const wchar_t kInternalRedirect[] = L"a redirect to an internal address was refused";

// The parts of a URL that WinHTTP connects with; false for anything but http and https.
struct UrlParts {
    std::wstring host;
    std::wstring pathAndQuery;
    INTERNET_PORT port = 0;
    bool secure = false;
};

bool crackUrl(const std::wstring& url, UrlParts& parts) {
    URL_COMPONENTS components{};
    components.dwStructSize = sizeof(components);
    components.dwHostNameLength = static_cast<DWORD>(-1);
    components.dwUrlPathLength = static_cast<DWORD>(-1);
    components.dwExtraInfoLength = static_cast<DWORD>(-1);
    components.dwSchemeLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
    if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (!components.lpszHostName || components.dwHostNameLength == 0) return false;
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    parts.pathAndQuery.assign(components.lpszUrlPath ? components.lpszUrlPath : L"", components.dwUrlPathLength);
    if (components.lpszExtraInfo) parts.pathAndQuery.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    // The fragment is the client's own: it is not sent.
    parts.pathAndQuery = parts.pathAndQuery.substr(0, parts.pathAndQuery.find(L'#'));
    if (parts.pathAndQuery.empty()) parts.pathAndQuery = L"/";
    parts.port = components.nPort;
    parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
    return true;
}

// `location` taken relative to `base`, as a browser takes a Location header.
std::wstring resolvedUrl(const std::wstring& base, const std::wstring& location) {
    DWORD length = 0;
    wchar_t probe[1];
    if (UrlCombineW(base.c_str(), location.c_str(), probe, &length, 0) != E_POINTER || length == 0) return std::wstring();
    std::vector<wchar_t> combined(length + 1, L'\0');
    if (FAILED(UrlCombineW(base.c_str(), location.c_str(), combined.data(), &length, 0))) return std::wstring();
    return std::wstring(combined.data(), length);
}

// The Content-Length the answer announces; 0 when none, saturating instead of overflowing.
unsigned long long declaredLength(HINTERNET request) {
    unsigned long long length = 0;
    for (wchar_t c : header(request, WINHTTP_QUERY_CONTENT_LENGTH)) {
        if (c < L'0' || c > L'9') break;
        length = length > (1ULL << 50) ? length : length * 10 + static_cast<unsigned>(c - L'0');
    }
    return length;
}

bool isRedirect(DWORD status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

class Look {
public:
    Look(HINTERNET session, const FetchOptions& options, const std::atomic<bool>* stop)
        : m_session(session), m_options(options), m_stop(stop), m_started(GetTickCount()) {}

    FetchResult run(std::wstring url, const FetchValidators& last) {
        for (int redirects = 0;; ++redirects) {
            UrlParts parts;
            if (!crackUrl(url, parts)) return failed(L"the address is not an http:// or https:// URL");
            // A redirect to an address written as such is refused before anything is sent there.
            if (redirects > 0 && isIpAddress(parts.host) && !redirectMayReach(m_sourceKind, addressKindOf(parts.host)))
                return failed(kInternalRedirect);
            std::wstring location;
            if (!request(parts, last, redirects == 0, location)) return m_result;
            if (location.empty()) return m_result;
            if (redirects == FetchOptions::kMaxRedirects) return failed(L"more than 5 redirects");
            std::wstring next;
            const std::wstring refusal = redirectRefusal(url, location, next);
            if (!refusal.empty()) return failed(refusal);
            url = next;
        }
    }

private:
    FetchResult failed(const std::wstring& reason) {
        m_result.outcome = FetchOutcome::Failed;
        m_result.bytes.clear();
        m_result.reason = reason;
        return m_result;
    }

    bool failedWith(const std::wstring& reason) {
        failed(reason);
        return false;
    }

    bool failedCall() { return failedWith(winHttpErrorText(GetLastError(), m_watch.secureFlags)); }

    bool stopped() const { return m_stop && m_stop->load(); }

    // What is left of the whole look's time, redirects included; 0 once it is spent.
    DWORD remainingMs() const {
        const DWORD spent = GetTickCount() - m_started;
        return spent >= m_options.requestTimeoutMs ? 0 : m_options.requestTimeoutMs - spent;
    }

    bool pastTime() const { return stopped() || remainingMs() == 0; }
    bool failedForTime() { return failedWith(stopped() ? L"stopped" : L"the answer took too long"); }

    // Each wait of this request ends by its own time-out or by what is left of the look's time,
    // whichever comes first (never 0, which WinHTTP takes for no limit).
    bool limitWaits(HINTERNET request) {
        const DWORD left = remainingMs();
        if (left == 0) return false;
        const int connect = static_cast<int>(std::min(m_options.connectTimeoutMs, left));
        const int receive = static_cast<int>(std::min(m_options.receiveTimeoutMs, left));
        return WinHttpSetTimeouts(request, connect, connect, receive, receive) != FALSE;
    }

    // Whether the connection this request was answered on reached a place a redirect may lead
    // to. The first request's address sets the source's own kind. A name that resolves to an
    // internal address counts as that address; through a proxy, the proxy is what was reached.
    bool reachedAllowedPlace(bool first) {
        const std::wstring connected = m_watch.connectedTo;
        const AddressKind kind = connected.empty() ? AddressKind::Public : addressKindOf(connected);
        if (first) {
            m_sourceKind = kind;
            return true;
        }
        // Every request opens a connection of its own and is told its address; one that is not
        // told cannot be judged, and a redirect is not trusted blindly.
        return !connected.empty() && redirectMayReach(m_sourceKind, kind);
    }

    // One request; true with `location` set when it redirects, true with the result set when it
    // ends the look, false when it failed.
    bool request(const UrlParts& parts, const FetchValidators& last, bool first, std::wstring& location) {
        if (pastTime()) return failedForTime();
        WinHttpHandle connection(WinHttpConnect(m_session, parts.host.c_str(), parts.port, 0));
        if (!connection) return failedCall();
        WinHttpHandle request(WinHttpOpenRequest(connection.get(), L"GET", parts.pathAndQuery.c_str(), nullptr,
                                                 WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                 parts.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!request) return failedCall();
        // Redirects are followed by run(), which checks each; a connection is never taken over
        // from an earlier request, so that each one reports the address it reached.
        DWORD features = WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_KEEP_ALIVE;
        if (!WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &features, sizeof(features))) return failedCall();
        if (!limitWaits(request.get())) return pastTime() ? failedForTime() : failedCall();
        if (WinHttpSetStatusCallback(request.get(), onStatus,
                                     WINHTTP_CALLBACK_FLAG_SECURE_FAILURE | WINHTTP_CALLBACK_FLAG_CONNECT_TO_SERVER,
                                     0) == WINHTTP_INVALID_STATUS_CALLBACK)
            return failedCall();

        std::wstring headers = L"Accept: application/rss+xml, application/atom+xml, application/xml, text/xml, "
                               L"application/json, text/csv, text/plain;q=0.9, */*;q=0.5\r\n";
        if (!last.etag.empty()) headers += L"If-None-Match: " + last.etag + L"\r\n";
        if (!last.lastModified.empty()) headers += L"If-Modified-Since: " + last.lastModified + L"\r\n";
        m_watch = HopWatch();
        if (!WinHttpSendRequest(request.get(), headers.c_str(), static_cast<DWORD>(headers.size()), WINHTTP_NO_REQUEST_DATA, 0,
                                0, reinterpret_cast<DWORD_PTR>(&m_watch)) ||
            !WinHttpReceiveResponse(request.get(), nullptr))
            return pastTime() ? failedForTime() : failedCall();
        if (!reachedAllowedPlace(first)) return failedWith(kInternalRedirect);

        m_result.status = statusCode(request.get());
        if (isRedirect(m_result.status)) {
            location = header(request.get(), WINHTTP_QUERY_LOCATION);
            return !location.empty() || failedWith(L"HTTP " + std::to_wstring(m_result.status) + L" without a Location");
        }
        if (m_result.status == 304) {
            m_result.outcome = FetchOutcome::Unchanged;
            return true;
        }
        if (m_result.status != 200) return failedWith(L"HTTP " + std::to_wstring(m_result.status));
        if (declaredLength(request.get()) > m_options.maxBytes) return failedWith(tooLarge());
        if (!readBody(request.get())) return false;
        m_result.contentType = asciiOf(header(request.get(), WINHTTP_QUERY_CONTENT_TYPE));
        m_result.validators.etag = header(request.get(), WINHTTP_QUERY_ETAG);
        m_result.validators.lastModified = header(request.get(), WINHTTP_QUERY_LAST_MODIFIED);
        m_result.outcome = FetchOutcome::Fetched;
        return true;
    }

    std::wstring tooLarge() const {
        return L"the answer is larger than " + std::to_wstring(m_options.maxBytes / (1024 * 1024)) + L" MiB";
    }

    bool readBody(HINTERNET request) {
        std::string& bytes = m_result.bytes;
        const size_t chunk = 64 * 1024;
        for (;;) {
            if (pastTime()) return failedForTime();
            DWORD receive = std::max<DWORD>(1, std::min(m_options.receiveTimeoutMs, remainingMs()));
            WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_TIMEOUT, &receive, sizeof(receive));
            const size_t have = bytes.size();
            bytes.resize(have + chunk);
            DWORD got = 0;
            if (!WinHttpReadData(request, &bytes[have], static_cast<DWORD>(chunk), &got)) {
                bytes.resize(have);
                return pastTime() ? failedForTime() : failedCall();
            }
            bytes.resize(have + got);
            if (got == 0) return true;
            if (bytes.size() > m_options.maxBytes) return failedWith(tooLarge());
        }
    }

    HINTERNET m_session;
    const FetchOptions& m_options;
    const std::atomic<bool>* m_stop;
    DWORD m_started;
    HopWatch m_watch;
    AddressKind m_sourceKind = AddressKind::Public;
    FetchResult m_result;
};
}  // namespace

HttpFetcher::HttpFetcher(const FetchOptions& options) : m_options(options) {
    // The automatic proxy (Windows 8.1 on) finds a proxy as the system does; older systems
    // refuse it, and their WinHTTP default proxy is taken.
    m_session.reset(WinHttpOpen(m_options.userAgent.c_str(), WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0));
    if (!m_session)
        m_session.reset(WinHttpOpen(m_options.userAgent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, 0));
    if (!m_session) {
        m_openError = GetLastError();
        return;
    }
    const int connect = static_cast<int>(m_options.connectTimeoutMs);
    const int receive = static_cast<int>(m_options.receiveTimeoutMs);
    WinHttpSetTimeouts(m_session.get(), connect, connect, receive, receive);
}

FetchResult HttpFetcher::fetch(const std::wstring& url, const FetchValidators& last, const std::atomic<bool>* stop) {
    if (!m_session) {
        FetchResult result;
        result.reason = L"WinHTTP could not be opened: " + winHttpErrorText(m_openError, 0);
        return result;
    }
    try {
        return Look(m_session.get(), m_options, stop).run(url, last);
    } catch (const std::exception&) {
        FetchResult result;
        result.reason = L"out of memory for the answer";
        return result;
    }
}

std::wstring redirectRefusal(const std::wstring& from, const std::wstring& location, std::wstring& next) {
    next.clear();
    UrlParts fromParts;
    UrlParts toParts;
    const std::wstring to = resolvedUrl(from, location);
    if (to.empty() || !crackUrl(from, fromParts) || !crackUrl(to, toParts)) return L"a redirect to another scheme was refused";
    if (fromParts.secure && !toParts.secure) return L"a redirect from https to http was refused";
    next = to;
    return std::wstring();
}

std::wstring winHttpErrorText(DWORD error, DWORD flags) {
    if (error == ERROR_WINHTTP_SECURE_FAILURE || flags != 0) {
        std::wstring why;
        if (flags & WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA) why = L"it is not issued by a trusted authority";
        else if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID) why = L"it is for another name";
        else if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID) why = L"it has expired or is not valid yet";
        else if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED) why = L"it has been revoked";
        else if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REV_FAILED) why = L"its revocation could not be checked";
        else why = L"it is not valid";
        return L"the server's certificate was refused: " + why;
    }
    switch (error) {
    case ERROR_WINHTTP_SECURE_INVALID_CA: return L"the server's certificate was refused: it is not issued by a trusted authority";
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID: return L"the server's certificate was refused: it is for another name";
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID: return L"the server's certificate was refused: it has expired or is not valid yet";
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
        return L"no secure connection (TLS failed, or the server's certificate was refused)";
    case ERROR_WINHTTP_TIMEOUT: return L"the server did not answer in time";
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: return L"the server's name could not be resolved";
    case ERROR_WINHTTP_CANNOT_CONNECT: return L"no connection to the server";
    case ERROR_WINHTTP_CONNECTION_ERROR: return L"the connection was dropped";
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return L"no valid answer from the server (dropped or too slow)";
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
    case ERROR_WINHTTP_INVALID_URL: return L"the address is not a valid http:// or https:// URL";
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return L"out of memory";
    default: return L"WinHTTP error " + std::to_wstring(error);
    }
}
