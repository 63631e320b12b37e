// The rows that the settings reader, writer and the tests' comparison walk: a row that names a
// field another row names, or reads one field and writes another, would lose a setting.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/ElementFields.h"
#include "model/ProfileText.h"
#include "model/SettingsKeys.h"
#include "model/SettingsParts.h"
#include "model/SettingsTable.h"

namespace {

std::vector<std::string> RowValues(const StoredSettings& s) {
    const ConstSettingsRecords records = recordsOf(s);
    std::vector<std::string> values;
    for (const SettingRow& row : settingRows()) {
        if (row.field.isNumber()) values.push_back(std::to_string(row.field.number(records)));
        else if (row.field.element.text) values.push_back(row.field.text(records));
        else values.push_back("-");
    }
    return values;
}

// An exact text's row stores the field of the code page 932 row before it.
bool SameField(const std::vector<SettingRow>& rows, size_t i, size_t j) {
    if (i > j) std::swap(i, j);
    return i == j || (j == i + 1 && rows[j].kind == SettingKind::ExactHexText);
}

TEST(SettingsTable, EachRowChangesItsOwnFieldAndNoOther) {
    const std::vector<SettingRow>& rows = settingRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const SettingRow& row = rows[i];
        if (!row.field.isNumber() && !row.field.element.text) continue;
        StoredSettings s;
        SettingsRecords records = recordsOf(s);
        const std::vector<std::string> before = RowValues(s);
        if (row.field.isNumber()) row.field.setNumber(records, row.field.number(records) + 1);
        else row.field.setText(records, "x");
        const std::vector<std::string> after = RowValues(s);
        for (size_t j = 0; j < rows.size(); ++j)
            EXPECT_EQ(SameField(rows, i, j), before[j] != after[j]) << "set " << row.key << ", looked at " << rows[j].key;
    }
}

TEST(SettingsTable, NoKeyStandsTwiceInOneSection) {
    std::set<std::pair<std::string, std::string>> keys;
    for (const SettingRow& row : settingRows())
        EXPECT_TRUE(keys.insert({row.section, row.key}).second) << row.section << " " << row.key;
    std::set<std::string> itemKeys;
    for (const ItemSettingRow& row : itemSettingRows()) EXPECT_TRUE(itemKeys.insert(row.key).second) << row.key;
}

// A group of repeated sections other than the caption items, as a data source's settings would
// be: sections SOURCE0, SOURCE1, ... and a count key in SYSTEM written only while there is one.
struct Source {
    int port = 0;
    std::wstring name;
    int retries = 3;  // a key added later: stored only while it is not 3
};
std::vector<Source> g_sources;

const RepeatedSections& SourceSections() {
    static const RepeatedSections group = {
        "SOURCE",
        {
            {"PORT", SettingKind::Int, elementNumber<&Source::port>()},
            {"NAME", SettingKind::HexText, elementWideText<&Source::name>()},
            {"UNAME", SettingKind::ExactHexText, elementWideText<&Source::name>()},
            {"RETRIES", SettingKind::Int, elementNumber<&Source::retries>(), true},
        },
        {[](const ConstSettingsRecords&) { return static_cast<int>(g_sources.size()); },
         [](const ConstSettingsRecords&, int i) -> const void* { return &g_sources[static_cast<size_t>(i)]; },
         [](SettingsRecords&, int count) { g_sources.reserve(static_cast<size_t>(count)); },
         [](SettingsRecords&, const std::function<void(void*)>& fill) {
             Source s;
             fill(&s);
             g_sources.push_back(s);
         },
         []() -> const void* {
             static const Source kDefault;
             return &kDefault;
         },
         nullptr},
        2,  // loaded at most
    };
    return group;
}

const std::vector<SettingRow>& SourceRows() {
    static const std::vector<SettingRow> rows = {
        {"SYSTEM", "SOURCECOUNT", SettingKind::Int, {}, SettingLoad::ItemCount, true, 0, &SourceSections()},
        {"SOURCE", "", SettingKind::Sections, {}, SettingLoad::Plain, false, 0, &SourceSections()},
    };
    return rows;
}

class TextOf : public SettingsSource, public SettingsSink {
public:
    explicit TextOf(const std::string& bytes) : m_text(bytes) {}
    int readInt(const std::string& section, const char* key, int defaultValue) const override {
        std::string v;
        return m_text.find(section, key, v) ? std::stoi(v) : defaultValue;
    }
    std::string readString(const std::string& section, const char* key, size_t) const override {
        std::string v;
        return m_text.find(section, key, v) ? v : std::string();
    }
    void put(const std::string& section, const char* key, const std::string& value) override { m_text.set(section, key, value); }
    void remove(const std::string& section, const char* key) override { m_text.remove(section, key); }
    void removeSection(const std::string& section) override { m_text.removeSection(section); }
    std::string bytes() const { return m_text.bytes(); }

private:
    ProfileText m_text;
};

TEST(SettingsTable, RepeatedSectionsOfAnyListAreRowsOfTheirTable) {
    const struct {
        const char* what;
        std::string before;
        std::vector<Source> sources;
        std::string after;
    } cases[] = {
        {"none: no count key, an old one deleted", "[SYSTEM]\r\nSOURCECOUNT=1\r\nCOLOR=1\r\n", {},
         "[SYSTEM]\r\nCOLOR=1\r\n"},
        {"two, one with a key added later", "",
         {{9000, L"OSC", 3}, {80, L"한국", 5}},
         "[SYSTEM]\r\nSOURCECOUNT=2\r\n[SOURCE0]\r\nPORT=9000\r\nNAME=4f5343\r\n[SOURCE1]\r\nPORT=80\r\nNAME=3f3f\r\n"
         "UNAME=ed959ceab5ad\r\nRETRIES=5\r\n"},
        {"fewer than before: the sections beyond stay", "[SYSTEM]\r\nSOURCECOUNT=2\r\n[SOURCE0]\r\nPORT=1\r\n[SOURCE1]\r\nPORT=2\r\n",
         {{7, L"", 3}}, "[SYSTEM]\r\nSOURCECOUNT=1\r\n[SOURCE0]\r\nPORT=7\r\nNAME=\r\n[SOURCE1]\r\nPORT=2\r\n"},
    };
    StoredSettings s;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TextOf file(c.before);
        g_sources = c.sources;
        writeRows(file, SourceRows(), recordsOf(s));
        EXPECT_EQ(c.after, file.bytes());
        g_sources.clear();
        SettingsRecords records = recordsOf(s);
        readRows(TextOf(file.bytes()), SourceRows(), records);
        ASSERT_EQ(c.sources.size(), g_sources.size());
        for (size_t i = 0; i < g_sources.size(); ++i) {
            EXPECT_EQ(c.sources[i].port, g_sources[i].port);
            EXPECT_TRUE(c.sources[i].name == g_sources[i].name);
            EXPECT_EQ(c.sources[i].retries, g_sources[i].retries);
        }
    }
    // A count beyond what the group loads reads only that many.
    g_sources.clear();
    SettingsRecords records = recordsOf(s);
    readRows(TextOf("[SYSTEM]\r\nSOURCECOUNT=5\r\n"), SourceRows(), records);
    EXPECT_EQ(2u, g_sources.size());
}

}  // namespace

// A part the operator changed while the file was guarded is the page's; every other is the file's.
TEST(SettingsParts, EachPartTakesItsOwnRecordsOnly) {
    StoredSettings page;
    page.lanes = std::vector<LaneLook>(2);
    page.lanes.front().deltaX = 4;
    page.rules.cutInAfterCurrent = 1;
    page.window = {800, 600};
    page.fileInterface.http.port = 8081;
    const struct {
        unsigned changed;
        bool look, window, remote;
    } cases[] = {
        {settings_parts::kLook, true, false, false},
        {settings_parts::kWindow, false, true, false},
        {settings_parts::kRemote, false, false, true},
        {settings_parts::kLook | settings_parts::kWindow, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changed);
        StoredSettings file;
        takeChangedParts(c.changed, page, file);
        EXPECT_EQ(c.look ? 4 : 2, file.lanes.front().deltaX);
        EXPECT_EQ(c.look ? 2u : 1u, file.lanes.size());
        EXPECT_EQ(c.look ? 1 : 0, file.rules.cutInAfterCurrent);
        EXPECT_EQ(c.window ? 800 : 0, file.window.width);
        EXPECT_EQ(c.window ? 600 : 0, file.window.height);
        EXPECT_EQ(c.remote ? 8081 : HttpSettings().port, file.fileInterface.http.port);
    }
}
