#pragma once
// Every key of the settings file, one row each, in the order a save writes them: the loader,
// the writer and the tests' comparison of two loaded records all walk these rows. A key's
// default is its field's value in a default-constructed record.
#include <cstddef>
#include <string>
#include <vector>

#include "model/AppearanceSettings.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"

// How a value is stored: a number in decimal (a colour as its COLORREF), a text as it is, or a
// text as hex pairs so that any byte survives. ItemSections stands for the ITEM0, ITEM1, ...
// sections, one per caption item, each with the keys of itemSettingRows().
enum class SettingKind { Int, Colour, Text, HexText, ItemSections };

// What a load does beyond reading the value. A missing number leaves its field as it is and a
// missing text gives the empty text, unless the row says otherwise.
enum class SettingLoad {
    Plain,
    KeepWhenEmpty,  // an empty or missing text leaves the field as it is
    FaceName,       // as KeepWhenEmpty; a stored name makes the FontDetail rows read
    FontDetail,     // read only when a face name is stored; 0 when missing
    ItemCount,      // how many item sections are read (at most kMaxLoadedItems); no field
};

// The records whose fields the rows name.
struct SettingsRecords {
    AppearanceSettings& appearance;
    FileInterfaceSettings& fileInterface;
};
struct ConstSettingsRecords {
    const AppearanceSettings& appearance;
    const FileInterfaceSettings& fileInterface;
};

// A row's field, as a number (Int, Colour) or as a text (Text, HexText).
struct SettingField {
    int (*number)(const ConstSettingsRecords&);
    void (*setNumber)(SettingsRecords&, int);
    std::string (*text)(const ConstSettingsRecords&);
    void (*setText)(SettingsRecords&, const std::string&);
};

struct SettingRow {
    const char* section;
    const char* key;
    SettingKind kind;
    SettingField field;
    SettingLoad load;
    // Keys added after the first release: stored only while they differ from their default and
    // deleted when they hold it, so a file of defaults is the file the first release wrote.
    bool onlyWhenNotDefault;
    // Texts: the longest value kept, cut between characters on loading and on saving.
    size_t maxBytes;
};

// The keys of one item section.
struct ItemSettingRow {
    const char* key;
    SettingKind kind;  // Int or HexText
    int CKirunData::*number;
    std::string CKirunData::*text;
};

// A damaged or hand-edited item count loads no more than this many items.
const int kMaxLoadedItems = CaptionList::kMaxItems;
// Room for the hex of the longest text the caption text dialog accepts (1,000 bytes) and more.
const size_t kMaxHexDigits = 4096;

const std::vector<SettingRow>& settingRows();
const std::vector<ItemSettingRow>& itemSettingRows();

// "ITEM<position>".
std::string itemSectionName(int position);
