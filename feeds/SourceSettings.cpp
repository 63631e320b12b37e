#include "feeds/SourceSettings.h"

#include <algorithm>
#include <cwctype>

#include "model/MinutesRule.h"

namespace {
// A settings line is read into a buffer of this many characters; longer values are cut here
// so that what is saved is what comes back.
const size_t kMaxTextLength = 2048;

const wchar_t* const kFormatNames[] = {L"auto", L"rss", L"atom", L"cap", L"json", L"csv", L"text"};

int clampInt(int value, int low, int high) { return std::min(std::max(value, low), high); }

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\x3000'; }

std::wstring trimmed(const std::wstring& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool startsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
    for (size_t i = 0; prefix[i]; ++i)
        if (i >= text.size() || std::towlower(text[i]) != prefix[i]) return false;
    return true;
}

void cutText(std::wstring& text) {
    if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
}
}  // namespace

void boundSourceSettings(SourceSettings& s) {
    s.exec = s.exec != 0 ? 1 : 0;
    s.refreshSeconds = clampInt(s.refreshSeconds, SourceSettings::kMinRefreshSeconds, SourceSettings::kMaxRefreshSeconds);
    s.maxItems = clampInt(s.maxItems, 1, SourceSettings::kMaxMaxItems);
    s.cutInMinutes = clampInt(s.cutInMinutes, kMinMinutes, kMaxMinutes);
    if (s.mode != SourceMode::CutIn) s.mode = SourceMode::Cycle;
    const int format = static_cast<int>(s.format);
    if (format < 0 || format > static_cast<int>(SourceFormat::Text)) s.format = SourceFormat::Auto;
    s.url = trimmed(s.url);
    if (s.url.size() >= 2 && s.url.front() == L'"' && s.url.back() == L'"') s.url = trimmed(s.url.substr(1, s.url.size() - 2));
    for (std::wstring* text : {&s.name, &s.url, &s.field, &s.prefix, &s.match, &s.area}) cutText(*text);
}

const wchar_t* sourceFormatName(SourceFormat format) {
    const int index = static_cast<int>(format);
    return index >= 0 && index <= static_cast<int>(SourceFormat::Text) ? kFormatNames[index] : kFormatNames[0];
}

SourceFormat sourceFormatFromName(const std::wstring& name) {
    std::wstring lower = trimmed(name);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    for (int i = 0; i <= static_cast<int>(SourceFormat::Text); ++i)
        if (lower == kFormatNames[i]) return static_cast<SourceFormat>(i);
    return SourceFormat::Auto;
}

bool isHttpUrl(const std::wstring& url) { return startsWithNoCase(url, L"http://") || startsWithNoCase(url, L"https://"); }

std::vector<std::wstring> splitBarList(const std::wstring& list) {
    std::vector<std::wstring> words;
    size_t start = 0;
    while (start <= list.size()) {
        size_t bar = list.find(L'|', start);
        if (bar == std::wstring::npos) bar = list.size();
        std::wstring word = trimmed(list.substr(start, bar - start));
        if (!word.empty()) words.push_back(word);
        start = bar + 1;
    }
    return words;
}
