#include "surfaces/HttpRequestParser.h"

#include <algorithm>
#include <cstring>

namespace {

// The characters of a method or a field name (RFC 9110 "tchar").
bool isTokenChar(unsigned char c) {
    if (c >= '0' && c <= '9') return true;
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
    return c != 0 && std::strchr("!#$%&'*+-.^_`|~", c) != nullptr;
}

bool isToken(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return isTokenChar(static_cast<unsigned char>(c)); });
}

// A field value may hold visible characters, blanks and bytes of 0x80 and above; no controls.
bool isFieldValue(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u == '\t' || u >= 0x20 ? u != 0x7F : false;
    });
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether the comma-separated list holds the token (case-insensitive).
bool listHolds(const std::string& list, const char* token) {
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        if (lowerCase(trimmed(list.substr(at, comma - at))) == token) return true;
        at = comma + 1;
    }
    return false;
}

const std::size_t kMaxMethodBytes = 16;
const std::size_t kMaxLengthDigits = 10;

}  // namespace

const std::string* HttpRequest::field(const char* name) const {
    for (const auto& entry : fields)
        if (entry.first == name) return &entry.second;
    return nullptr;
}

bool HttpRequest::queryParameter(const char* name, std::string& value) const {
    const std::size_t question = target.find('?');
    if (question == std::string::npos) return false;
    const std::string wanted = std::string(name) + "=";
    std::size_t start = question + 1;
    while (start <= target.size()) {
        const std::size_t end = std::min(target.find('&', start), target.size());
        if (end - start >= wanted.size() && target.compare(start, wanted.size(), wanted) == 0) {
            value = target.substr(start + wanted.size(), end - start - wanted.size());
            return true;
        }
        start = end + 1;
    }
    return false;
}

void HttpRequestParser::reset() {
    m_state = State::kHead;
    m_failure = 0;
    m_started = false;
    m_head.clear();
    m_bodyLength = 0;
    m_request = HttpRequest();
}

void HttpRequestParser::fail(int status) {
    m_state = State::kFailed;
    m_failure = status;
}

std::size_t HttpRequestParser::feed(const char* data, std::size_t size) {
    std::size_t used = 0;
    if (m_state == State::kHead) {
        while (used < size) {
            const char c = data[used++];
            m_started = true;
            // Blank lines before the request line are passed over (RFC 9112, 2.2).
            if (m_head.empty() && (c == '\r' || c == '\n')) continue;
            if (m_head.size() >= m_limits.maxHeadBytes) {
                fail(431);
                return used;
            }
            m_head.push_back(c);
            const std::size_t n = m_head.size();
            const bool end = c == '\n' && ((n >= 2 && m_head[n - 2] == '\n') ||
                                           (n >= 3 && m_head[n - 2] == '\r' && m_head[n - 3] == '\n'));
            if (!end) continue;
            if (!parseHead()) return used;
            m_head.clear();
            m_head.shrink_to_fit();
            m_state = m_bodyLength == 0 ? State::kDone : State::kBody;
            break;
        }
    }
    if (m_state == State::kBody) {
        const std::size_t take = std::min(size - used, m_bodyLength - m_request.body.size());
        m_request.body.append(data + used, take);
        used += take;
        if (m_request.body.size() == m_bodyLength) m_state = State::kDone;
    }
    return used;
}

bool HttpRequestParser::parseHead() {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < m_head.size()) {
        const std::size_t end = m_head.find('\n', at);
        std::string line = m_head.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A bare carriage return inside a line is refused, as are NULs: both have been used
        // to make two parsers see two different requests.
        if (line.find('\r') != std::string::npos || line.find('\0') != std::string::npos) {
            fail(400);
            return false;
        }
        lines.push_back(std::move(line));
        at = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty() || !parseRequestLine(lines[0])) return false;
    if (lines.size() - 1 > m_limits.maxHeaderFields) {
        fail(431);
        return false;
    }
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!parseField(lines[i])) return false;
    return checkFields();
}

bool HttpRequestParser::parseRequestLine(const std::string& line) {
    const std::size_t space1 = line.find(' ');
    const std::size_t space2 = space1 == std::string::npos ? std::string::npos : line.find(' ', space1 + 1);
    if (space2 == std::string::npos || line.find(' ', space2 + 1) != std::string::npos) {
        fail(400);
        return false;
    }
    const std::string method = line.substr(0, space1);
    const std::string target = line.substr(space1 + 1, space2 - space1 - 1);
    const std::string version = line.substr(space2 + 1);
    if (!isToken(method) || method.size() > kMaxMethodBytes || target.empty() || target[0] != '/' ||
        !std::all_of(target.begin(), target.end(), [](char c) { return c > 0x20 && c < 0x7F; })) {
        fail(400);
        return false;
    }
    if (version.size() != 8 || version.compare(0, 5, "HTTP/") != 0 || version[6] != '.' ||
        !(version[5] >= '0' && version[5] <= '9') || !(version[7] >= '0' && version[7] <= '9')) {
        fail(400);
        return false;
    }
    if (version[5] != '1' || (version[7] != '0' && version[7] != '1')) {
        fail(505);
        return false;
    }
    m_request.method = method;
    m_request.target = target;
    m_request.path = target.substr(0, target.find('?'));
    m_request.minorVersion = version[7] - '0';
    return true;
}

bool HttpRequestParser::parseField(const std::string& line) {
    const std::size_t colon = line.find(':');
    // A line that starts with a blank continues the previous field (obsolete folding): refused.
    if (colon == std::string::npos || !isToken(line.substr(0, colon))) {
        fail(400);
        return false;
    }
    std::string value = trimmed(line.substr(colon + 1));
    if (!isFieldValue(value)) {
        fail(400);
        return false;
    }
    m_request.fields.emplace_back(lowerCase(line.substr(0, colon)), std::move(value));
    return true;
}

bool HttpRequestParser::checkFields() {
    std::size_t hosts = 0;
    bool haveLength = false;
    std::string length;
    std::string connection;
    for (const auto& entry : m_request.fields) {
        if (entry.first == "host") {
            ++hosts;
        } else if (entry.first == "transfer-encoding") {
            // Bodies come with a length; a coded body is not taken (and a request with both
            // is the classic way to smuggle a second one past another parser).
            fail(501);
            return false;
        } else if (entry.first == "content-length") {
            if (entry.second.empty() || entry.second.size() > kMaxLengthDigits ||
                !std::all_of(entry.second.begin(), entry.second.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
                (haveLength && entry.second != length)) {
                fail(400);
                return false;
            }
            haveLength = true;
            length = entry.second;
        } else if (entry.first == "connection") {
            connection += entry.second + ",";
        }
    }
    if (hosts > 1 || (hosts == 0 && m_request.minorVersion == 1)) {
        fail(400);
        return false;
    }
    if (haveLength) {
        const unsigned long long bytes = std::stoull(length);  // at most ten digits: no overflow
        if (bytes > m_limits.maxBodyBytes) {
            fail(413);
            return false;
        }
        m_bodyLength = static_cast<std::size_t>(bytes);
    }
    m_request.keepAlive = m_request.minorVersion == 1 ? !listHolds(connection, "close")
                                                      : listHolds(connection, "keep-alive");
    return true;
}
