#pragma once
// One data source as the settings file keeps it (section SOURCEn, n from 0): where its captions
// come from, how they are read, and whether they join the cycle or cut in. The record holds what
// was loaded; boundSourceSettings brings it within the bounds the worker relies on.
#include <cstddef>
#include <string>
#include <vector>

// How a source's bytes are read. Auto tells it from the answer's type and the bytes.
enum class SourceFormat { Auto, Rss, Atom, Cap, Json, Csv, Text };

// 0: the items join the cycle as captions; 1: new entries cut in.
enum class SourceMode { Cycle = 0, CutIn = 1 };

struct SourceSettings {
    static constexpr int kMaxSources = 16;        // sections SOURCE0 ... SOURCE15
    static constexpr int kDefaultRefreshSeconds = 300;
    static constexpr int kMinRefreshSeconds = 10;
    static constexpr int kMaxRefreshSeconds = 24 * 60 * 60;
    static constexpr int kDefaultMaxItems = 20;
    static constexpr int kMaxMaxItems = 500;
    static constexpr int kDefaultCutInMinutes = 5;
    static constexpr size_t kMaxTextLength = 1024;  // UTF-16 units of each text

    int exec = 0;                 // EXEC: 1 on, 0 off
    std::wstring name;            // NAME: shown on the page
    std::wstring url;             // URL: http:// or https:// address, or a local file path
    SourceFormat format = SourceFormat::Auto;       // FORMAT
    std::wstring field;           // FIELD: JSON Pointer with * (json), header name or number (csv)
    int refreshSeconds = kDefaultRefreshSeconds;    // REFRESH: between looks at an http(s) source
    int maxItems = kDefaultMaxItems;                // MAXITEMS: 1-500
    std::wstring prefix;          // PREFIX: put before each item's text
    SourceMode mode = SourceMode::Cycle;            // MODE
    std::wstring match;           // MATCH: |-separated words, one of which the title holds (mode 1)
    std::wstring area;            // AREA: |-separated words, one of which author/summary/area holds
    int cutInMinutes = kDefaultCutInMinutes;        // MINUTE: how long a cut-in entry stays (mode 1)
    int lane = 1;                 // LANE: the lane its captions go on air on
};

bool operator==(const SourceSettings& a, const SourceSettings& b);
inline bool operator!=(const SourceSettings& a, const SourceSettings& b) { return !(a == b); }

// Brings a loaded record within bounds: EXEC to 0 or 1, REFRESH to 10 s - 24 h, MAXITEMS to
// 1-500, MINUTE to the caption minutes (1-60000), MODE to 0 or 1, LANE to a lane number (else 1);
// surrounding blanks and one pair of double quotes (a pasted path) off the URL; in every text a
// control character (a line break) becomes a space, ASCII blanks at its ends go, and it is cut
// to kMaxTextLength UTF-16 units between characters: the settings file keeps such a text whole, in code page 932 and in
// UTF-8.
void boundSourceSettings(SourceSettings& settings);

// FORMAT as the settings file writes it ("auto", "rss", "atom", "cap", "json", "csv", "text"),
// and back (any case; anything else is Auto).
const wchar_t* sourceFormatName(SourceFormat format);
SourceFormat sourceFormatFromName(const std::wstring& name);

// Whether the URL is fetched over the network (http:// or https://, any case) rather than read
// as a local file.
bool isHttpUrl(const std::wstring& url);

// The words of a |-separated list (MATCH, AREA), each without surrounding blanks; empty words
// are left out.
std::vector<std::wstring> splitBarList(const std::wstring& list);
