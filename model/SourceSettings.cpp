#include "model/SourceSettings.h"

#include <algorithm>
#include <cwctype>

#include "framework/WideText.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"

namespace {
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

// A text as a settings line keeps it, so that what is saved is what comes back: a line break
// or another control character would end or spoil the line (each becomes a space), blanks of
// ASCII at either end are not kept, and longer texts are cut (at two bytes a unit in code page
// 932 and three in UTF-8 the settings file keeps every one whole).
void boundText(std::wstring& text) {
    for (wchar_t& c : text)
        if (c < L' ' || c == L'') c = L' ';
    const size_t first = text.find_first_not_of(L' ');
    text.erase(0, first == std::wstring::npos ? text.size() : first);
    text.erase(text.find_last_not_of(L' ') + 1);
    if (text.size() <= SourceSettings::kMaxTextLength) return;
    size_t length = SourceSettings::kMaxTextLength;
    if (fw::IsHighSurrogate(text[length - 1])) --length;
    text.resize(length);
}
}  // namespace

bool operator==(const SourceSettings& a, const SourceSettings& b) {
    return a.exec == b.exec && a.name == b.name && a.url == b.url && a.format == b.format && a.field == b.field &&
           a.refreshSeconds == b.refreshSeconds && a.maxItems == b.maxItems && a.prefix == b.prefix &&
           a.mode == b.mode && a.match == b.match && a.area == b.area && a.cutInMinutes == b.cutInMinutes &&
           a.lane == b.lane;
}

void boundSourceSettings(SourceSettings& s) {
    s.exec = s.exec != 0 ? 1 : 0;
    s.refreshSeconds = clampInt(s.refreshSeconds, SourceSettings::kMinRefreshSeconds, SourceSettings::kMaxRefreshSeconds);
    s.maxItems = clampInt(s.maxItems, 1, SourceSettings::kMaxMaxItems);
    s.cutInMinutes = clampInt(s.cutInMinutes, kMinMinutes, kMaxMinutes);
    if (s.mode != SourceMode::CutIn) s.mode = SourceMode::Cycle;
    if (s.lane < 1 || s.lane > kMaxLanes) s.lane = 1;
    const int format = static_cast<int>(s.format);
    if (format < 0 || format > static_cast<int>(SourceFormat::Text)) s.format = SourceFormat::Auto;
    s.url = trimmed(s.url);
    if (s.url.size() >= 2 && s.url.front() == L'"' && s.url.back() == L'"') s.url = trimmed(s.url.substr(1, s.url.size() - 2));
    for (std::wstring* text : {&s.name, &s.url, &s.field, &s.prefix, &s.match, &s.area}) boundText(*text);
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
