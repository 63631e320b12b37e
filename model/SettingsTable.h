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
// text as hex pairs so that any byte survives. A UTF-16 text is stored in code page 932 by the
// row before an ExactHexText row, which holds the exact text as hex of its UTF-8 bytes only
// where code page 932 cannot hold it; the exact text is loaded only while the row before still
// holds what this program writes for it (else a program that knows only code page 932 changed
// it since). ItemSections stands for the ITEM0, ITEM1, ... sections, one per caption item,
// each with the keys of itemSettingRows().
enum class SettingKind { Int, Colour, Text, HexText, ExactHexText, ItemSections };

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

// A row's field, as a number (Int, Colour) or as a text (Text, HexText; a UTF-16 field gives
// and takes its code page 932 bytes there, and its exact text as `wideText`).
struct SettingField {
    int (*number)(const ConstSettingsRecords&);
    void (*setNumber)(SettingsRecords&, int);
    std::string (*text)(const ConstSettingsRecords&);
    void (*setText)(SettingsRecords&, const std::string&);
    std::wstring (*wideText)(const ConstSettingsRecords&);
    void (*setWideText)(SettingsRecords&, const std::wstring&);
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

// The keys of one item section: the display time (Int), the text in code page 932 (HexText)
// and the exact text (ExactHexText).
struct ItemSettingRow {
    const char* key;
    SettingKind kind;
    int CKirunData::*number;
};

// A damaged or hand-edited item count loads no more than this many items.
const int kMaxLoadedItems = CaptionList::kMaxItems;
// Room for the hex of the longest text the caption text dialog accepts (1,000 bytes in code
// page 932) and more; its exact form in UTF-8 takes up to three bytes a half-width cell.
const size_t kMaxHexDigits = 4096;
const size_t kMaxExactHexDigits = 8192;

const std::vector<SettingRow>& settingRows();
const std::vector<ItemSettingRow>& itemSettingRows();

// "ITEM<position>".
std::string itemSectionName(int position);
