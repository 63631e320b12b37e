#include "tests/oracle/SettingsOracle.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "model/HexCodec.h"
#include "model/SettingsFile.h"
#include "tests/oracle/ProfileFile.h"

namespace oracle {
namespace {
const char kSystem[] = "SYSTEM";
const char kFile[] = "FILE";
const size_t kMaxFaceNameBytes = LF_FACESIZE - 1;
const size_t kMaxPathBytes = 1022;
const size_t kMaxHexDigits = 4096;

std::string ItemSection(int position) { return "ITEM" + std::to_string(position); }

// Writes key after key and stops at the first write that fails.
class Writer {
public:
    explicit Writer(const ProfileFile& file) : m_file(file) {}
    void Put(const std::string& section, const char* key, const std::string& value) {
        if (m_ok) m_ok = m_file.writeString(section.c_str(), key, value);
    }
    void PutInt(const std::string& section, const char* key, int value) { Put(section, key, std::to_string(value)); }
    bool ok() const { return m_ok; }

private:
    const ProfileFile& m_file;
    bool m_ok = true;
};
}  // namespace

void LoadSettings(const std::string& path, Settings& s) {
    const ProfileFile file(path);
    AppearanceSettings& a = s.appearance;
    a.colorChoice = file.readInt(kSystem, "COLOR", a.colorChoice);
    a.userTextColor = static_cast<COLORREF>(file.readInt(kSystem, "RGB", static_cast<int>(a.userTextColor)));
    a.userShadowColor = static_cast<COLORREF>(file.readInt(kSystem, "RGBSDW", static_cast<int>(a.userShadowColor)));
    a.pos = file.readInt(kSystem, "POS", a.pos);
    a.gap = file.readInt(kSystem, "GAP", a.gap);
    a.lgap = file.readInt(kSystem, "LGAP", a.lgap);
    a.rgap = file.readInt(kSystem, "RGAP", a.rgap);
    a.sizeChoice = file.readInt(kSystem, "SIZE", a.sizeChoice);
    a.deltaX = file.readInt(kSystem, "DELTAX", a.deltaX);
    const std::string face = file.readString(kSystem, "FONTFACENAME", kMaxFaceNameBytes);
    if (!face.empty()) {
        std::memset(a.logFont.lfFaceName, 0, sizeof a.logFont.lfFaceName);
        std::memcpy(a.logFont.lfFaceName, face.data(), face.size());
        a.logFont.lfHeight = file.readInt(kSystem, "FONTHEIGHT", 0);
        a.logFont.lfWeight = file.readInt(kSystem, "FONTWEIGHT", 0);
        a.logFont.lfItalic = static_cast<BYTE>(file.readInt(kSystem, "FONTITALIC", 0));
    }
    const int count = std::min(file.readInt(kSystem, "ITEMCOUNT", 0), kMaxLoadedItems);
    for (int i = 0; i < count; ++i) {
        const std::string section = ItemSection(i);
        CKirunData item;
        item.m_minutes = file.readInt(section.c_str(), "MINUTE", item.m_minutes);
        const std::string bytes = decodeHex(file.readString(section.c_str(), "STRINGS", kMaxHexDigits));
        item.m_text = bytes.substr(0, bytes.find('\0'));
        s.captions.append(item);
    }
    s.fileInterface.fileExec = file.readInt(kFile, "EXEC", s.fileInterface.fileExec);
    s.fileInterface.fileMinute = file.readInt(kFile, "MINUTE", s.fileInterface.fileMinute);
    s.fileInterface.filePath = file.readString(kFile, "PATH", kMaxPathBytes);
}

bool WriteSettings(const std::string& path, const Settings& s) {
    const ProfileFile file(path);
    Writer writer(file);
    const AppearanceSettings& a = s.appearance;
    writer.PutInt(kSystem, "COLOR", a.colorChoice);
    writer.PutInt(kSystem, "RGB", static_cast<int>(a.userTextColor));
    writer.PutInt(kSystem, "RGBSDW", static_cast<int>(a.userShadowColor));
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
    int position = 0;
    for (const CKirunData& item : s.captions) {
        const std::string section = ItemSection(position++);
        writer.PutInt(section, "MINUTE", item.m_minutes);
        writer.Put(section, "STRINGS", encodeHex(item.m_text));
    }
    writer.PutInt(kFile, "EXEC", s.fileInterface.fileExec);
    writer.PutInt(kFile, "MINUTE", s.fileInterface.fileMinute);
    writer.Put(kFile, "PATH", s.fileInterface.filePath);
    return writer.ok();
}

}  // namespace oracle
