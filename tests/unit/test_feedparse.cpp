// Parsing a source's bytes into entries: each format in its well-formed forms, and inputs meant
// to hurt the reader (entity expansion, external entities, deep nesting, bad bytes, broken files).
#include <gtest/gtest.h>

#include <windows.h>

#include "ReasonText.h"
#include "feeds/FeedParser.h"
#include "feeds/PlainText.h"
#include "framework/TextCodec.h"

namespace {

// Every entry as "id|title|summary|author|area|event", one a line.
std::wstring entriesText(const FeedParse& parse) {
    std::wstring text;
    for (const FeedEntry& e : parse.entries)
        text += e.id + L"|" + e.title + L"|" + e.summary + L"|" + e.author + L"|" + e.area + L"|" + e.event + L"\n";
    return text;
}

std::string utf8(const std::wstring& text) { return fw::Narrow(text, CP_UTF8); }
std::string cp932(const std::wstring& text) { return fw::Narrow(text, 932); }

const wchar_t kRss[] =
    L"<?xml version=\"1.0\" encoding=\"%s\"?>\n<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
    L"<channel><title>ch</title><item><title>株価 &amp; 為替</title><guid isPermaLink=\"false\">n-1</guid>"
    L"<description><![CDATA[<p>終値は<b>上昇</b>&nbsp;した</p>]]></description><dc:creator>経済部</dc:creator></item>"
    L"<item><title>  天気\n  晴れ </title><description>&lt;i&gt;明日&lt;/i&gt;</description><author>a@b</author>"
    L"<media:title xmlns:media=\"http://search.yahoo.com/mrss/\">not this</media:title></item></channel></rss>";

std::wstring rss(const wchar_t* encoding) {
    std::wstring text(kRss);
    text.replace(text.find(L"%s"), 2, encoding);
    return text;
}

// The weather service's Atom feed of short messages.
const wchar_t kWeatherAtom[] =
    L"<?xml version=\"1.0\" encoding=\"utf-8\"?><feed xmlns=\"http://www.w3.org/2005/Atom\" lang=\"ja\">"
    L"<title>高頻度（随時）</title><id>urn:feed</id>"
    L"<entry><title>気象特別警報・警報・注意報</title><id>urn:uuid:0001</id><updated>2024-01-01T00:00:00Z</updated>"
    L"<author><name>気象庁予報部</name></author><link type=\"application/xml\" href=\"http://example.invalid/1.xml\"/>"
    L"<content type=\"text\">【東京都気象警報・注意報】東京地方では、強風に注意してください。</content></entry>"
    L"<entry><title>竜巻注意情報</title><id>urn:uuid:0002</id><summary>発表</summary><author><name>大阪管区気象台</name></author>"
    L"</entry></feed>";

const wchar_t kCapAlert[] =
    L"<?xml version=\"1.0\" encoding=\"UTF-8\"?><alert xmlns=\"urn:oasis:names:tc:emergency:cap:1.2\">"
    L"<identifier>JP-2024-7</identifier><sender>jma@example.invalid</sender><sent>2024-01-01T00:00:00+09:00</sent>"
    L"<status>Actual</status><msgType>Alert</msgType><scope>Public</scope>"
    L"<info><language>en-US</language><event>Tsunami</event><headline>Tsunami warning</headline></info>"
    L"<info><language>ja-JP</language><category>Geo</category><event>津波警報</event><urgency>Immediate</urgency>"
    L"<severity>Severe</severity><certainty>Observed</certainty><senderName>気象庁</senderName>"
    L"<headline>津波警報を発表</headline><description>ただちに避難してください。</description>"
    L"<area><areaDesc>岩手県</areaDesc></area><area><areaDesc>宮城県</areaDesc></area></info></alert>";

TEST(FeedParse, WellFormedSourcesGiveTheirEntries) {
    const std::wstring capInAtom = std::wstring(L"<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>t</title>"
                                               L"<id>atom-id</id><content type=\"application/cap+xml\">") +
                                   (kCapAlert + std::wstring(kCapAlert).find(L"<alert")) + L"</content></entry></feed>";
    const std::wstring rssLines = L"n-1|株価 & 為替|終値は 上昇 した|経済部||\n|天気 晴れ|明日|a@b||\n";
    const struct {
        const char* name;
        std::string bytes;
        const char* contentType;
        SourceFormat format;
        const wchar_t* field;
        std::wstring expected;
    } kCases[] = {
        {"rss utf-8", utf8(rss(L"UTF-8")), "", SourceFormat::Auto, L"", rssLines},
        {"rss declared Shift_JIS", cp932(rss(L"Shift_JIS")), "", SourceFormat::Rss, L"", rssLines},
        {"rss, charset of the answer", cp932(rss(L"UTF-8")), "text/xml; charset=\"Shift_JIS\"", SourceFormat::Auto, L"", rssLines},
        {"rss utf-16 with mark", "\xFF\xFE" + fw::Utf16Bytes(rss(L"UTF-16"), false), "", SourceFormat::Auto, L"", rssLines},
        {"rss 1.0", utf8(L"<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" xmlns=\"http://purl.org/rss/1.0/\">"
                         L"<channel><title>c</title></channel><item><title>一</title></item></rdf:RDF>"),
         "", SourceFormat::Auto, L"", L"|一||||\n"},
        {"weather service atom", utf8(kWeatherAtom), "application/atom+xml", SourceFormat::Atom, L"",
         L"urn:uuid:0001|気象特別警報・警報・注意報|【東京都気象警報・注意報】東京地方では、強風に注意してください。|気象庁予報部||\n"
         L"urn:uuid:0002|竜巻注意情報|発表|大阪管区気象台||\n"},
        {"cap alert", utf8(kCapAlert), "", SourceFormat::Cap, L"", L"JP-2024-7|津波警報を発表|ただちに避難してください。|気象庁|岩手県、宮城県|津波警報\n"},
        {"cap in atom", utf8(capInAtom), "", SourceFormat::Cap, L"", L"JP-2024-7|津波警報を発表|ただちに避難してください。|気象庁|岩手県、宮城県|津波警報\n"},
        {"cap elements of an atom entry", utf8(L"<feed xmlns=\"http://www.w3.org/2005/Atom\" xmlns:cap=\"urn:oasis:names:tc:emergency:cap:1.1\">"
                                               L"<entry><id>w1</id><title>Flood Warning</title><summary>River rising</summary>"
                                               L"<cap:event>Flood Warning</cap:event><cap:areaDesc>Lake County</cap:areaDesc></entry></feed>"),
         "", SourceFormat::Auto, L"", L"w1|Flood Warning|River rising||Lake County|Flood Warning\n"},
        {"json wildcard", u8"{\"articles\":[{\"title\":\"一面\"},{\"title\":42},{\"title\":true},{\"x\":1},{\"title\":\"a~/b\"}]}",
         "application/json", SourceFormat::Auto, L"/articles/*/title", L"|一面||||\n|42||||\n|a~/b||||\n"},
        {"json escaped pointer and index", "{\"a/b\":{\"~k\":[\"x\",\"y\"]}}", "", SourceFormat::Json, L"/a~1b/~0k/1", L"|y||||\n"},
        {"json whole array, with mark", "\xEF\xBB\xBF[\"p\", 1.5, null, \"q\"]", "", SourceFormat::Auto, L"", L"|p||||\n|1.5||||\n|q||||\n"},
        {"csv by header name", utf8(L"\xFEFF番号,見出し\r\n1,\"雨, のち\r\n晴れ\"\r\n2,\"He said \"\"hi\"\"\"\n3,\n"), "text/csv",
         SourceFormat::Auto, L"見出し", L"|雨, のち 晴れ||||\n|He said \"hi\"||||\n"},
        {"csv by number, code page 932", cp932(L"a,b\r\n一,二\r\n三,四\r\n"), "", SourceFormat::Csv, L"2", L"|二||||\n|四||||\n"},
        {"csv first column, utf-16 big-endian", "\xFE\xFF" + fw::Utf16Bytes(L"h\r\nx\r\n\r\ny", true), "", SourceFormat::Csv, L"",
         L"|x||||\n|y||||\n"},
        {"text lines", utf8(L"\xFEFF一行目\r\n\r\n 二行目 \n"), "", SourceFormat::Auto, L"", L"|一行目||||\n|二行目||||\n"},
        {"text in code page 932", cp932(L"お知らせ\r\n"), "text/plain", SourceFormat::Auto, L"", L"|お知らせ||||\n"},
    };
    for (const auto& c : kCases) {
        const FeedParse parse = parseFeed(c.bytes, c.contentType, c.format, c.field);
        EXPECT_TRUE(parse.ok) << c.name << ": " << fw::Narrow(parse.reason, CP_UTF8);
        EXPECT_EQ(c.expected, entriesText(parse)) << c.name;
    }
}

TEST(FeedParse, HostileOrBrokenInputsFailWithTheirReason) {
    std::string deepXml;
    for (int i = 0; i < 100000; ++i) deepXml += "<a>";
    std::string deepJson(10000, '[');
    const struct {
        const char* name;
        std::string bytes;
        SourceFormat format;
        const wchar_t* reason;  // a part of the reason; one of several, separated by "|"
    } kCases[] = {
        {"billion laughs", "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;\">"
                           "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;\">]><rss><channel><item><title>&lol3;</title></item></channel></rss>",
         SourceFormat::Auto, L"document type declaration"},
        {"external entity", "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY x SYSTEM \"file:///C:/windows/win.ini\">]>"
                            "<rss><channel><item><title>&x;</title></item></channel></rss>",
         SourceFormat::Rss, L"document type declaration"},
        {"100,000 nested elements", deepXml, SourceFormat::Auto, L"nested too deep"},
        {"invalid UTF-8", "<rss><channel><item><title>\xC3\x28</title></item></channel></rss>", SourceFormat::Auto, L"not valid utf-8"},
        {"NUL character", std::string("<rss><channel><item><title>a") + '\0' + "b</title></item></channel></rss>", SourceFormat::Auto,
         L"U+0000"},
        {"unclosed comment", "<rss><!-- ", SourceFormat::Auto, L"comment is not closed"},
        {"unclosed CDATA", "<rss><![CDATA[ x", SourceFormat::Auto, L"CDATA"},
        {"lone ampersand at the end", "<rss>&", SourceFormat::Auto, L"reference"},
        {"declaration only", "<?xml", SourceFormat::Auto, L"processing instruction|ends inside"},
        {"declaration alone", "<?xml version=\"1.0\"?>\r\n", SourceFormat::Auto, L"no XML element"},
        {"mark only", "\xEF\xBB\xBF", SourceFormat::Rss, L"empty"},
        {"elements left open", "<rss><channel>", SourceFormat::Auto, L"ends before|does not come to its end|nested too deep"},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"KOI8-R\"?><rss/>", SourceFormat::Auto, L"koi8-r"},
        {"atom asked, rss given", "<rss><channel/></rss>", SourceFormat::Atom, L"no Atom feed"},
        {"json 10,000 deep", deepJson, SourceFormat::Auto, L"nested deeper"},
        {"json cut short", "{\"a\": [1, 2", SourceFormat::Json, L"not valid JSON"},
        {"json invalid UTF-8", "[\"\xFF\"]", SourceFormat::Json, L"not valid JSON"},
        {"csv with an unclosed quote", "h\r\nok\r\n\"open,\r\nstill open", SourceFormat::Csv, L"not closed (line 3)"},
        {"csv character after a quote", "h\r\n\"a\"b\r\n", SourceFormat::Csv, L"follows a closing quote (line 2)"},
    };
    for (const auto& c : kCases) {
        const FeedParse parse = parseFeed(c.bytes, "", c.format, c.format == SourceFormat::Csv ? L"9" : L"");
        EXPECT_FALSE(parse.ok) << c.name;
        EXPECT_TRUE(parse.entries.empty()) << c.name;
        EXPECT_TRUE(testing_support::SaysOneOf(parse.reason, c.reason)) << c.name << ": " << fw::Narrow(parse.reason, CP_UTF8);
    }
    EXPECT_FALSE(parseFeed("{}", "", SourceFormat::Json, L"no-slash").ok);
    EXPECT_FALSE(parseFeed("a\r\n", "", SourceFormat::Csv, L"missing").ok);
}

// Every cut of a feed, as a dropped connection or a half-written file leaves it, gives an answer:
// no cut crashes or hangs the reader.
TEST(FeedParse, EveryCutOfAFeedIsAnsweredWithoutHanging) {
    std::wstring feed = kWeatherAtom;
    feed.insert(feed.find(L"</feed>"), L"<!-- a --><?pi x?><x a='&amp;'><![CDATA[c]]>&#12354;</x>");
    const std::string whole = utf8(feed);
    ASSERT_TRUE(parseFeed(whole, "", SourceFormat::Auto, L"").ok);
    EXPECT_TRUE(parseFeed("", "", SourceFormat::Auto, L"").entries.empty());
    int parsed = 0;
    for (size_t length = 1; length < whole.size(); ++length)
        parsed += parseFeed(whole.substr(0, length), "", SourceFormat::Auto, L"").ok ? 1 : 0;
    EXPECT_EQ(0, parsed);  // a cut feed always leaves an element open
}

TEST(FeedParse, EntriesAndFieldsAreBounded) {
    std::wstring many = L"<rss><channel>";
    for (int i = 0; i < 1200; ++i) many += L"<item><title>" + std::wstring(5000, L'x') + L"</title></item>";
    many += L"</channel></rss>";
    const FeedParse parse = parseFeed(utf8(many), "", SourceFormat::Auto, L"");
    ASSERT_TRUE(parse.ok) << fw::Narrow(parse.reason, CP_UTF8);
    EXPECT_EQ(kMaxFeedEntries, parse.entries.size());
    EXPECT_EQ(kMaxFieldCells, parse.entries[0].title.size());
}

TEST(PlainText, TagsEntitiesAndBlanks) {
    const struct {
        const wchar_t* markup;
        const wchar_t* plain;
    } kCases[] = {
        {L"<p>a<br/>b</p>", L"a b"},
        {L"a < b > c", L"a < b > c"},
        {L"x<!-- <b>hidden</b> -->y", L"x y"},
        {L"&lt;b&gt; &amp;amp; &quot;&apos;", L"<b> &amp; \"'"},
        {L"&#12354;&#x3044;&#X1F600;", L"あい\xD83D\xDE00"},
        {L"&#0; &#xD800; &#1114112;", L"\xFFFD \xFFFD \xFFFD"},
        {L"&unknown; &amp &#xZZ;", L"&unknown; &amp &#xZZ;"},
        {L" \t a\r\n\x3000 b\x00A0 ", L"a b"},
        {L"a\x01\x7F b", L"a b"},
        {L"<a <b>x</b> <c &amp", L"x <c &amp"},
    };
    for (const auto& c : kCases) EXPECT_EQ(std::wstring(c.plain), plainTextOf(c.markup)) << fw::Narrow(c.markup, CP_UTF8);
}

// Text made of what starts a reference or a tag, with nothing to close it, is read in one pass:
// before, each "&" or "<" searched to the end of the text, and a feed of 2 MB never finished.
TEST(PlainText, LongRunsOfAmpersandsAndOpenTagsEndInOnePass) {
    std::wstring opens;
    for (int i = 0; i < 1000000; ++i) opens += L"<a";
    const struct {
        const char* name;
        std::wstring markup;
        std::wstring plain;
    } kCases[] = {
        {"2,000,000 ampersands", std::wstring(2000000, L'&'), std::wstring(2000000, L'&')},
        {"1,000,000 open tags", opens, opens},
        {"a reference and a tag after the run", std::wstring(1000000, L'&') + L"&lt;<b>x</b>",
         std::wstring(1000000, L'&') + L"< x"},
        {"a tag that closes after the run", L"<p" + std::wstring(1000000, L'<') + L">y", L"y"},
    };
    for (const auto& c : kCases) EXPECT_TRUE(c.plain == plainTextOf(c.markup)) << c.name;
}

TEST(FeedParse, AJsonPointerThatNamesNoPlaceFailsAndAnEmptyArrayIsNoItems) {
    const struct {
        const char* json;
        const wchar_t* pointer;
        bool ok;
        size_t entries;
    } kCases[] = {
        {"{\"error\":\"rate limited\"}", L"/items/*/title", false, 0},
        {"{\"items\":[{\"name\":\"a\"}]}", L"/items/*/title", false, 0},
        {"[\"a\"]", L"/1", false, 0},
        {"{\"items\":[]}", L"/items/*/title", true, 0},
        {"{\"items\":[{\"title\":null},{\"x\":1}]}", L"/items/*/title", true, 0},
        {"{\"items\":[{\"x\":1},{\"title\":\"a\"}]}", L"/items/*/title", true, 1},
        {"{\"error\":\"rate limited\"}", L"", true, 0},
    };
    for (const auto& c : kCases) {
        const FeedParse parse = parseFeed(c.json, "", SourceFormat::Json, c.pointer);
        EXPECT_EQ(c.ok, parse.ok) << c.json;
        EXPECT_EQ(c.entries, parse.entries.size()) << c.json;
        if (!c.ok) {
            EXPECT_TRUE(testing_support::SaysOneOf(parse.reason, L"matches nothing")) << c.json;
        }
    }
}

}  // namespace

