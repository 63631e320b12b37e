#include "feeds/SourceItems.h"

#include <algorithm>
#include <unordered_set>

#include "feeds/PlainText.h"
#include "model/KirunData.h"

namespace {
wchar_t foldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool holds(const std::wstring& text, const std::wstring& word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [](wchar_t a, wchar_t b) { return foldAscii(a) == foldAscii(b); }) != text.end();
}

bool holdsAny(const std::wstring& text, const std::vector<std::wstring>& words) {
    return std::any_of(words.begin(), words.end(), [&](const std::wstring& word) { return holds(text, word); });
}

std::wstring captionOf(const std::wstring& prefix, const std::wstring& text) {
    return boundedText(plainTextOf(prefix + text), kMaxCaptionTextCells);
}
}  // namespace

std::vector<SourceItem> cycleItems(const std::vector<FeedEntry>& entries, const SourceSettings& settings) {
    std::vector<SourceItem> items;
    std::unordered_set<std::wstring> keys;
    std::unordered_set<std::wstring> idsAndTexts;
    for (const FeedEntry& entry : entries) {
        if (items.size() >= static_cast<size_t>(std::max(settings.maxItems, 1))) break;
        if (entry.title.empty()) continue;
        SourceItem item;
        item.text = captionOf(settings.prefix, entry.title);
        if (entry.id.empty()) {
            item.key = L"text:" + item.text;
        } else {
            // Some feeds give every entry one id: the entries that share it are told apart by
            // their text. The first keeps the id alone, so that its edited title keeps its place.
            if (!idsAndTexts.insert(entry.id + L"\n" + item.text).second) continue;
            item.key = L"id:" + entry.id;
            if (keys.count(item.key)) item.key += L"\n" + item.text;
        }
        if (keys.insert(item.key).second) items.push_back(std::move(item));
    }
    return items;
}

std::wstring cutInText(const FeedEntry& entry, const SourceSettings& settings) {
    const std::wstring text = entry.summary.empty() ? entry.title : entry.title + L"：" + entry.summary;
    return captionOf(settings.prefix, text);
}

bool entryMatches(const FeedEntry& entry, const std::vector<std::wstring>& matchWords,
                  const std::vector<std::wstring>& areaWords) {
    if (!matchWords.empty() && !holdsAny(entry.title, matchWords) && !holdsAny(entry.event, matchWords)) return false;
    if (areaWords.empty()) return true;
    return holdsAny(entry.author, areaWords) || holdsAny(entry.summary, areaWords) || holdsAny(entry.area, areaWords);
}
