#include "model/SettingsKeys.h"

#include <algorithm>

#include "framework/Mbcs.h"
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

std::string readText(const SettingsSource& source, const std::string& section, const char* key, SettingKind kind,
                     size_t maxBytes, int& oddTexts) {
    if (kind != SettingKind::HexText) return source.readString(section, key, maxBytes);
    return fw::CutToBytes(decodeHexText(source.readString(section, key, kMaxHexDigits), oddTexts), maxBytes);
}

CKirunData loadItem(const SettingsSource& source, const std::string& section, int& oddTexts) {
    CKirunData item;
    for (const ItemSettingRow& row : itemSettingRows()) {
        if (row.number) item.*row.number = source.readInt(section, row.key, item.*row.number);
        else item.*row.text = readText(source, section, row.key, row.kind, std::string::npos, oddTexts);
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
        for (const ItemSettingRow& row : itemSettingRows())
            sink.put(section, row.key, row.number ? std::to_string(item.*row.number) : encodeHex(item.*row.text));
    }
}

}  // namespace

int readSettings(const SettingsSource& source, AppearanceSettings& appearance, CaptionList& captions,
                 FileInterfaceSettings& fileInterface) {
    SettingsRecords records{appearance, fileInterface};
    int oddTexts = 0;
    bool faceStored = false;
    int itemCount = 0;
    for (const SettingRow& row : settingRows()) {
        if (row.kind == SettingKind::ItemSections) continue;
        if (row.load == SettingLoad::ItemCount) {
            itemCount = std::min(source.readInt(row.section, row.key, 0), kMaxLoadedItems);
        } else if (row.load == SettingLoad::FontDetail) {
            if (faceStored) row.field.setNumber(records, source.readInt(row.section, row.key, 0));
        } else if (isNumber(row.kind)) {
            ConstSettingsRecords current{appearance, fileInterface};
            row.field.setNumber(records, source.readInt(row.section, row.key, row.field.number(current)));
        } else {
            std::string text = readText(source, row.section, row.key, row.kind, row.maxBytes, oddTexts);
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
        } else {
            std::string value = storedValue(row, records);
            if (row.onlyWhenNotDefault && value == storedValue(row, defaults)) sink.remove(row.section, row.key);
            else sink.put(row.section, row.key, value);
        }
    }
}
