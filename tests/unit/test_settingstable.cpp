// The rows that the settings reader, writer and the tests' comparison walk: a row that names a
// field another row names, or reads one field and writes another, would lose a setting.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/SettingsTable.h"

namespace {

std::vector<std::string> RowValues(const AppearanceSettings& a, const FileInterfaceSettings& f) {
    const ConstSettingsRecords records{a, f};
    std::vector<std::string> values;
    for (const SettingRow& row : settingRows()) {
        if (row.field.number) values.push_back(std::to_string(row.field.number(records)));
        else if (row.field.text) values.push_back(row.field.text(records));
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
        if (!row.field.number && !row.field.text) continue;
        AppearanceSettings a;
        FileInterfaceSettings f;
        SettingsRecords records{a, f};
        const std::vector<std::string> before = RowValues(a, f);
        if (row.field.number) row.field.setNumber(records, row.field.number(ConstSettingsRecords{a, f}) + 1);
        else row.field.setText(records, "x");
        const std::vector<std::string> after = RowValues(a, f);
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

}  // namespace
