// Two hundred generated settings files, from one fixed seed: known keys with values at the
// ends of their range, junk values, random keys and random bytes. Each opens the control page,
// rolls a caption and looks at the watched file; nothing may crash, grow out of bounds or keep
// a GDI object.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "display/KirunWin.h"
#include "model/SettingsTable.h"
#include "tests/support/GdiCount.h"
#include "tests/support/FileLooks.h"
#include "tests/support/PageChecks.h"
#include "tests/support/PageHost.h"

using namespace testing_support;

namespace {

const int kFiles = 200;
const unsigned kSeed = 20261208;
// Only one file gets an item count in the billions: it loads tens of thousands of items.
const int kHugeCountFile = 99;

// Every key of SYSTEM that holds a value of its own; ITEMCOUNT is made apart.
std::vector<std::string> SystemKeys() {
    std::vector<std::string> keys;
    for (const SettingRow& row : settingRows()) {
        if (std::string(row.section) == "SYSTEM" && row.load != SettingLoad::ItemCount) keys.push_back(row.key);
    }
    return keys;
}
const char* const kHostileValues[] = {"-2147483648", "-1", "0", "1", "4", "99999999999", "2147483647",
                                      "-100000", "100000", "abc", "", "0x10", "3e4", "-0", "+7"};
const char* const kPaths[] = {"CON", "NUL", "COM1", "LPT1", "*.txt", "?", ".", "..", "C:\\", "aux.txt",
                              "\\\\.\\pipe\\none", "news.txt"};

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    std::string Bytes(int maxLength, bool printable) {
        std::string bytes(static_cast<size_t>(Below(maxLength + 1)), '\0');
        for (char& c : bytes) c = static_cast<char>(printable ? ' ' + Below(95) : Below(256));
        return bytes;
    }

    std::string Number() {
        switch (Below(4)) {
        case 0: return std::to_string(static_cast<int>(m_random()));
        case 1: return std::to_string(Below(2001) - 1000);
        case 2: return Bytes(12, true);
        default: return kHostileValues[Below(sizeof kHostileValues / sizeof kHostileValues[0])];
        }
    }

    // Long texts only where `mayBeLong`: the first item is the one put on air, and a long text
    // in a font a thousand pixels high gives a caption picture of gigabytes, which fails to be
    // made only after a while.
    std::string Hex(bool mayBeLong) {
        std::string hex;
        const int digits = mayBeLong && Below(3) == 0 ? Below(5000) : Below(64);
        for (int i = 0; i < digits; ++i) hex += Chance(95) ? "0123456789abcdefABCDEF"[Below(22)] : 'z';
        return hex;
    }

    std::string ItemCount(int file) {
        if (file == kHugeCountFile) return Chance(50) ? "2147483647" : "99999999999";
        switch (Below(4)) {
        case 0: return std::to_string(Below(20));
        case 1: return kHostileValues[Below(3)];  // INT_MIN, -1 or 0
        case 2: return Bytes(6, true);
        default: return std::to_string(Below(5));
        }
    }

    std::string SettingsFile(int file, const std::string& folder) {
        if (Chance(10)) return Bytes(8192, false);
        std::string ini = "[SYSTEM]\r\n";
        for (const std::string& key : SystemKeys()) {
            if (Chance(15)) continue;
            std::string value = key == "FONTFACENAME" ? Bytes(Chance(20) ? 1000 : 40, true) : Number();
            ini += key + "=" + value + "\r\n";
        }
        ini += "ITEMCOUNT=" + ItemCount(file) + "\r\n";
        const int items = Below(6);
        for (int i = 0; i < items; ++i) {
            ini += "[ITEM" + std::to_string(Chance(80) ? i : Below(100000)) + "]\r\n";
            if (Chance(80)) ini += "MINUTE=" + Number() + "\r\n";
            if (Chance(90)) ini += "STRINGS=" + Hex(i > 0) + "\r\n";
        }
        ini += "[FILE]\r\nEXEC=" + (Chance(70) ? std::string("1") : Number()) + "\r\nMINUTE=" + Number() + "\r\n";
        const int path = Below(sizeof kPaths / sizeof kPaths[0] + 2);
        if (path < static_cast<int>(sizeof kPaths / sizeof kPaths[0])) ini += std::string("PATH=") + kPaths[path] + "\r\n";
        else if (path == sizeof kPaths / sizeof kPaths[0]) ini += "PATH=" + folder + "\r\n";
        else ini += "PATH=" + Bytes(300, false) + "\r\n";
        // Random keys, lines and bytes anywhere after the start.
        const int junk = Below(4);
        for (int i = 0; i < junk; ++i) {
            const size_t at = static_cast<size_t>(Below(static_cast<int>(ini.size()) + 1));
            ini.insert(at, Chance(50) ? Bytes(40, true) + "=" + Number() + "\r\n" : Bytes(64, false));
        }
        return ini;
    }

private:
    std::mt19937 m_random;
};

TEST(SettingsSweep, GeneratedFilesOpenRollAndLeaveNoGdiObjects) {
    PageHost host;
    Generator generate(kSeed);
    // The first page makes the objects that Wine keeps for the process's life.
    ASSERT_TRUE(host.Open("[SYSTEM]\r\nITEMCOUNT=1\r\n"));
    host.Roll(10, 1);
    host.Close();
    const int gdiBefore = CountGdiObjects();

    for (int file = 0; file < kFiles; ++file) {
        const std::string ini = generate.SettingsFile(file, host.dir().path());
        ASSERT_TRUE(host.Open(ini)) << "file " << file;
        host.Roll(3, 5);
        CheckTextFileNow(*host.page());
        CheckTextFileNow(*host.page());
        ExpectSanePage(host, "file " + std::to_string(file));
        if (HasFailure()) {
            ADD_FAILURE() << "settings file " << file << " of seed " << kSeed << " was:\n" << ini;
            break;
        }
        host.Close();
    }
    if (gdiBefore >= 0) {
        EXPECT_EQ(gdiBefore, CountGdiObjects());
    }
}

}  // namespace
