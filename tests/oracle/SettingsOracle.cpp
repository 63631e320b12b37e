#include "tests/oracle/SettingsOracle.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "model/HexCodec.h"
#include "tests/oracle/ProfileFile.h"

namespace oracle {
namespace {
const char kSystem[] = "SYSTEM";
const char kFile[] = "FILE";
const size_t kMaxFaceNameBytes = LF_FACESIZE - 1;
const size_t kMaxPathBytes = 1022;
const size_t kMaxMonitorNameBytes = 63;
const size_t kMaxHexDigits = 4096;
const size_t kMaxExactHexDigits = 8192;
const int kMaxItems = 60000;
const size_t kMaxAirTextBytes = 63;

const size_t kMaxSourceTextBytes = 2048;
const int kMaxSources = 16;

std::string ItemSection(int position) { return "ITEM" + std::to_string(position); }
std::string SourceSection(int position) { return "SOURCE" + std::to_string(position); }

std::string HexText(const ProfileFile& file, const char* section, const char* key, size_t digits = kMaxHexDigits) {
    const std::string bytes = decodeHex(file.readString(section, key, digits));
    return bytes.substr(0, bytes.find('\0'));
}

// A text kept in code page 932 under one key and, where that code page cannot hold it, exactly
// (UTF-8 hex) under another, which counts only while the first still holds its code page 932 form.
std::wstring ExactText(const std::string& stored, const std::string& utf8) {
    const std::wstring exact = fw::Widen(utf8, CP_UTF8);
    if (fw::IsUtf8WithMultiByte(utf8, false) && fw::CodePage932FromWide(exact) == stored) return exact;
    return fw::Widen(stored, 932);
}

int Colour(COLORREF colour) { return static_cast<int>(colour); }

// An item's time on air as its keys hold it, in their order; an unset one has no key.
std::vector<std::pair<const char*, std::string>> AirKeys(const AirWindow& w) {
    const auto text = [](const std::string& t) { return fw::CutToBytes(t, kMaxAirTextBytes); };
    return {{"FROM", text(w.from)}, {"UNTIL", text(w.until)}, {"HOURS", text(w.hours)}, {"DAYS", text(w.days)},
            {"PLAYS", w.plays != 0 ? std::to_string(w.plays) : ""}};
}

// The binding of the items' exact texts to the list as written, spelled out: 64-bit FNV-1a over
// values each preceded by its length and ":".
class Fnv {
public:
    Fnv& Add(const std::string& value) {
        for (unsigned char c : std::to_string(value.size()) + ":" + value) m_value = (m_value ^ c) * 1099511628211ull;
        return *this;
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(m_value));
        return text;
    }

private:
    unsigned long long m_value = 14695981039346656037ull;
};

// Writes key after key and stops at the first write that fails.
class Writer {
public:
    explicit Writer(const ProfileFile& file) : m_file(file) {}
    void Put(const std::string& section, const char* key, const std::string& value) {
        if (m_ok) m_ok = m_file.writeString(section.c_str(), key, value);
    }
    void PutInt(const std::string& section, const char* key, int value) { Put(section, key, std::to_string(value)); }
    // Keys added after the first release: deleted while they hold their default.
    void PutUnless(const char* key, const std::string& value, const std::string& defaultValue) {
        if (value != defaultValue) Put(kSystem, key, value);
        else if (m_ok) m_ok = m_file.deleteKey(kSystem, key);
    }
    // The exact form of a text code page 932 cannot hold; deleted where it can (a version that
    // knows only code page 932 leaves it as it is).
    void PutExact(const std::string& section, const char* key, const std::wstring& text) {
        if (!m_exactTexts) return;
        if (fw::Widen(fw::CodePage932FromWide(text), 932) != text) Put(section, key, encodeHex(fw::Narrow(text, CP_UTF8)));
        else if (m_ok) m_ok = m_file.deleteKey(section.c_str(), key);
    }
    // An item's time on air, each key only while set (left alone by the code page 932 version).
    void PutAirKeys(const std::string& section, const AirWindow& window) {
        if (!m_exactTexts) return;
        for (const auto& k : AirKeys(window))
            if (!k.second.empty()) Put(section, k.first, k.second);
            else if (m_ok) m_ok = m_file.deleteKey(section.c_str(), k.first);
    }
    void PutIntUnless(const char* key, int value, int defaultValue) {
        PutUnless(key, std::to_string(value), std::to_string(defaultValue));
    }
    // Section UTEXTS written anew: LIST (the count and the digest of the items' values in
    // order), then for each exact text ITEM<i> (its item's digests, which of them stand in no
    // other item, and a check tying it to LIST and to the text); no section without exact texts.
    void PutBinding(const CaptionList& captions) {
        if (!m_exactTexts) return;
        if (m_ok && m_file.hasSection("UTEXTS")) m_ok = m_file.deleteSection("UTEXTS");
        std::vector<std::string> values, texts;
        std::vector<int> exact;
        std::map<std::string, int> valueCount, textCount;
        for (const CKirunData& item : captions) {
            const std::string bytes = fw::CodePage932FromWide(item.m_text);
            Fnv value = Fnv().Add(std::to_string(item.m_minutes)).Add(bytes);
            for (const auto& k : AirKeys(item.m_window))
                if (!k.second.empty()) value.Add(k.second);
            values.push_back(value.Hex());
            texts.push_back(Fnv().Add(bytes).Hex());
            ++valueCount[values.back()];
            ++textCount[texts.back()];
            if (fw::Widen(bytes, 932) != item.m_text) exact.push_back(static_cast<int>(values.size()) - 1);
        }
        if (exact.empty()) return;
        Fnv list;
        list.Add(std::to_string(values.size()));
        for (const std::string& v : values) list.Add(v);
        const std::string listValue = std::to_string(values.size()) + "," + list.Hex();
        Put("UTEXTS", "LIST", listValue);
        for (int i : exact) {
            const size_t at = static_cast<size_t>(i);
            std::string flags = std::string(textCount[texts[at]] == 1 ? "T" : "") + (valueCount[values[at]] == 1 ? "V" : "");
            const std::string head = values[at] + "," + texts[at] + "," + (flags.empty() ? "-" : flags);
            const std::string stored = encodeHex(fw::Narrow(captions.at(i).m_text, CP_UTF8));
            Put("UTEXTS", ("ITEM" + std::to_string(i)).c_str(),
                head + "," + Fnv().Add(listValue).Add(std::to_string(i)).Add(head).Add(stored).Hex());
        }
    }
    bool ok() const { return m_ok; }
    void SetExactTexts(bool on) { m_exactTexts = on; }

private:
    const ProfileFile& m_file;
    bool m_ok = true;
    bool m_exactTexts = true;
};

bool WriteKeys(const std::string& path, const Settings& s, bool exactTexts);
}  // namespace

void LoadSettings(const std::string& path, Settings& s) {
    const ProfileFile file(path);
    LaneLook& a = s.lanes[0];
    a.colorChoice = file.readInt(kSystem, "COLOR", a.colorChoice);
    a.userTextColor = static_cast<COLORREF>(file.readInt(kSystem, "RGB", Colour(a.userTextColor)));
    a.userShadowColor = static_cast<COLORREF>(file.readInt(kSystem, "RGBSDW", Colour(a.userShadowColor)));
    a.pos = file.readInt(kSystem, "POS", a.pos);
    a.gap = file.readInt(kSystem, "GAP", a.gap);
    a.lgap = file.readInt(kSystem, "LGAP", a.lgap);
    a.rgap = file.readInt(kSystem, "RGAP", a.rgap);
    a.sizeChoice = file.readInt(kSystem, "SIZE", a.sizeChoice);
    a.deltaX = file.readInt(kSystem, "DELTAX", a.deltaX);
    a.monitorName = file.readString(kSystem, "MONITOR", kMaxMonitorNameBytes);
    a.bandOn = file.readInt(kSystem, "BAND", a.bandOn);
    a.bandColor = static_cast<COLORREF>(file.readInt(kSystem, "BANDRGB", Colour(a.bandColor)));
    a.bandOpacity = file.readInt(kSystem, "BANDOPACITY", a.bandOpacity);
    a.outline = file.readInt(kSystem, "OUTLINE", a.outline);
    const std::string separator = fw::CutToBytes(HexText(file, kSystem, "SEPARATOR"), kMaxSeparatorBytes);
    if (!separator.empty()) a.separator = separator;
    a.smooth = file.readInt(kSystem, "SMOOTH", a.smooth);
    a.speedPx = file.readInt(kSystem, "SPEEDPX", a.speedPx);
    s.rules.cutInAfterCurrent = file.readInt(kSystem, "CUTINAFTER", s.rules.cutInAfterCurrent);
    s.window.width = file.readInt(kSystem, "WINDOWW", s.window.width);
    s.window.height = file.readInt(kSystem, "WINDOWH", s.window.height);
    const std::string face = file.readString(kSystem, "FONTFACENAME", kMaxFaceNameBytes);
    if (!face.empty()) {
        std::memset(a.logFont.lfFaceName, 0, sizeof a.logFont.lfFaceName);
        std::memcpy(a.logFont.lfFaceName, face.data(), face.size());
        a.logFont.lfHeight = file.readInt(kSystem, "FONTHEIGHT", 0);
        a.logFont.lfWeight = file.readInt(kSystem, "FONTWEIGHT", 0);
        a.logFont.lfItalic = static_cast<BYTE>(file.readInt(kSystem, "FONTITALIC", 0));
    }
    const int count = std::min(file.readInt(kSystem, "ITEMCOUNT", 0), kMaxItems);
    for (int i = 0; i < count; ++i) {
        const std::string section = ItemSection(i);
        CKirunData item;
        item.m_minutes = file.readInt(section.c_str(), "MINUTE", item.m_minutes);
        item.m_text = ExactText(HexText(file, section.c_str(), "STRINGS"), HexText(file, section.c_str(), "USTRINGS", kMaxExactHexDigits));
        const auto text = [&](const char* key) { return file.readString(section.c_str(), key, kMaxAirTextBytes); };
        item.m_window = {text("FROM"), text("UNTIL"), text("HOURS"), text("DAYS"), file.readInt(section.c_str(), "PLAYS", 0)};
        s.captions.append(item);
    }
    s.fileInterface.fileExec = file.readInt(kFile, "EXEC", s.fileInterface.fileExec);
    s.fileInterface.fileMinute = file.readInt(kFile, "MINUTE", s.fileInterface.fileMinute);
    s.fileInterface.filePath = ExactText(file.readString(kFile, "PATH", kMaxPathBytes), HexText(file, kFile, "UPATH", kMaxExactHexDigits));
    OscSettings& o = s.fileInterface.osc;
    o.port = file.readInt(kSystem, "OSCPORT", o.port);
    const std::string address = file.readString(kSystem, "OSCADDRESS", 63);
    if (!address.empty()) o.address = address;
    o.allowed = file.readString(kSystem, "OSCALLOW", 1022);
    HttpSettings& h = s.fileInterface.http;
    h.port = file.readInt(kSystem, "HTTPPORT", h.port);
    const std::string httpAddress = file.readString(kSystem, "HTTPADDRESS", 63);
    if (!httpAddress.empty()) h.address = httpAddress;
    h.token = file.readString(kSystem, "HTTPTOKEN", 127);
    h.viewKey = file.readString(kSystem, "HTTPVIEWKEY", 127);
    s.fileInterface.oscFeedback = file.readString(kSystem, "OSCFEEDBACK", 63);
    s.fileInterface.sources.clear();
    const int sources = std::min(file.readInt(kSystem, "SOURCECOUNT", 0), kMaxSources);
    for (int i = 0; i < sources; ++i) {
        const std::string section = SourceSection(i);
        const char* name = section.c_str();
        auto text = [&](const char* key, const char* exactKey) {
            const std::string stored = file.readString(name, key, kMaxSourceTextBytes);
            return exactKey ? ExactText(stored, HexText(file, name, exactKey, kMaxExactHexDigits)) : fw::Widen(stored, 932);
        };
        SourceSettings source;
        source.exec = file.readInt(name, "EXEC", source.exec);
        source.name = text("NAME", "UNAME");
        source.url = text("URL", "UURL");
        source.format = sourceFormatFromName(text("FORMAT", nullptr));
        source.field = text("FIELD", nullptr);
        source.refreshSeconds = file.readInt(name, "REFRESH", source.refreshSeconds);
        source.maxItems = file.readInt(name, "MAXITEMS", source.maxItems);
        source.prefix = text("PREFIX", "UPREFIX");
        source.mode = static_cast<SourceMode>(file.readInt(name, "MODE", static_cast<int>(source.mode)));
        source.match = text("MATCH", "UMATCH");
        source.area = text("AREA", "UAREA");
        source.cutInMinutes = file.readInt(name, "MINUTE", source.cutInMinutes);
        boundSourceSettings(source);
        s.fileInterface.sources.push_back(source);
    }
}

bool WriteSettings(const std::string& path, const Settings& s) { return WriteKeys(path, s, true); }

bool WriteSettingsAsCodePage932Version(const std::string& path, const Settings& s) { return WriteKeys(path, s, false); }

void LoadSettingsAsCodePage932Version(const std::string& path, Settings& s) {
    LoadSettings(path, s);
    CaptionList shown;
    for (const CKirunData& item : s.captions)
        shown.append(CKirunData(fw::Widen(fw::CodePage932FromWide(item.m_text), 932), item.m_minutes));
    s.captions = shown;
    s.fileInterface.filePath = fw::Widen(fw::CodePage932FromWide(s.fileInterface.filePath), 932);
}

namespace {
bool WriteKeys(const std::string& path, const Settings& s, bool exactTexts) {
    const ProfileFile file(path);
    Writer writer(file);
    writer.SetExactTexts(exactTexts);
    const LaneLook& a = s.lanes[0];
    const LaneLook defaults;
    writer.PutInt(kSystem, "COLOR", a.colorChoice);
    writer.PutInt(kSystem, "RGB", Colour(a.userTextColor));
    writer.PutInt(kSystem, "RGBSDW", Colour(a.userShadowColor));
    writer.PutInt(kSystem, "POS", a.pos);
    writer.PutInt(kSystem, "GAP", a.gap);
    writer.PutInt(kSystem, "LGAP", a.lgap);
    writer.PutInt(kSystem, "RGAP", a.rgap);
    writer.PutInt(kSystem, "SIZE", a.sizeChoice);
    writer.PutInt(kSystem, "DELTAX", a.deltaX);
    const char* face = a.logFont.lfFaceName;
    writer.Put(kSystem, "FONTFACENAME", std::string(face, std::find(face, face + LF_FACESIZE, '\0')));
    writer.PutInt(kSystem, "FONTHEIGHT", a.logFont.lfHeight);
    writer.PutInt(kSystem, "FONTWEIGHT", a.logFont.lfWeight);
    writer.PutInt(kSystem, "FONTITALIC", a.logFont.lfItalic);
    writer.PutInt(kSystem, "ITEMCOUNT", s.captions.count());
    writer.PutUnless("MONITOR", a.monitorName, defaults.monitorName);
    int position = 0;
    for (const CKirunData& item : s.captions) {
        const std::string section = ItemSection(position++);
        writer.PutInt(section, "MINUTE", item.m_minutes);
        writer.Put(section, "STRINGS", encodeHex(fw::CodePage932FromWide(item.m_text)));
        writer.PutExact(section, "USTRINGS", item.m_text);
        writer.PutAirKeys(section, item.m_window);
    }
    writer.PutInt(kFile, "EXEC", s.fileInterface.fileExec);
    writer.PutInt(kFile, "MINUTE", s.fileInterface.fileMinute);
    writer.Put(kFile, "PATH", fw::CodePage932FromWide(s.fileInterface.filePath));
    writer.PutExact(kFile, "UPATH", s.fileInterface.filePath);
    writer.PutIntUnless("BAND", a.bandOn, defaults.bandOn);
    writer.PutIntUnless("BANDRGB", Colour(a.bandColor), Colour(defaults.bandColor));
    writer.PutIntUnless("BANDOPACITY", a.bandOpacity, defaults.bandOpacity);
    writer.PutIntUnless("OUTLINE", a.outline, defaults.outline);
    writer.PutUnless("SEPARATOR", encodeHex(fw::CutToBytes(a.separator, kMaxSeparatorBytes)),
                     encodeHex(defaults.separator));
    writer.PutIntUnless("SMOOTH", a.smooth, defaults.smooth);
    writer.PutIntUnless("SPEEDPX", a.speedPx, defaults.speedPx);
    writer.PutIntUnless("CUTINAFTER", s.rules.cutInAfterCurrent, ShowRules().cutInAfterCurrent);
    const OscSettings& o = s.fileInterface.osc;
    const OscSettings oscDefaults;
    writer.PutIntUnless("OSCPORT", o.port, oscDefaults.port);
    writer.PutUnless("OSCADDRESS", o.address, oscDefaults.address);
    writer.PutUnless("OSCALLOW", o.allowed, oscDefaults.allowed);
    writer.PutIntUnless("WINDOWW", s.window.width, WindowSize().width);
    writer.PutIntUnless("WINDOWH", s.window.height, WindowSize().height);
    const HttpSettings& h = s.fileInterface.http;
    const HttpSettings httpDefaults;
    writer.PutIntUnless("HTTPPORT", h.port, httpDefaults.port);
    writer.PutUnless("HTTPADDRESS", h.address, httpDefaults.address);
    writer.PutUnless("HTTPTOKEN", h.token, httpDefaults.token);
    writer.PutUnless("HTTPVIEWKEY", h.viewKey, httpDefaults.viewKey);
    writer.PutUnless("OSCFEEDBACK", s.fileInterface.oscFeedback, std::string());
    const std::vector<SourceSettings>& sources = s.fileInterface.sources;
    writer.PutUnless("SOURCECOUNT", std::to_string(sources.size()), "0");
    for (size_t i = 0; i < sources.size(); ++i) {
        const SourceSettings& source = sources[i];
        const std::string section = SourceSection(static_cast<int>(i));
        writer.PutInt(section, "EXEC", source.exec);
        writer.Put(section, "NAME", fw::CodePage932FromWide(source.name));
        writer.PutExact(section, "UNAME", source.name);
        writer.Put(section, "URL", fw::CodePage932FromWide(source.url));
        writer.PutExact(section, "UURL", source.url);
        writer.Put(section, "FORMAT", fw::CodePage932FromWide(sourceFormatName(source.format)));
        writer.Put(section, "FIELD", fw::CodePage932FromWide(source.field));
        writer.PutInt(section, "REFRESH", source.refreshSeconds);
        writer.PutInt(section, "MAXITEMS", source.maxItems);
        writer.Put(section, "PREFIX", fw::CodePage932FromWide(source.prefix));
        writer.PutExact(section, "UPREFIX", source.prefix);
        writer.PutInt(section, "MODE", static_cast<int>(source.mode));
        writer.Put(section, "MATCH", fw::CodePage932FromWide(source.match));
        writer.PutExact(section, "UMATCH", source.match);
        writer.Put(section, "AREA", fw::CodePage932FromWide(source.area));
        writer.PutExact(section, "UAREA", source.area);
        writer.PutInt(section, "MINUTE", source.cutInMinutes);
    }
    writer.PutBinding(s.captions);
    return writer.ok();
}
}  // namespace

}  // namespace oracle
