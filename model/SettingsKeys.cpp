#include "model/SettingsKeys.h"

#include <algorithm>

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/HexCodec.h"

namespace {

// Text stored as hex pairs, so that any byte survives; a "00" pair ends it.
std::string decodeHexText(const std::string& hex, int& oddTexts) {
    bool odd = false;
    std::string text = decodeHex(hex, &odd);
    if (odd) ++oddTexts;
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

bool isNumber(SettingKind kind) { return kind == SettingKind::Int || kind == SettingKind::Colour; }

// One row's value as the file stores it.
std::string storedValue(const SettingRow& row, const ConstSettingsRecords& records) {
    if (isNumber(row.kind)) return std::to_string(row.field.number(records));
    std::string text = row.field.text(records);
    return row.kind == SettingKind::HexText ? encodeHex(fw::CutToBytes(text, row.maxBytes)) : text;
}

// The exact text of an ExactHexText key, taken only while `storedBytes`, the code page 932 text
// read from the key before it, is what this program writes for it; a damaged key gives nothing.
bool readExactText(const SettingsSource& source, const std::string& section, const char* key,
                   const std::string& storedBytes, std::wstring& text) {
    bool odd = false;
    std::string utf8 = decodeHex(source.readString(section, key, kMaxExactHexDigits), &odd);
    utf8.resize(std::min(utf8.size(), utf8.find('\0')));
    // Only text code page 932 cannot hold is stored so, which is never ASCII alone.
    if (odd || !fw::IsUtf8WithMultiByte(utf8, false)) return false;
    std::wstring exact = fw::Widen(utf8, CP_UTF8);
    if (exact.empty() || fw::CodePage932FromWide(exact) != storedBytes) return false;
    text = std::move(exact);
    return true;
}

// The exact text's key is stored only where code page 932 cannot hold the text.
void writeExactText(SettingsSink& sink, const std::string& section, const char* key, const std::wstring& text) {
    if (fw::CodePage932Holds(text)) sink.remove(section, key);
    else sink.put(section, key, encodeHex(fw::Narrow(text, CP_UTF8)));
}

std::string readText(const SettingsSource& source, const std::string& section, const char* key, SettingKind kind,
                     size_t maxBytes, int& oddTexts) {
    if (kind != SettingKind::HexText) return source.readString(section, key, maxBytes);
    std::string text = decodeHexText(source.readString(section, key, kMaxHexDigits), oddTexts);
    text.resize(fw::CharBoundaryAtOrBefore(text, maxBytes));
    return text;
}

CKirunData loadItem(const SettingsSource& source, const std::string& section, int& oddTexts) {
    CKirunData item;
    std::string storedBytes;
    for (const ItemSettingRow& row : itemSettingRows()) {
        if (row.number) {
            item.*row.number = source.readInt(section, row.key, item.*row.number);
        } else if (row.kind == SettingKind::ExactHexText) {
            readExactText(source, section, row.key, storedBytes, item.m_text);
        } else {
            storedBytes = readText(source, section, row.key, row.kind, std::string::npos, oddTexts);
            item.m_text = fw::WideFromCodePage932(storedBytes);
        }
    }
    return item;
}

void loadCaptions(const SettingsSource& source, int count, CaptionList& captions, int& oddTexts) {
    if (count > 0) captions.reserve(captions.count() + count);
    for (int position = 0; position < count; ++position)
        captions.append(loadItem(source, itemSectionName(position), oddTexts));
}

void writeItems(SettingsSink& sink, const CaptionList& captions) {
    int position = 0;
    for (const CKirunData& item : captions) {
        std::string section = itemSectionName(position++);
        for (const ItemSettingRow& row : itemSettingRows()) {
            if (row.number) sink.put(section, row.key, std::to_string(item.*row.number));
            else if (row.kind == SettingKind::ExactHexText) writeExactText(sink, section, row.key, item.m_text);
            else sink.put(section, row.key, encodeHex(fw::CodePage932FromWide(item.m_text)));
        }
    }
}

}  // namespace

int readSettings(const SettingsSource& source, AppearanceSettings& appearance, CaptionList& captions,
                 FileInterfaceSettings& fileInterface) {
    SettingsRecords records{appearance, fileInterface};
    int oddTexts = 0;
    bool faceStored = false;
    int itemCount = 0;
    std::string storedText;  // the last text row's value, for the ExactHexText row after it
    for (const SettingRow& row : settingRows()) {
        if (row.kind == SettingKind::ItemSections) continue;
        if (row.kind == SettingKind::ExactHexText) {
            std::wstring exact;
            if (readExactText(source, row.section, row.key, storedText, exact)) row.field.setWideText(records, exact);
            continue;
        }
        if (row.load == SettingLoad::ItemCount) {
            itemCount = std::min(source.readInt(row.section, row.key, 0), kMaxLoadedItems);
        } else if (row.load == SettingLoad::FontDetail) {
            if (faceStored) row.field.setNumber(records, source.readInt(row.section, row.key, 0));
        } else if (isNumber(row.kind)) {
            ConstSettingsRecords current{appearance, fileInterface};
            row.field.setNumber(records, source.readInt(row.section, row.key, row.field.number(current)));
        } else {
            std::string text = readText(source, row.section, row.key, row.kind, row.maxBytes, oddTexts);
            storedText = text;
            const bool keep = row.load == SettingLoad::KeepWhenEmpty || row.load == SettingLoad::FaceName;
            if (keep && text.empty()) continue;
            row.field.setText(records, text);
            faceStored = faceStored || row.load == SettingLoad::FaceName;
        }
    }
    loadCaptions(source, itemCount, captions, oddTexts);
    return oddTexts;
}

void writeSettings(SettingsSink& sink, const AppearanceSettings& appearance, const CaptionList& captions,
                   const FileInterfaceSettings& fileInterface) {
    const ConstSettingsRecords records{appearance, fileInterface};
    const AppearanceSettings defaultAppearance;
    const FileInterfaceSettings defaultFileInterface;
    const ConstSettingsRecords defaults{defaultAppearance, defaultFileInterface};
    for (const SettingRow& row : settingRows()) {
        if (row.kind == SettingKind::ItemSections) {
            writeItems(sink, captions);
        } else if (row.load == SettingLoad::ItemCount) {
            sink.put(row.section, row.key, std::to_string(captions.count()));
        } else if (row.kind == SettingKind::ExactHexText) {
            writeExactText(sink, row.section, row.key, row.field.wideText(records));
        } else {
            std::string value = storedValue(row, records);
            if (row.onlyWhenNotDefault && value == storedValue(row, defaults)) sink.remove(row.section, row.key);
            else sink.put(row.section, row.key, value);
        }
    }
}
