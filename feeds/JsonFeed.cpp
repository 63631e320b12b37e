#include "feeds/JsonFeed.h"

#include <windows.h>

#include <nlohmann/json.hpp>

#include "feeds/PlainText.h"
#include "framework/TextCodec.h"

namespace {
using Json = nlohmann::json;

// The deepest nesting of arrays and objects outside strings; stops counting past the bound.
int nestingDepth(const std::string& bytes) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
            continue;
        }
        if (c == '"') inString = true;
        else if (c == '[' || c == '{') {
            if (++depth > deepest) deepest = depth;
            if (deepest > kMaxJsonDepth) break;
        } else if ((c == ']' || c == '}') && depth > 0) --depth;
    }
    return deepest;
}

// The pointer's tokens with "~1" read as "/" and "~0" as "~".
bool pointerTokens(const std::string& pointer, std::vector<std::string>& tokens) {
    if (pointer.empty()) return true;
    if (pointer[0] != '/') return false;
    size_t start = 1;
    for (;;) {
        const size_t slash = pointer.find('/', start);
        std::string raw = pointer.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        std::string token;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '~' && i + 1 < raw.size() && (raw[i + 1] == '0' || raw[i + 1] == '1')) {
                token += raw[++i] == '0' ? '~' : '/';
            } else if (raw[i] == '~') {
                return false;
            } else {
                token += raw[i];
            }
        }
        tokens.push_back(token);
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

// An array index as RFC 6901 writes it: "0", or digits without a leading zero.
bool arrayIndex(const std::string& token, size_t& index) {
    if (token.empty() || token.size() > 9 || (token.size() > 1 && token[0] == '0')) return false;
    index = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return false;
        index = index * 10 + static_cast<size_t>(c - '0');
    }
    return true;
}

class Collector {
public:
    Collector(const std::vector<std::string>& tokens, FeedParse& result) : m_tokens(tokens), m_result(result) {}

    // Walks with a stack of its own: the depth is bounded already, the breadth of "*" is not.
    void run(const Json& document) {
        std::vector<std::pair<const Json*, size_t>> pending{{&document, 0}};
        while (!pending.empty() && m_result.entries.size() < kMaxFeedEntries) {
            const Json* value = pending.back().first;
            const size_t at = pending.back().second;
            pending.pop_back();
            if (at == m_tokens.size()) {
                m_found = true;
                take(*value);
                continue;
            }
            const std::string& token = m_tokens[at];
            if (token == "*" && value->is_array()) {
                if (value->empty()) m_found = true;  // the place is there, with nothing in it now
                for (auto element = value->rbegin(); element != value->rend(); ++element) pending.push_back({&*element, at + 1});
            } else if (value->is_object()) {
                auto found = value->find(token);
                if (found != value->end()) pending.push_back({&*found, at + 1});
            } else if (value->is_array()) {
                size_t index = 0;
                if (arrayIndex(token, index) && index < value->size()) pending.push_back({&(*value)[index], at + 1});
            }
        }
    }

    // Whether the pointer names a place in the document: a value at its end, or an empty array
    // where a "*" stands.
    bool found() const { return m_found; }

private:
    void take(const Json& value) {
        if (!value.is_array()) {
            takeScalar(value);
            return;
        }
        for (const Json& element : value) takeScalar(element);
    }

    void takeScalar(const Json& value) {
        std::string text;
        if (value.is_string()) text = value.get_ref<const std::string&>();
        else if (value.is_number()) text = value.dump();
        else return;
        if (m_result.entries.size() >= kMaxFeedEntries) return;
        FeedEntry entry;
        entry.title = boundedText(plainTextOf(fw::Widen(text, CP_UTF8)), kMaxFieldCells);
        if (!entry.title.empty()) m_result.entries.push_back(std::move(entry));
    }

    const std::vector<std::string>& m_tokens;
    FeedParse& m_result;
    bool m_found = false;
};
}  // namespace

FeedParse parseJsonFeed(const std::string& bytes, const std::wstring& pointer) {
    FeedParse result;
    std::vector<std::string> tokens;
    if (!pointerTokens(fw::Narrow(pointer, CP_UTF8), tokens)) {
        result.reason = L"the field is no JSON Pointer (it must be empty or start with \"/\")";
        return result;
    }
    const fw::TextMark mark = fw::MarkOf(bytes);
    const bool utf16 = mark == fw::TextMark::Utf16LittleEndian || mark == fw::TextMark::Utf16BigEndian;
    const std::string utf8 = utf16 ? fw::Narrow(fw::Utf16FromBytes(bytes, 2, mark == fw::TextMark::Utf16BigEndian), CP_UTF8) : bytes;
    if (nestingDepth(utf8) > kMaxJsonDepth) {
        result.reason = L"the JSON is nested deeper than " + std::to_wstring(kMaxJsonDepth) + L" levels";
        return result;
    }
    try {
        const Json document = Json::parse(utf8);  // skips a UTF-8 byte-order mark; rejects invalid UTF-8
        Collector collector(tokens, result);
        collector.run(document);
        // An answer without the field (an error object, a changed layout) is no empty list: it
        // fails, and what the source had stays.
        result.ok = collector.found();
        if (!result.ok) result.reason = L"the field matches nothing in the answer";
    } catch (const Json::exception& error) {
        result.reason = L"not valid JSON: " + fw::Widen(error.what(), CP_UTF8);
    } catch (const std::bad_alloc&) {
        result.reason = L"out of memory for the JSON";
    }
    return result;
}
