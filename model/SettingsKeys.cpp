#include "model/SettingsKeys.h"

#include <algorithm>
#include <utility>

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/ExactTextBinding.h"
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

// The same for a key of a group's section.
std::string storedValue(const SectionRow& row, const void* element) {
    if (isNumber(row.kind)) return std::to_string(row.field.number(element));
    std::string text = row.field.text(element);
    if (row.maxBytes != std::string::npos) text = fw::CutToBytes(text, row.maxBytes);
    return row.kind == SettingKind::HexText ? encodeHex(text) : text;
}

// The exact text of an ExactHexText key, taken only while `storedBytes`, the code page 932 text
// read from the key before it, is what this program writes for it; a damaged key gives nothing.
bool readExactText(const SettingsSource& source, const std::string& section, const char* key,
                   const std::string& storedBytes, std::wstring& text) {
    std::wstring exact = exactTextOf(source.readString(section, key, kMaxExactHexDigits));
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

// What a group's save and load know of each section for the group's Binding row.
struct GroupWritten {
    std::vector<SectionDigests> digests;
    std::vector<WrittenExact> exacts;
};

// Whether a section's value goes into the digests of the binding: a key stored only when not at
// its default counts only then, so that adding such a key keeps the bindings written before it.
bool inDigest(const RepeatedSections& group, const SectionRow& row, const std::string& value) {
    return !row.onlyWhenNotDefault || value != storedValue(row, group.list.defaultElement());
}

// One section of a group into the element made for it, as each row's load rule says. With
// `deferred`, the exact text is not taken but kept there, with the digests of the section's
// other values, for the binding.
void readElement(const SettingsSource& source, const RepeatedSections& group, const std::string& section,
                 void* element, int& oddTexts, LoadedSection* deferred) {
    std::string storedText;  // the last text row's value, for the ExactHexText row after it
    bool faceStored = false;
    ValueDigest values;
    for (const SectionRow& row : group.rows) {
        if (row.load == SettingLoad::FontDetail && !faceStored) continue;
        if (isNumber(row.kind)) {
            const int missing = row.load == SettingLoad::FontDetail ? 0 : row.field.number(element);
            const int number = source.readInt(section, row.key, missing);
            row.field.setNumber(element, number);
            if (deferred && inDigest(group, row, std::to_string(number))) values.add(number);
        } else if (row.kind == SettingKind::ExactHexText) {
            if (deferred) {
                deferred->storedExact = source.readString(section, row.key, kMaxExactHexDigits);
                if (!deferred->storedExact.empty()) deferred->textBytes = storedText;
                ValueDigest text;
                text.add(storedText);
                deferred->digests.text = text.value();
                continue;
            }
            std::wstring exact;
            if (readExactText(source, section, row.key, storedText, exact)) row.field.setWideText(element, exact);
        } else {
            storedText = readText(source, section, row.key, row.kind, row.maxBytes, oddTexts);
            if (deferred && inDigest(group, row, storedText)) values.add(storedText);
            const bool keep = row.load == SettingLoad::KeepWhenEmpty || row.load == SettingLoad::FaceName;
            if (keep && storedText.empty()) continue;
            row.field.setText(element, storedText);
            faceStored = faceStored || row.load == SettingLoad::FaceName;
        }
    }
    if (deferred) deferred->digests.values = values.value();
}

const SectionRow* exactRowOf(const RepeatedSections& group) {
    for (const SectionRow& row : group.rows)
        if (row.kind == SettingKind::ExactHexText) return &row;
    return nullptr;
}

// The exact texts of a bound group, given once all its sections are read.
void takeBoundExactTexts(const SettingsSource& source, const RepeatedSections& group, const char* bindingSection,
                         const std::vector<LoadedSection>& loaded, int base, SettingsRecords& records) {
    const SectionRow* exactRow = exactRowOf(group);
    const std::string list = source.readString(bindingSection, kBindingListKey, 64);
    const int bound = std::min(boundSectionCount(list), group.maxLoaded);
    const int count = static_cast<int>(loaded.size());
    std::vector<std::string> beyond;
    for (int position = count; position < bound; ++position)
        beyond.push_back(source.readString(sectionName(group, position), exactRow->key, kMaxExactHexDigits));
    std::vector<std::string> entries(static_cast<size_t>(std::max(bound, 0)));
    for (int position = 0; position < bound; ++position) {
        const size_t at = static_cast<size_t>(position);
        const std::string& stored = position < count ? loaded[at].storedExact : beyond[at - loaded.size()];
        if (!stored.empty()) entries[at] = source.readString(bindingSection, sectionName(group, position).c_str(), 128);
    }
    const std::vector<std::wstring> texts = boundExactTexts(loaded, beyond, list, entries);
    for (int position = 0; position < count; ++position) {
        const std::wstring& text = texts[static_cast<size_t>(position)];
        if (text.empty()) continue;
        group.list.update(records, base + position, [&](void* element) { exactRow->field.setWideText(element, text); });
    }
}

void readSections(const SettingsSource& source, const RepeatedSections& group, int count, const char* bindingSection,
                  SettingsRecords& records, int& oddTexts) {
    const int base = group.list.count(records);
    group.list.reserve(records, count);
    // Without a binding in the file each exact text is taken as its section is read.
    if (bindingSection && boundSectionCount(source.readString(bindingSection, kBindingListKey, 64)) == 0)
        bindingSection = nullptr;
    std::vector<LoadedSection> loaded(bindingSection && count > 0 ? static_cast<size_t>(count) : 0);
    for (int position = 0; position < count; ++position) {
        const std::string section = sectionName(group, position);
        LoadedSection* deferred = loaded.empty() ? nullptr : &loaded[static_cast<size_t>(position)];
        group.list.append(records, [&](void* element) { readElement(source, group, section, element, oddTexts, deferred); });
    }
    if (bindingSection) takeBoundExactTexts(source, group, bindingSection, loaded, base, records);
}

// The digests of what a section of `element` holds, as a load finds them (ExactTextBinding).
SectionDigests digestsOf(const RepeatedSections& group, const void* element) {
    SectionDigests digests;
    ValueDigest values;
    std::string text;
    for (const SectionRow& row : group.rows) {
        if (row.kind == SettingKind::ExactHexText) {
            ValueDigest textDigest;
            textDigest.add(text);
            digests.text = textDigest.value();
        } else if (isNumber(row.kind)) {
            const int number = row.field.number(element);
            if (inDigest(group, row, std::to_string(number))) values.add(number);
        } else {
            text = row.field.text(element);
            if (row.maxBytes != std::string::npos) text = fw::CutToBytes(text, row.maxBytes);
            if (inDigest(group, row, text)) values.add(text);
        }
    }
    digests.values = values.value();
    return digests;
}

GroupWritten writeSections(SettingsSink& sink, const RepeatedSections& group, const ConstSettingsRecords& records) {
    GroupWritten written;
    const void* defaults = group.list.defaultElement();
    const int count = group.list.count(records);
    for (int position = 0; position < count; ++position) {
        const std::string section = sectionName(group, position);
        const void* element = group.list.at(records, position);
        std::string text;  // the last text row's code page 932 bytes, for the ExactHexText row after it
        for (const SectionRow& row : group.rows) {
            if (row.kind == SettingKind::ExactHexText) {
                const std::wstring exact = row.field.wideText(element);
                if (fw::WideFromCodePage932(text) == exact) {
                    sink.remove(section, row.key);
                } else {
                    std::string stored = encodeHex(fw::Narrow(exact, CP_UTF8));
                    sink.put(section, row.key, stored);
                    written.exacts.push_back({position, std::move(stored)});
                }
                continue;
            }
            std::string value;
            if (isNumber(row.kind)) {
                value = std::to_string(row.field.number(element));
            } else {
                text = row.field.text(element);
                if (row.maxBytes != std::string::npos) text = fw::CutToBytes(text, row.maxBytes);
                value = row.kind == SettingKind::HexText ? encodeHex(text) : text;
            }
            if (row.onlyWhenNotDefault && value == storedValue(row, defaults)) sink.remove(section, row.key);
            else sink.put(section, row.key, value);
        }
        // The binding needs the digests of every section, but only once there is an exact text:
        // a list that code page 932 holds whole is saved without them.
        if (written.exacts.empty()) continue;
        written.digests.reserve(static_cast<size_t>(count));
        while (written.digests.size() <= static_cast<size_t>(position))
            written.digests.push_back(digestsOf(group, group.list.at(records, static_cast<int>(written.digests.size()))));
    }
    if (group.removeBeyond)
        for (int position = count; position < group.maxLoaded; ++position) sink.removeSection(sectionName(group, position));
    return written;
}

void writeBinding(SettingsSink& sink, const SettingRow& row, const GroupWritten& written) {
    sink.removeSection(row.section);
    for (const BindingKey& key : bindingKeys(written.digests, written.exacts, row.group->prefix))
        sink.put(row.section, key.key.c_str(), key.value);
}

const char* bindingSectionOf(const std::vector<SettingRow>& rows, const RepeatedSections* group) {
    for (const SettingRow& row : rows)
        if (row.kind == SettingKind::Binding && row.group == group) return row.section;
    return nullptr;
}

}  // namespace

int readRows(const SettingsSource& source, const std::vector<SettingRow>& rows, SettingsRecords& records) {
    int oddTexts = 0;
    bool faceStored = false;
    std::vector<std::pair<const RepeatedSections*, int>> groupCounts;
    std::string storedText;  // the last text row's value, for the ExactHexText row after it
    for (const SettingRow& row : rows) {
        if (row.kind == SettingKind::Sections || row.kind == SettingKind::Binding) continue;
        if (row.kind == SettingKind::ExactHexText) {
            std::wstring exact;
            if (readExactText(source, row.section, row.key, storedText, exact)) row.field.setWideText(records, exact);
            continue;
        }
        if (row.load == SettingLoad::ItemCount) {
            const int stored = source.readInt(row.section, row.key, 0) - row.group->countedElsewhere;
            groupCounts.emplace_back(row.group, std::max(0, std::min(stored, row.group->maxLoaded)));
        } else if (row.load == SettingLoad::FontDetail) {
            if (faceStored) row.field.setNumber(records, source.readInt(row.section, row.key, 0));
        } else if (isNumber(row.kind)) {
            row.field.setNumber(records, source.readInt(row.section, row.key, row.field.number(records)));
        } else {
            std::string text = readText(source, row.section, row.key, row.kind, row.maxBytes, oddTexts);
            storedText = text;
            const bool keep = row.load == SettingLoad::KeepWhenEmpty || row.load == SettingLoad::FaceName;
            if (keep && text.empty()) continue;
            row.field.setText(records, text);
            faceStored = faceStored || row.load == SettingLoad::FaceName;
        }
    }
    // The groups' sections after every other key, in the rows' order.
    for (const SettingRow& row : rows) {
        if (row.kind != SettingKind::Sections) continue;
        for (const auto& counted : groupCounts)
            if (counted.first == row.group)
                readSections(source, *row.group, counted.second, bindingSectionOf(rows, row.group), records, oddTexts);
    }
    return oddTexts;
}

void writeRows(SettingsSink& sink, const std::vector<SettingRow>& rows, const ConstSettingsRecords& records) {
    const std::vector<LaneLook> defaultLanes(1);
    const WindowSize defaultWindow;
    const ShowRules defaultRules;
    const FileInterfaceSettings defaultFileInterface;
    const ConstSettingsRecords defaults{defaultLanes, defaultWindow, defaultRules, defaultFileInterface};
    std::vector<std::pair<const RepeatedSections*, GroupWritten>> groupsWritten;
    for (const SettingRow& row : rows) {
        if (row.kind == SettingKind::Sections) {
            groupsWritten.emplace_back(row.group, writeSections(sink, *row.group, records));
        } else if (row.kind == SettingKind::Binding) {
            for (const auto& group : groupsWritten)
                if (group.first == row.group) writeBinding(sink, row, group.second);
        } else if (row.load == SettingLoad::ItemCount) {
            const int count = row.group->list.count(records);
            if (row.onlyWhenNotDefault && count == 0) sink.remove(row.section, row.key);
            else sink.put(row.section, row.key, std::to_string(count + row.group->countedElsewhere));
        } else if (row.kind == SettingKind::ExactHexText) {
            writeExactText(sink, row.section, row.key, row.field.wideText(records));
        } else {
            std::string value = storedValue(row, records);
            if (row.onlyWhenNotDefault && value == storedValue(row, defaults)) sink.remove(row.section, row.key);
            else sink.put(row.section, row.key, value);
        }
    }
}

namespace {
int laneOrFirst(int lane, size_t lanes) { return lane >= 1 && lane <= static_cast<int>(lanes) ? lane : 1; }
}  // namespace

int readSettings(const SettingsSource& source, SettingsRecords records) {
    std::vector<LaneLook>& lanes = records.lanes;
    if (lanes.empty()) lanes.resize(1);
    const int oddTexts = readRows(source, settingRows(), records);
    // A caption on a lane the file does not hold goes on lane 1.
    CaptionList* captions = records.captions;
    for (int position = 0; captions && position < captions->count(); ++position) {
        const int lane = captions->at(position).m_lane;
        if (lane != laneOrFirst(lane, lanes.size())) captions->setLane(position, 1);
    }
    FileInterfaceSettings& fileInterface = records.fileInterface;
    fileInterface.fileLane = laneOrFirst(fileInterface.fileLane, lanes.size());
    for (SourceSettings& source : fileInterface.sources) source.lane = laneOrFirst(source.lane, lanes.size());
    return oddTexts;
}

void writeSettings(SettingsSink& sink, const ConstSettingsRecords& records) {
    const std::vector<LaneLook> oneLane(1);
    writeRows(sink, settingRows(),
              {records.lanes.empty() ? oneLane : records.lanes, records.window, records.rules, records.fileInterface,
               records.captions});
}
