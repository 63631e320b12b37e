#pragma once
// Every key of the settings file, one row each, in the order a save writes them: the loader,
// the writer and the tests' comparison of two loaded records all walk these rows. A key's
// default is its field's value in a default-constructed record. A list of records is one row
// too: a group of repeated sections NAME0, NAME1, ... with the same keys each, and a count key
// (as SumatraPDF's settings describe an array of structs with one row).
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/LaneLook.h"
#include "model/CaptionList.h"
#include "model/ElementFields.h"
#include "model/FileInterfaceSettings.h"
#include "model/ShowSettings.h"

// How a value is stored: a number in decimal (a colour as its COLORREF), a text as it is, or a
// text as hex pairs so that any byte survives. A UTF-16 text is stored in code page 932 by the
// row before an ExactHexText row, which holds the exact text as hex of its UTF-8 bytes only
// where code page 932 cannot hold it; the exact text is loaded only while the row before still
// holds what this program writes for it (else a program that knows only code page 932 changed
// it since). Sections stands for a group of repeated sections (RepeatedSections); Binding for
// the section that binds the exact texts of a group to the list as written (ExactTextBinding),
// written only while the group holds an exact text.
enum class SettingKind { Int, Colour, Text, HexText, ExactHexText, Sections, Binding };

// What a load does beyond reading the value. A missing number leaves its field as it is and a
// missing text gives the empty text, unless the row says otherwise.
enum class SettingLoad {
    Plain,
    KeepWhenEmpty,  // an empty or missing text leaves the field as it is
    FaceName,       // as KeepWhenEmpty; a stored name makes the FontDetail rows read
    FontDetail,     // read only when a face name is stored; 0 when missing
    ItemCount,      // the count key of the row's group: how many of its sections are read
                    // (at most the group's maxLoaded); no field
};

// The records whose fields the rows name; the lists of the repeated groups hang from them.
// `lanes` holds lane 1's look first (kept in SYSTEM) and is never empty.
struct ConstSettingsRecords {
    const std::vector<LaneLook>& lanes;
    const WindowSize& window;
    const ShowRules& rules;
    const FileInterfaceSettings& fileInterface;
    const CaptionList* captions = nullptr;
};
struct SettingsRecords {
    std::vector<LaneLook>& lanes;
    WindowSize& window;
    ShowRules& rules;
    FileInterfaceSettings& fileInterface;
    CaptionList* captions = nullptr;

    operator ConstSettingsRecords() const { return {lanes, window, rules, fileInterface, captions}; }
};

// A top-level row's field: the record that holds it, reached through the records, and the field
// of that record, as a group's row has it for its element.
struct SettingField {
    const void* (*record)(const ConstSettingsRecords&);
    void* (*mutableRecord)(SettingsRecords&);
    ElementField element;

    bool isNumber() const { return element.number != nullptr; }
    int number(const ConstSettingsRecords& r) const { return element.number(record(r)); }
    void setNumber(SettingsRecords& r, int value) const { element.setNumber(mutableRecord(r), value); }
    std::string text(const ConstSettingsRecords& r) const { return element.text(record(r)); }
    void setText(SettingsRecords& r, const std::string& value) const { element.setText(mutableRecord(r), value); }
    std::wstring wideText(const ConstSettingsRecords& r) const { return element.wideText(record(r)); }
    void setWideText(SettingsRecords& r, const std::wstring& value) const { element.setWideText(mutableRecord(r), value); }
};

// One key of every section of a group, kept in a field of the section's element.
struct SectionRow {
    const char* key;
    SettingKind kind;
    ElementField field;
    // Keys added after the group's first release: stored only while they differ from the
    // default element's value and deleted when they hold it.
    bool onlyWhenNotDefault = false;
    // Texts: the longest value kept, cut between characters on loading and on saving.
    size_t maxBytes = std::string::npos;
    SettingLoad load = SettingLoad::Plain;
};

// The list a group stores, one element a section, reached through the records.
struct ElementList {
    int (*count)(const ConstSettingsRecords&);
    const void* (*at)(const ConstSettingsRecords&, int position);
    void (*reserve)(SettingsRecords&, int count);
    // A default element is made, handed to `fill` and then put at the end of the list.
    void (*append)(SettingsRecords&, const std::function<void(void* element)>& fill);
    const void* (*defaultElement)();
    // The element at `position` handed to `change` (needed by a group with a Binding row).
    void (*update)(SettingsRecords&, int position, const std::function<void(void* element)>& change);
};

// Sections "<prefix><firstNumber>", "<prefix><firstNumber + 1>", ... in order, one per element.
// The load reads as many as the group's count key (a row of its own, SettingLoad::ItemCount)
// says, at most maxLoaded; the save writes one per element and leaves sections beyond the count
// as they are, unless `removeBeyond`: then those up to maxLoaded are deleted.
struct RepeatedSections {
    const char* prefix;
    std::vector<SectionRow> rows;
    ElementList list;
    int maxLoaded;
    int firstNumber = 0;
    // Elements the count key counts besides the sections (lane 1, kept in SYSTEM).
    int countedElsewhere = 0;
    bool removeBeyond = false;
};

struct SettingRow {
    const char* section;  // for a Sections row, the group's prefix; for a Binding row, its section
    const char* key;
    SettingKind kind;
    SettingField field;
    SettingLoad load;
    // Keys added after the first release: stored only while they differ from their default and
    // deleted when they hold it, so a file of defaults is the file the first release wrote. A
    // count key so marked is written only while its group has elements.
    bool onlyWhenNotDefault;
    // Texts: the longest value kept, cut between characters on loading and on saving.
    size_t maxBytes;
    // The group of a Sections row, of its count key and of its Binding row.
    const RepeatedSections* group = nullptr;
};

// The keys of one item section: the display time (Int), the text in code page 932 (HexText),
// the exact text (ExactHexText), then, each only while set, its lane and its time on air (FROM,
// UNTIL, HOURS, DAYS as the AirWindow's texts, PLAYS).
using ItemSettingRow = SectionRow;

// A damaged or hand-edited item count loads no more than this many items.
const int kMaxLoadedItems = CaptionList::kMaxItems;
// Room for the hex of the longest text the caption text dialog accepts (1,000 bytes in code
// page 932) and more; its exact form in UTF-8 takes up to three bytes a half-width cell.
const size_t kMaxHexDigits = 4096;
const size_t kMaxExactHexDigits = 8192;

const std::vector<SettingRow>& settingRows();
// The caption items: sections ITEM0, ITEM1, ... counted by SYSTEM ITEMCOUNT.
const RepeatedSections& itemSections();
const std::vector<ItemSettingRow>& itemSettingRows();
// The data sources: sections SOURCE0, SOURCE1, ... counted by SYSTEM SOURCECOUNT, which is written
// only while there is a source; at most 16 are loaded.
const RepeatedSections& sourceSections();
// Lanes 2 to kMaxLanes: sections LANE2, LANE3, ... counted by SYSTEM LANECOUNT (every lane, lane 1
// too), which is written only while there is more than one lane; a removed lane's section goes.
const RepeatedSections& laneSections();

// "<prefix><position>".
std::string sectionName(const RepeatedSections& group, int position);
// "ITEM<position>".
std::string itemSectionName(int position);
