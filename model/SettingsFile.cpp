#include "model/SettingsFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "framework/Mbcs.h"
#include "framework/MessageBox.h"
#include "model/HexCodec.h"
#include "model/ProfileText.h"
#include "model/ProfileValues.h"
#include "model/WholeFile.h"

namespace {
const char kFileName[] = "Kirunner.ini";
const char kSystem[] = "SYSTEM";
const char kFile[] = "FILE";

const size_t kMaxFaceNameBytes = LF_FACESIZE - 1;
const size_t kMaxPathBytes = 1022;
// Room for the hex of the longest text the caption text dialog accepts (1,000 bytes) and more.
const size_t kMaxHexDigits = 4096;

const char kSaveFailed[] = "設定ファイルに保存できませんでした\n";

std::string itemSectionName(int position) {
    char name[32];
    std::snprintf(name, sizeof name, "ITEM%d", position);
    return name;
}

// Values of the settings file as the platform's profile readers give them.
class SettingsReader {
public:
    explicit SettingsReader(const ProfileText& text) : m_text(text) {}
    int readInt(const std::string& section, const char* key, int defaultValue) const {
        std::string stored;
        return m_text.find(section, key, stored) ? profileIntValue(stored, defaultValue) : defaultValue;
    }
    std::string readString(const std::string& section, const char* key, size_t maxBytes) const {
        std::string stored;
        return m_text.find(section, key, stored) ? profileStringValue(std::move(stored), maxBytes) : std::string();
    }

private:
    const ProfileText& m_text;
};

void loadAppearance(const SettingsReader& file, AppearanceSettings& a) {
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

    std::string face = file.readString(kSystem, "FONTFACENAME", kMaxFaceNameBytes);
    if (face.empty()) return;
    std::memset(a.logFont.lfFaceName, 0, sizeof a.logFont.lfFaceName);
    std::memcpy(a.logFont.lfFaceName, face.data(), face.size());
    a.logFont.lfHeight = file.readInt(kSystem, "FONTHEIGHT", 0);
    a.logFont.lfWeight = file.readInt(kSystem, "FONTWEIGHT", 0);
    a.logFont.lfItalic = static_cast<BYTE>(file.readInt(kSystem, "FONTITALIC", 0));
}

CKirunData loadItem(const SettingsReader& file, const std::string& section) {
    CKirunData item;
    item.m_minutes = file.readInt(section, "MINUTE", item.m_minutes);
    item.m_text = decodeHex(file.readString(section, "STRINGS", kMaxHexDigits));
    item.m_text.resize(std::min(item.m_text.size(), item.m_text.find('\0')));  // a "00" pair ends the text
    return item;
}

void loadCaptions(const SettingsReader& file, CaptionList& captions) {
    int count = std::min(file.readInt(kSystem, "ITEMCOUNT", 0), kMaxLoadedItems);
    for (int position = 0; position < count; ++position) captions.append(loadItem(file, itemSectionName(position)));
}

void loadFileInterface(const SettingsReader& file, FileInterfaceSettings& f) {
    f.fileExec = file.readInt(kFile, "EXEC", f.fileExec);
    f.fileMinute = file.readInt(kFile, "MINUTE", f.fileMinute);
    f.filePath = file.readString(kFile, "PATH", kMaxPathBytes);
}

// The key writes of a save, in the file's order, applied to the file's text in memory.
class SettingsWriter {
public:
    explicit SettingsWriter(ProfileText& text) : m_text(text) {}
    void put(const std::string& section, const char* key, const std::string& value) { m_text.set(section, key, value); }
    void putInt(const std::string& section, const char* key, int value) { put(section, key, std::to_string(value)); }

private:
    ProfileText& m_text;
};

std::string faceNameOf(const LOGFONTA& font) {
    const char* face = font.lfFaceName;
    return std::string(face, std::find(face, face + LF_FACESIZE, '\0'));
}

void writeSettings(ProfileText& text, const AppearanceSettings& a, const CaptionList& captions,
                   const FileInterfaceSettings& f) {
    SettingsWriter w(text);
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
    int position = 0;
    for (const CKirunData& item : captions) {
        std::string section = itemSectionName(position++);
        w.putInt(section, "MINUTE", item.m_minutes);
        w.put(section, "STRINGS", encodeHex(item.m_text));
    }
    w.putInt(kFile, "EXEC", f.fileExec);
    w.putInt(kFile, "MINUTE", f.fileMinute);
    w.put(kFile, "PATH", f.filePath);
}

// Windows refuses to write a read-only file; Wine run by the super-user writes it all the same.
bool isReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The whole new file composed from the one on disk and written in one step.
bool writeSettingsFile(const std::string& path, const AppearanceSettings& appearance, const CaptionList& captions,
                       const FileInterfaceSettings& fileInterface) {
    std::string bytes;
    if (isReadOnly(path) || !readWholeFile(path, bytes)) return false;
    ProfileText text(std::move(bytes));
    writeSettings(text, appearance, captions, fileInterface);
    return replaceWholeFile(path, text.bytes());
}

std::string fullPathOf(const std::string& path) {
    DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> buffer(needed, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), needed, buffer.data(), nullptr);
    return length > 0 && length < needed ? std::string(buffer.data(), length) : path;
}

std::string currentDirectory() {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return std::string();
    std::vector<char> buffer(needed, '\0');
    DWORD length = GetCurrentDirectoryA(needed, buffer.data());
    return length > 0 && length < needed ? std::string(buffer.data(), length) : std::string();
}
}  // namespace

std::string settingsFilePath() {
    std::string directory = currentDirectory();
    if (directory.empty()) directory = ".";
    if (fw::FindLastChar(directory, '\\') != directory.size() - 1) directory += '\\';
    return directory + kFileName;
}

void loadSettingsFile(const std::string& path, AppearanceSettings& appearance, CaptionList& captions,
                      FileInterfaceSettings& fileInterface) {
    std::string bytes;
    readWholeFile(path, bytes);  // a file that cannot be read gives the defaults
    ProfileText text(std::move(bytes));
    SettingsReader file(text);
    loadAppearance(file, appearance);
    loadCaptions(file, captions);
    loadFileInterface(file, fileInterface);
}

bool saveSettingsFile(const std::string& path, const AppearanceSettings& appearance,
                      const CaptionList& captions, const FileInterfaceSettings& fileInterface) {
    bool saved = writeSettingsFile(path, appearance, captions, fileInterface);
    if (!saved) fw::ShowMessage((kSaveFailed + fullPathOf(path)).c_str(), MB_OK);
    return saved;
}
