#include "model/SettingsTable.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "model/ElementFields.h"

namespace {
const char kSystem[] = "SYSTEM";
const char kFile[] = "FILE";
const char kItemSections[] = "ITEM";
const char kSourceSections[] = "SOURCE";
const char kLaneSections[] = "LANE";
// Binds the items' exact texts to the list as written (model/ExactTextBinding.h).
const char kExactTexts[] = "UTEXTS";

const size_t kMaxFaceNameBytes = LF_FACESIZE - 1;
const size_t kMaxPathBytes = 1022;
// A display device name is at most 31 characters; a longer value names no monitor.
const size_t kMaxMonitorNameBytes = 63;
// A dotted IPv4 address is at most 15 characters; the list of senders is cut at this length.
const size_t kMaxOscAddressBytes = 63;
const size_t kMaxOscAllowedBytes = 1022;
// The remote's token is 32 characters (24 random bytes in base64url); a longer one is cut.
const size_t kMaxTokenBytes = 127;
// A data source's texts in code page 932: two bytes for each of their UTF-16 units at most.
const size_t kMaxSourceTextBytes = 2 * SourceSettings::kMaxTextLength;
const size_t kMaxLaneNameBytes = 254;
// A caption's time on air: its texts are at most 16 bytes ("YYYY-MM-DD HH:MM"); a longer value
// is kept long enough that it stays malformed, and its caption never goes on air.
const size_t kMaxAirTextBytes = 63;

// The record that holds a field of type Record.
template <typename Record> struct RecordIn;
template <> struct RecordIn<LaneLook> {
    static const LaneLook& of(const ConstSettingsRecords& r) { return r.lanes.front(); }
    static LaneLook& of(SettingsRecords& r) { return r.lanes.front(); }
};
template <> struct RecordIn<WindowSize> {
    static const WindowSize& of(const ConstSettingsRecords& r) { return r.window; }
    static WindowSize& of(SettingsRecords& r) { return r.window; }
};
template <> struct RecordIn<ShowRules> {
    static const ShowRules& of(const ConstSettingsRecords& r) { return r.rules; }
    static ShowRules& of(SettingsRecords& r) { return r.rules; }
};
template <> struct RecordIn<FileInterfaceSettings> {
    static const FileInterfaceSettings& of(const ConstSettingsRecords& r) { return r.fileInterface; }
    static FileInterfaceSettings& of(SettingsRecords& r) { return r.fileInterface; }
};
template <> struct RecordIn<OscSettings> {
    static const OscSettings& of(const ConstSettingsRecords& r) { return r.fileInterface.osc; }
    static OscSettings& of(SettingsRecords& r) { return r.fileInterface.osc; }
};
template <> struct RecordIn<HttpSettings> {
    static const HttpSettings& of(const ConstSettingsRecords& r) { return r.fileInterface.http; }
    static HttpSettings& of(SettingsRecords& r) { return r.fileInterface.http; }
};

// `field` of the record of type Record.
template <typename Record> SettingField in(ElementField field) {
    return {[](const ConstSettingsRecords& r) -> const void* { return &RecordIn<Record>::of(r); },
            [](SettingsRecords& r) -> void* { return &RecordIn<Record>::of(r); }, field};
}
template <auto Member> SettingField numberField() {
    return in<typename element_fields::MemberOf<decltype(Member)>::Record>(elementNumber<Member>());
}
template <auto Member> SettingField textField() {
    return in<typename element_fields::MemberOf<decltype(Member)>::Record>(elementText<Member>());
}
template <auto Member> SettingField wideTextField() {
    return in<typename element_fields::MemberOf<decltype(Member)>::Record>(elementWideText<Member>());
}

// The font's face name and details of a lane's look.
ElementField faceNameField() {
    return {nullptr,
            nullptr,
            [](const void* e) {
                const char* face = static_cast<const LaneLook*>(e)->logFont.lfFaceName;
                return std::string(face, std::find(face, face + LF_FACESIZE, '\0'));
            },
            [](void* e, const std::string& face) {
                char* stored = static_cast<LaneLook*>(e)->logFont.lfFaceName;
                std::memset(stored, 0, LF_FACESIZE);
                std::memcpy(stored, face.data(), std::min(face.size(), kMaxFaceNameBytes));
            },
            nullptr,
            nullptr};
}
template <auto Member> ElementField fontNumber() {
    using Type = typename element_fields::MemberOf<decltype(Member)>::Type;
    return {[](const void* e) { return static_cast<int>(static_cast<const LaneLook*>(e)->logFont.*Member); },
            [](void* e, int value) { static_cast<LaneLook*>(e)->logFont.*Member = static_cast<Type>(value); },
            nullptr, nullptr, nullptr, nullptr};
}

// A field of an item's time on air.
template <std::string AirWindow::*Member> ElementField airText() {
    return {nullptr,
            nullptr,
            [](const void* e) { return static_cast<const CKirunData*>(e)->m_window.*Member; },
            [](void* e, const std::string& value) { static_cast<CKirunData*>(e)->m_window.*Member = value; },
            nullptr,
            nullptr};
}
ElementField airPlays() {
    return {[](const void* e) { return static_cast<const CKirunData*>(e)->m_window.plays; },
            [](void* e, int value) { static_cast<CKirunData*>(e)->m_window.plays = value; },
            nullptr, nullptr, nullptr, nullptr};
}

const SettingField kNoField = {nullptr, nullptr, {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};

// The caption list of the records, as the list of the item sections.
const ElementList kCaptionList = {
    [](const ConstSettingsRecords& r) { return r.captions ? r.captions->count() : 0; },
    [](const ConstSettingsRecords& r, int position) -> const void* { return &r.captions->at(position); },
    [](SettingsRecords& r, int count) {
        if (r.captions && count > 0) r.captions->reserve(r.captions->count() + count);
    },
    [](SettingsRecords& r, const std::function<void(void*)>& fill) {
        CKirunData item;
        fill(&item);
        if (r.captions) r.captions->append(std::move(item));
    },
    []() -> const void* {
        static const CKirunData kDefault;
        return &kDefault;
    },
    [](SettingsRecords& r, int position, const std::function<void(void*)>& change) {
        if (!r.captions || !r.captions->contains(position)) return;
        CKirunData item = r.captions->at(position);
        change(&item);
        r.captions->replaceAt(position, item);
    },
};

// The data sources of the records, as the list of the source sections. A load gives the stored
// sources, each brought within bounds; those the record held before are dropped.
const ElementList kSourceList = {
    [](const ConstSettingsRecords& r) { return static_cast<int>(r.fileInterface.sources.size()); },
    [](const ConstSettingsRecords& r, int position) -> const void* {
        return &r.fileInterface.sources[static_cast<size_t>(position)];
    },
    [](SettingsRecords& r, int count) {
        r.fileInterface.sources.clear();
        if (count > 0) r.fileInterface.sources.reserve(static_cast<size_t>(count));
    },
    [](SettingsRecords& r, const std::function<void(void*)>& fill) {
        SourceSettings source;
        fill(&source);
        boundSourceSettings(source);
        r.fileInterface.sources.push_back(std::move(source));
    },
    []() -> const void* {
        static const SourceSettings kDefault;
        return &kDefault;
    },
    [](SettingsRecords& r, int position, const std::function<void(void*)>& change) {
        if (position >= 0 && position < static_cast<int>(r.fileInterface.sources.size()))
            change(&r.fileInterface.sources[static_cast<size_t>(position)]);
    },
};

// Lanes 2 and after, as the list of the lane sections: lane 1's look stays first. A load gives
// the stored lanes; those beyond lane 1 that the record held before are dropped.
const ElementList kLaneList = {
    [](const ConstSettingsRecords& r) { return static_cast<int>(r.lanes.size()) - 1; },
    [](const ConstSettingsRecords& r, int position) -> const void* { return &r.lanes[static_cast<size_t>(position) + 1]; },
    [](SettingsRecords& r, int count) {
        r.lanes.resize(1);
        if (count > 0) r.lanes.reserve(static_cast<size_t>(count) + 1);
    },
    [](SettingsRecords& r, const std::function<void(void*)>& fill) {
        LaneLook look;
        fill(&look);
        r.lanes.push_back(std::move(look));
    },
    []() -> const void* {
        static const LaneLook kDefault;
        return &kDefault;
    },
    [](SettingsRecords& r, int position, const std::function<void(void*)>& change) {
        if (position >= 0 && position + 1 < static_cast<int>(r.lanes.size()))
            change(&r.lanes[static_cast<size_t>(position) + 1]);
    },
};

// FORMAT by its name ("auto", "rss", ...).
ElementField sourceFormatField() {
    return {nullptr,
            nullptr,
            [](const void* e) {
                return fw::CodePage932FromWide(sourceFormatName(static_cast<const SourceSettings*>(e)->format));
            },
            [](void* e, const std::string& value) {
                static_cast<SourceSettings*>(e)->format = sourceFormatFromName(fw::WideFromCodePage932(value));
            },
            nullptr,
            nullptr};
}

using A = LaneLook;
using F = FileInterfaceSettings;
using O = OscSettings;
using H = HttpSettings;
using K = SettingKind;
using L = SettingLoad;
const bool kAlways = false;
const bool kUnlessDefault = true;
}  // namespace

const std::vector<SettingRow>& settingRows() {
    static const std::vector<SettingRow> rows = {
        {kSystem, "COLOR", K::Int, numberField<&A::colorChoice>(), L::Plain, kAlways, 0},
        {kSystem, "RGB", K::Colour, numberField<&A::userTextColor>(), L::Plain, kAlways, 0},
        {kSystem, "RGBSDW", K::Colour, numberField<&A::userShadowColor>(), L::Plain, kAlways, 0},
        {kSystem, "POS", K::Int, numberField<&A::pos>(), L::Plain, kAlways, 0},
        {kSystem, "GAP", K::Int, numberField<&A::gap>(), L::Plain, kAlways, 0},
        {kSystem, "LGAP", K::Int, numberField<&A::lgap>(), L::Plain, kAlways, 0},
        {kSystem, "RGAP", K::Int, numberField<&A::rgap>(), L::Plain, kAlways, 0},
        {kSystem, "SIZE", K::Int, numberField<&A::sizeChoice>(), L::Plain, kAlways, 0},
        {kSystem, "DELTAX", K::Int, numberField<&A::deltaX>(), L::Plain, kAlways, 0},
        {kSystem, "FONTFACENAME", K::Text, in<A>(faceNameField()), L::FaceName, kAlways,
         kMaxFaceNameBytes},
        {kSystem, "FONTHEIGHT", K::Int, in<A>(fontNumber<&LOGFONTA::lfHeight>()), L::FontDetail, kAlways, 0},
        {kSystem, "FONTWEIGHT", K::Int, in<A>(fontNumber<&LOGFONTA::lfWeight>()), L::FontDetail, kAlways, 0},
        {kSystem, "FONTITALIC", K::Int, in<A>(fontNumber<&LOGFONTA::lfItalic>()), L::FontDetail, kAlways, 0},
        {kSystem, "ITEMCOUNT", K::Int, kNoField, L::ItemCount, kAlways, 0, &itemSections()},
        {kSystem, "MONITOR", K::Text, textField<&A::monitorName>(), L::Plain, kUnlessDefault, kMaxMonitorNameBytes},
        {kItemSections, "", K::Sections, kNoField, L::Plain, kAlways, 0, &itemSections()},
        {kFile, "EXEC", K::Int, numberField<&F::fileExec>(), L::Plain, kAlways, 0},
        {kFile, "MINUTE", K::Int, numberField<&F::fileMinute>(), L::Plain, kAlways, 0},
        {kFile, "PATH", K::Text, wideTextField<&F::filePath>(), L::Plain, kAlways, kMaxPathBytes},
        {kFile, "UPATH", K::ExactHexText, wideTextField<&F::filePath>(), L::Plain, kAlways, 0},
        {kFile, "LANE", K::Int, numberField<&F::fileLane>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "BAND", K::Int, numberField<&A::bandOn>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "BANDRGB", K::Colour, numberField<&A::bandColor>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "BANDOPACITY", K::Int, numberField<&A::bandOpacity>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "OUTLINE", K::Int, numberField<&A::outline>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "SEPARATOR", K::HexText, textField<&A::separator>(), L::KeepWhenEmpty, kUnlessDefault,
         kMaxSeparatorBytes},
        {kSystem, "SMOOTH", K::Int, numberField<&A::smooth>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "SPEEDPX", K::Int, numberField<&A::speedPx>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "CUTINAFTER", K::Int, numberField<&ShowRules::cutInAfterCurrent>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "OSCPORT", K::Int, numberField<&O::port>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "OSCADDRESS", K::Text, textField<&O::address>(), L::KeepWhenEmpty, kUnlessDefault,
         kMaxOscAddressBytes},
        {kSystem, "OSCALLOW", K::Text, textField<&O::allowed>(), L::Plain, kUnlessDefault, kMaxOscAllowedBytes},
        {kSystem, "WINDOWW", K::Int, numberField<&WindowSize::width>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "WINDOWH", K::Int, numberField<&WindowSize::height>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "HTTPPORT", K::Int, numberField<&H::port>(), L::Plain, kUnlessDefault, 0},
        {kSystem, "HTTPADDRESS", K::Text, textField<&H::address>(), L::KeepWhenEmpty, kUnlessDefault,
         kMaxOscAddressBytes},
        {kSystem, "HTTPTOKEN", K::Text, textField<&H::token>(), L::Plain, kUnlessDefault, kMaxTokenBytes},
        {kSystem, "HTTPVIEWKEY", K::Text, textField<&H::viewKey>(), L::Plain, kUnlessDefault, kMaxTokenBytes},
        {kSystem, "OSCFEEDBACK", K::Text, textField<&F::oscFeedback>(), L::Plain, kUnlessDefault, kMaxOscAddressBytes},
        {kSystem, "SOURCECOUNT", K::Int, kNoField, L::ItemCount, kUnlessDefault, 0, &sourceSections()},
        {kSourceSections, "", K::Sections, kNoField, L::Plain, kAlways, 0, &sourceSections()},
        {kSystem, "LANECOUNT", K::Int, kNoField, L::ItemCount, kUnlessDefault, 0, &laneSections()},
        {kLaneSections, "", K::Sections, kNoField, L::Plain, kAlways, 0, &laneSections()},
        {kExactTexts, "", K::Binding, kNoField, L::Plain, kUnlessDefault, 0, &itemSections()},
    };
    return rows;
}

const RepeatedSections& itemSections() {
    static const RepeatedSections group = {
        kItemSections,
        {
            {"MINUTE", K::Int, elementNumber<&CKirunData::m_minutes>()},
            {"STRINGS", K::HexText, elementWideText<&CKirunData::m_text>()},
            {"USTRINGS", K::ExactHexText, elementWideText<&CKirunData::m_text>()},
            {"LANE", K::Int, elementNumber<&CKirunData::m_lane>(), kUnlessDefault},
            {"FROM", K::Text, airText<&AirWindow::from>(), kUnlessDefault, kMaxAirTextBytes},
            {"UNTIL", K::Text, airText<&AirWindow::until>(), kUnlessDefault, kMaxAirTextBytes},
            {"HOURS", K::Text, airText<&AirWindow::hours>(), kUnlessDefault, kMaxAirTextBytes},
            {"DAYS", K::Text, airText<&AirWindow::days>(), kUnlessDefault, kMaxAirTextBytes},
            {"PLAYS", K::Int, airPlays(), kUnlessDefault},
        },
        kCaptionList,
        kMaxLoadedItems,
    };
    return group;
}

const std::vector<ItemSettingRow>& itemSettingRows() { return itemSections().rows; }

const RepeatedSections& sourceSections() {
    using S = SourceSettings;
    const size_t kText = kMaxSourceTextBytes;
    static const RepeatedSections group = {
        kSourceSections,
        {
            {"EXEC", K::Int, elementNumber<&S::exec>()},
            {"NAME", K::Text, elementWideText<&S::name>(), false, kText},
            {"UNAME", K::ExactHexText, elementWideText<&S::name>()},
            {"URL", K::Text, elementWideText<&S::url>(), false, kText},
            {"UURL", K::ExactHexText, elementWideText<&S::url>()},
            {"FORMAT", K::Text, sourceFormatField(), false, kText},
            {"FIELD", K::Text, elementWideText<&S::field>(), false, kText},
            {"REFRESH", K::Int, elementNumber<&S::refreshSeconds>()},
            {"MAXITEMS", K::Int, elementNumber<&S::maxItems>()},
            {"PREFIX", K::Text, elementWideText<&S::prefix>(), false, kText},
            {"UPREFIX", K::ExactHexText, elementWideText<&S::prefix>()},
            {"MODE", K::Int, elementNumber<&S::mode>()},
            {"MATCH", K::Text, elementWideText<&S::match>(), false, kText},
            {"UMATCH", K::ExactHexText, elementWideText<&S::match>()},
            {"AREA", K::Text, elementWideText<&S::area>(), false, kText},
            {"UAREA", K::ExactHexText, elementWideText<&S::area>()},
            {"MINUTE", K::Int, elementNumber<&S::cutInMinutes>()},
            {"LANE", K::Int, elementNumber<&S::lane>(), kUnlessDefault},
        },
        kSourceList,
        SourceSettings::kMaxSources,
    };
    return group;
}

const RepeatedSections& laneSections() {
    const size_t kNoLimit = std::string::npos;
    static const RepeatedSections group = {
        kLaneSections,
        {
            {"COLOR", K::Int, elementNumber<&A::colorChoice>()},
            {"RGB", K::Colour, elementNumber<&A::userTextColor>()},
            {"RGBSDW", K::Colour, elementNumber<&A::userShadowColor>()},
            {"POS", K::Int, elementNumber<&A::pos>()},
            {"GAP", K::Int, elementNumber<&A::gap>()},
            {"LGAP", K::Int, elementNumber<&A::lgap>()},
            {"RGAP", K::Int, elementNumber<&A::rgap>()},
            {"SIZE", K::Int, elementNumber<&A::sizeChoice>()},
            {"DELTAX", K::Int, elementNumber<&A::deltaX>()},
            {"FONTFACENAME", K::Text, faceNameField(), kAlways, kMaxFaceNameBytes, L::FaceName},
            {"FONTHEIGHT", K::Int, fontNumber<&LOGFONTA::lfHeight>(), kAlways, kNoLimit, L::FontDetail},
            {"FONTWEIGHT", K::Int, fontNumber<&LOGFONTA::lfWeight>(), kAlways, kNoLimit, L::FontDetail},
            {"FONTITALIC", K::Int, fontNumber<&LOGFONTA::lfItalic>(), kAlways, kNoLimit, L::FontDetail},
            {"MONITOR", K::Text, elementText<&A::monitorName>(), kUnlessDefault, kMaxMonitorNameBytes},
            {"BAND", K::Int, elementNumber<&A::bandOn>(), kUnlessDefault},
            {"BANDRGB", K::Colour, elementNumber<&A::bandColor>(), kUnlessDefault},
            {"BANDOPACITY", K::Int, elementNumber<&A::bandOpacity>(), kUnlessDefault},
            {"OUTLINE", K::Int, elementNumber<&A::outline>(), kUnlessDefault},
            {"SEPARATOR", K::HexText, elementText<&A::separator>(), kUnlessDefault, kMaxSeparatorBytes, L::KeepWhenEmpty},
            {"SMOOTH", K::Int, elementNumber<&A::smooth>(), kUnlessDefault},
            {"SPEEDPX", K::Int, elementNumber<&A::speedPx>(), kUnlessDefault},
            {"NAME", K::Text, elementWideText<&A::name>(), kAlways, kMaxLaneNameBytes},
            {"UNAME", K::ExactHexText, elementWideText<&A::name>()},
        },
        kLaneList,
        kMaxLanes - 1,
        2,
        1,
        true,
    };
    return group;
}

std::string sectionName(const RepeatedSections& group, int position) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%d", group.prefix, group.firstNumber + position);
    return name;
}

std::string itemSectionName(int position) { return sectionName(itemSections(), position); }
