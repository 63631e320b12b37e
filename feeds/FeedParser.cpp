#include "feeds/FeedParser.h"

#include <cwctype>

#include "model/Csv.h"
#include "feeds/JsonFeed.h"
#include "feeds/PlainText.h"
#include "model/TextDecoding.h"
#include "feeds/XmlFeeds.h"
#include "framework/TextCodec.h"

namespace {
bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The first character that is no blank, past a byte-order mark and UTF-16's zero bytes.
char firstSignificant(const std::string& bytes) {
    for (size_t i = fw::MarkLength(fw::MarkOf(bytes)); i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0') return c;
    }
    return '\0';
}

FeedEntry entryOf(const std::wstring& text) {
    FeedEntry entry;
    entry.title = boundedText(plainTextOf(text), kMaxFieldCells);
    return entry;
}

// The bytes as text in the charset the Content-Type names; one it cannot read is noted.
std::wstring textOf(const std::string& bytes, const std::string& contentType, FeedParse& result) {
    const std::string charset = charsetOf(contentType);
    bool known = true;
    const std::wstring text = decodeTextBytes(bytes, charset, known);
    if (known) return text;
    result.note = L"unknown charset ";
    for (char c : charset.substr(0, 40)) result.note += c > ' ' && c < '\x7F' ? static_cast<wchar_t>(c) : L'?';
    return text;
}

FeedParse parseText(const std::string& bytes, const std::string& contentType) {
    FeedParse result;
    const std::wstring text = textOf(bytes, contentType, result);
    size_t start = 0;
    while (start < text.size() && result.entries.size() < kMaxFeedEntries) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        FeedEntry entry = entryOf(text.substr(start, end - start));
        if (!entry.title.empty()) result.entries.push_back(std::move(entry));
        start = end + 1;
    }
    result.ok = true;
    return result;
}

bool columnNumber(const std::wstring& field, size_t& column) {
    if (field.empty() || field.size() > 4) return false;
    column = 0;
    for (wchar_t c : field) {
        if (c < L'0' || c > L'9') return false;
        column = column * 10 + static_cast<size_t>(c - L'0');
    }
    return column >= 1;
}

FeedParse parseCsv(const std::string& bytes, const std::string& contentType, const std::wstring& field) {
    FeedParse result;
    // One record more than the entries kept: the header.
    const CsvTable table = readCsv(textOf(bytes, contentType, result), kMaxFeedEntries + 1);
    if (!table.ok) {
        result.reason = L"not valid CSV: " + table.reason + L" (line " + std::to_wstring(table.badLine) + L")";
        return result;
    }
    size_t column = 1;
    if (!field.empty() && !columnNumber(field, column)) {
        const std::vector<std::wstring> header = table.records.empty() ? std::vector<std::wstring>() : table.records[0].fields;
        column = 0;
        for (size_t i = 0; i < header.size() && column == 0; ++i)
            if (plainTextOf(header[i]) == plainTextOf(field)) column = i + 1;
        if (column == 0) {
            result.reason = L"the CSV header has no column " + field;
            return result;
        }
    }
    for (size_t row = 1; row < table.records.size(); ++row) {
        const std::vector<std::wstring>& fields = table.records[row].fields;
        if (column > fields.size()) continue;
        FeedEntry entry = entryOf(fields[column - 1]);
        if (!entry.title.empty()) result.entries.push_back(std::move(entry));
    }
    result.ok = true;
    return result;
}
}  // namespace

SourceFormat detectFormat(const std::string& bytes, const std::string& contentType) {
    const std::string type = mediaTypeOf(contentType);
    if (contains(type, "json")) return SourceFormat::Json;
    if (contains(type, "xml")) return SourceFormat::Rss;
    if (type == "text/csv") return SourceFormat::Csv;
    const char first = firstSignificant(bytes);
    if (first == '<') return SourceFormat::Rss;
    if (first == '{' || first == '[') return SourceFormat::Json;
    return SourceFormat::Text;
}

FeedParse parseFeed(const std::string& bytes, const std::string& contentType, SourceFormat format,
                    const std::wstring& field) {
    // XML stays Auto: its root element tells a feed from an alert.
    SourceFormat effective = format;
    if (format == SourceFormat::Auto && detectFormat(bytes, contentType) != SourceFormat::Rss)
        effective = detectFormat(bytes, contentType);
    switch (effective) {
    case SourceFormat::Json: return parseJsonFeed(bytes, field);
    case SourceFormat::Csv: return parseCsv(bytes, contentType, field);
    case SourceFormat::Text: return parseText(bytes, contentType);
    case SourceFormat::Auto:
    case SourceFormat::Rss:
    case SourceFormat::Atom:
    case SourceFormat::Cap: break;
    }
    return parseXmlFeed(bytes, contentType, format);
}

std::string contentTypeOfPath(const std::wstring& path) {
    const size_t dot = path.find_last_of(L".\\/");
    if (dot == std::wstring::npos || path[dot] != L'.') return std::string();
    std::wstring extension = path.substr(dot + 1);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
    if (extension == L"xml" || extension == L"rss" || extension == L"atom" || extension == L"cap") return "application/xml";
    if (extension == L"json") return "application/json";
    if (extension == L"csv") return "text/csv";
    return std::string();
}
