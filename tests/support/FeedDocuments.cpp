#include "FeedDocuments.h"

#include <windows.h>

#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace testing_support {

std::string Utf8(const std::string& cp932) { return fw::Narrow(fw::WideFromCodePage932(cp932), CP_UTF8); }

std::string RssFeed(const std::vector<std::pair<std::string, std::string>>& items) {
    std::string feed = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\"><channel><title>news</title>";
    for (const auto& item : items) feed += "<item><title>" + Utf8(item.second) + "</title><guid>" + item.first + "</guid></item>";
    return feed + "</channel></rss>";
}

std::string WeatherAtomFeed(const std::vector<AlertEntry>& entries) {
    std::string feed =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\" lang=\"ja\">"
        "<title>" + Utf8("高頻度（随時）") + "</title><subtitle>XML publishing feed</subtitle>"
        "<updated>2026-01-15T10:00:00+09:00</updated><id>urn:uuid:feed</id>"
        "<link href=\"http://127.0.0.1/feed.xml\" rel=\"self\"/><rights>public</rights>";
    for (const AlertEntry& e : entries)
        feed += "<entry><title>" + Utf8(e.title) + "</title><id>urn:uuid:" + e.id +
                "</id><updated>2026-01-15T10:00:00+09:00</updated><author><name>" + Utf8(e.office) +
                "</name></author><link type=\"application/xml\" href=\"http://127.0.0.1/data/" + e.id +
                ".xml\"/><content type=\"text/plain\">" + Utf8(e.content) + "</content></entry>";
    return feed + "</feed>";
}

std::string CapAlert(const std::string& identifier, const std::string& event, const std::string& headline,
                     const std::string& description, const std::string& areaDesc) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><alert xmlns=\"urn:oasis:names:tc:emergency:cap:1.2\">"
           "<identifier>" + identifier + "</identifier><sender>alerts@example.jp</sender>"
           "<sent>2026-01-15T10:00:00+09:00</sent><status>Actual</status><msgType>Alert</msgType><scope>Public</scope>"
           "<info><language>ja-JP</language><category>Met</category><event>" + Utf8(event) +
           "</event><urgency>Immediate</urgency><severity>Severe</severity><certainty>Observed</certainty><headline>" +
           Utf8(headline) + "</headline><description>" + Utf8(description) + "</description><area><areaDesc>" +
           Utf8(areaDesc) + "</areaDesc></area></info></alert>";
}

std::string SourceSection(int n, const std::vector<std::string>& keys) {
    std::string section = "[SOURCE" + std::to_string(n) + "]\r\n";
    for (const std::string& key : keys) section += key + "\r\n";
    return section;
}

}  // namespace testing_support
