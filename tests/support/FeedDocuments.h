#pragma once
// Documents a test serves as a data source (UTF-8): an RSS feed, an Atom feed of alerts as the
// national weather service publishes them (title, issuing office, one-sentence content), a CAP
// 1.2 alert; and the settings file's section of a source.
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// (guid, title) pairs as the items of an RSS 2.0 feed.
std::string RssFeed(const std::vector<std::pair<std::string, std::string>>& items);

struct AlertEntry {
    std::string id;
    std::string title;
    std::string office;   // the entry's author
    std::string content;  // one sentence
};
std::string WeatherAtomFeed(const std::vector<AlertEntry>& entries);
std::string CapAlert(const std::string& identifier, const std::string& event, const std::string& headline,
                     const std::string& description, const std::string& areaDesc);

// "[SOURCE<n>]" and its keys, "KEY=value" each (code page 932 bytes, as the settings file holds them).
std::string SourceSection(int n, const std::vector<std::string>& keys);

// Text in code page 932 (the test's narrow literals) as UTF-8, for a document.
std::string Utf8(const std::string& cp932);

}  // namespace testing_support
