#include "model/SettingsKeys.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "framework/Mbcs.h"
#include "model/HexCodec.h"

namespace {
const char kSystem[] = "SYSTEM";
const char kFile[] = "FILE";

const size_t kMaxFaceNameBytes = LF_FACESIZE - 1;
const size_t kMaxPathBytes = 1022;
const char kMonitorKey[] = "MONITOR";
// A display device name is at most 31 characters; a longer value names no monitor.
const size_t kMaxMonitorNameBytes = 63;
// Room for the hex of the longest text the caption text dialog accepts (1,000 bytes) and more.
const size_t kMaxHexDigits = 4096;

std::string itemSectionName(int position) {
    char name[32];
    std::snprintf(name, sizeof name, "ITEM%d", position);
    return name;
}

// Text stored as hex pairs, so that any byte survives; a "00" pair ends it.
std::string decodeHexText(const std::string& hex) {
    std::string text = decodeHex(hex);
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

void loadStripOptions(const SettingsSource& file, AppearanceSettings& a) {
    a.bandOn = file.readInt(kSystem, "BAND", a.bandOn);
    a.bandColor = static_cast<COLORREF>(file.readInt(kSystem, "BANDRGB", static_cast<int>(a.bandColor)));
    a.bandOpacity = file.readInt(kSystem, "BANDOPACITY", a.bandOpacity);
    a.outline = file.readInt(kSystem, "OUTLINE", a.outline);
    std::string separator =
        fw::CutToBytes(decodeHexText(file.readString(kSystem, "SEPARATOR", kMaxHexDigits)), kMaxSeparatorBytes);
    if (!separator.empty()) a.separator = separator;
}

void loadAppearance(const SettingsSource& file, AppearanceSettings& a) {
    a.colorChoice = file.readInt(kSystem, "COLOR", a.colorChoice);
    a.userTextColor = static_cast<COLORREF>(file.readInt(kSystem, "RGB", static_cast<int>(a.userTextColor)));
    a.userShadowColor =
        static_cast<COLORREF>(file.readInt(kSystem, "RGBSDW", static_cast<int>(a.userShadowColor)));
    a.pos = file.readInt(kSystem, "POS", a.pos);
    a.gap = file.readInt(kSystem, "GAP", a.gap);
    a.lgap = file.readInt(kSystem, "LGAP", a.lgap);
    a.rgap = file.readInt(kSystem, "RGAP", a.rgap);
    a.sizeChoice = file.readInt(kSystem, "SIZE", a.sizeChoice);
    a.deltaX = file.readInt(kSystem, "DELTAX", a.deltaX);
    a.monitorName = file.readString(kSystem, kMonitorKey, kMaxMonitorNameBytes);

    loadStripOptions(file, a);

    std::string face = file.readString(kSystem, "FONTFACENAME", kMaxFaceNameBytes);
    if (face.empty()) return;
    std::memset(a.logFont.lfFaceName, 0, sizeof a.logFont.lfFaceName);
    std::memcpy(a.logFont.lfFaceName, face.data(), face.size());
    a.logFont.lfHeight = file.readInt(kSystem, "FONTHEIGHT", 0);
    a.logFont.lfWeight = file.readInt(kSystem, "FONTWEIGHT", 0);
    a.logFont.lfItalic = static_cast<BYTE>(file.readInt(kSystem, "FONTITALIC", 0));
}

CKirunData loadItem(const SettingsSource& file, const std::string& section) {
    CKirunData item;
    item.m_minutes = file.readInt(section, "MINUTE", item.m_minutes);
    item.m_text = decodeHexText(file.readString(section, "STRINGS", kMaxHexDigits));
    return item;
}

void loadCaptions(const SettingsSource& file, CaptionList& captions) {
    int count = std::min(file.readInt(kSystem, "ITEMCOUNT", 0), kMaxLoadedItems);
    if (count > 0) captions.reserve(captions.count() + count);
    for (int position = 0; position < count; ++position) captions.append(loadItem(file, itemSectionName(position)));
}

void loadFileInterface(const SettingsSource& file, FileInterfaceSettings& f) {
    f.fileExec = file.readInt(kFile, "EXEC", f.fileExec);
    f.fileMinute = file.readInt(kFile, "MINUTE", f.fileMinute);
    f.filePath = file.readString(kFile, "PATH", kMaxPathBytes);
}

class KeyWriter {
public:
    explicit KeyWriter(SettingsSink& sink) : m_sink(sink) {}
    void put(const std::string& section, const char* key, const std::string& value) { m_sink.put(section, key, value); }
    void putInt(const std::string& section, const char* key, int value) { put(section, key, std::to_string(value)); }
    // A value equal to its default is not stored, and goes if it was: a file saved with every
    // key added after the first release at its default holds exactly the keys it held before.
    void putUnlessDefault(const std::string& section, const char* key, const std::string& value,
                          const std::string& defaultValue) {
        if (value == defaultValue) m_sink.remove(section, key);
        else put(section, key, value);
    }
    void putIntUnlessDefault(const std::string& section, const char* key, int value, int defaultValue) {
        putUnlessDefault(section, key, std::to_string(value), std::to_string(defaultValue));
    }

private:
    SettingsSink& m_sink;
};

std::string faceNameOf(const LOGFONTA& font) {
    const char* face = font.lfFaceName;
    return std::string(face, std::find(face, face + LF_FACESIZE, '\0'));
}

// After every other key of SYSTEM, each only when it differs from its default.
void writeStripOptions(KeyWriter& w, const AppearanceSettings& a) {
    const AppearanceSettings defaults;
    w.putIntUnlessDefault(kSystem, "BAND", a.bandOn, defaults.bandOn);
    w.putIntUnlessDefault(kSystem, "BANDRGB", static_cast<int>(a.bandColor), static_cast<int>(defaults.bandColor));
    w.putIntUnlessDefault(kSystem, "BANDOPACITY", a.bandOpacity, defaults.bandOpacity);
    w.putIntUnlessDefault(kSystem, "OUTLINE", a.outline, defaults.outline);
    w.putUnlessDefault(kSystem, "SEPARATOR", encodeHex(fw::CutToBytes(a.separator, kMaxSeparatorBytes)),
                       encodeHex(defaults.separator));
}

}  // namespace

void writeSettings(SettingsSink& sink, const AppearanceSettings& a, const CaptionList& captions,
                   const FileInterfaceSettings& f) {
    KeyWriter w(sink);
    w.putInt(kSystem, "COLOR", a.colorChoice);
    w.putInt(kSystem, "RGB", static_cast<int>(a.userTextColor));
    w.putInt(kSystem, "RGBSDW", static_cast<int>(a.userShadowColor));
    w.putInt(kSystem, "POS", a.pos);
    w.putInt(kSystem, "GAP", a.gap);
    w.putInt(kSystem, "LGAP", a.lgap);
    w.putInt(kSystem, "RGAP", a.rgap);
    w.putInt(kSystem, "SIZE", a.sizeChoice);
    w.putInt(kSystem, "DELTAX", a.deltaX);
    w.put(kSystem, "FONTFACENAME", faceNameOf(a.logFont));
    w.putInt(kSystem, "FONTHEIGHT", a.logFont.lfHeight);
    w.putInt(kSystem, "FONTWEIGHT", a.logFont.lfWeight);
    w.putInt(kSystem, "FONTITALIC", a.logFont.lfItalic);
    w.putInt(kSystem, "ITEMCOUNT", captions.count());
    w.putUnlessDefault(kSystem, kMonitorKey, a.monitorName, "");
    int position = 0;
    for (const CKirunData& item : captions) {
        std::string section = itemSectionName(position++);
        w.putInt(section, "MINUTE", item.m_minutes);
        w.put(section, "STRINGS", encodeHex(item.m_text));
    }
    w.putInt(kFile, "EXEC", f.fileExec);
    w.putInt(kFile, "MINUTE", f.fileMinute);
    w.put(kFile, "PATH", f.filePath);
    writeStripOptions(w, a);
}

void readSettings(const SettingsSource& source, AppearanceSettings& appearance, CaptionList& captions,
                  FileInterfaceSettings& fileInterface) {
    loadAppearance(source, appearance);
    loadCaptions(source, captions);
    loadFileInterface(source, fileInterface);
}
