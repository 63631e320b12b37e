#include <gtest/gtest.h>

#include "ScriptTexts.h"
#include "app/CommandLine.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"

namespace {

// Arguments written in code page 932, as the program was given them before it read them wide.
CommandLineScan Scan(std::vector<std::string> args) {
    std::vector<std::wstring> wide;
    for (const std::string& argument : args) wide.push_back(fw::WideFromCodePage932(argument));
    return scanCommandLine(wide);
}

TEST(CommandLine, NoArgumentsLeavesNormalMode) {
    CommandLineScan scan = Scan({});
    EXPECT_EQ(0, scan.debugMode);
    EXPECT_EQ(0, scan.batchMode);
    EXPECT_TRUE(scan.captionNumbers.empty());
    EXPECT_FALSE(scan.formatError);
    EXPECT_EQ("", scan.echo);
}

TEST(CommandLine, DebugOptionMatchesOnlyExactly) {
    EXPECT_EQ(1, Scan({"-D586"}).debugMode);
    for (const char* near : {"-d586", "-D5860", "-D58", "-D586 ", "D586"})
        EXPECT_EQ(0, Scan({near}).debugMode) << near;
    EXPECT_EQ("1番目の引数=-D586\nDEBUGMODE ON\n", Scan({"-D586"}).echo);
}

TEST(CommandLine, EchoesEveryArgumentWithItsNumber) {
    EXPECT_EQ("1番目の引数=a\n2番目の引数=\n3番目の引数=-T5\n", Scan({"a", "", "-T5"}).echo);
}

TEST(CommandLine, BatchNumbersKeepOrderAndDuplicates) {
    CommandLineScan scan = Scan({"-T3", "-T1", "-T3"});
    EXPECT_EQ(1, scan.batchMode);
    EXPECT_EQ((std::vector<int>{3, 1, 3}), scan.captionNumbers);
}

TEST(CommandLine, NumberIsReadLikeScanfDecimal) {
    EXPECT_EQ((std::vector<int>{3}), Scan({"-T 3"}).captionNumbers) << "leading blanks skipped";
    EXPECT_EQ((std::vector<int>{12}), Scan({"-T12abc"}).captionNumbers) << "trailing text ignored";
    EXPECT_EQ((std::vector<int>{4}), Scan({"-T+4"}).captionNumbers) << "sign accepted";
    EXPECT_EQ((std::vector<int>{2147483647}), Scan({"-T2147483647"}).captionNumbers);
}

TEST(CommandLine, NumberBelowOneOrMissingIsAFormatError) {
    for (const char* bad : {"-T0", "-T", "-Tx", "-T-2", "-T-4", "-Tab", "-T 	", "-T2147483648",
                            "-T99999999999999999999"}) {
        CommandLineScan scan = Scan({bad});
        EXPECT_TRUE(scan.formatError) << bad;
        EXPECT_EQ(std::string("1番目の引数=") + bad + "\nFormat Error -T\n", scan.echo);
    }
}

TEST(CommandLine, FormatErrorStopsTheScan) {
    CommandLineScan scan = Scan({"-T5", "-Tx", "-D586"});
    EXPECT_TRUE(scan.formatError);
    EXPECT_EQ(0, scan.debugMode) << "-D586 after the error is never looked at";
    EXPECT_EQ("1番目の引数=-T5\n2番目の引数=-Tx\nFormat Error -T\n", scan.echo);

    EXPECT_TRUE(Scan({"-T2", "-Tab"}).formatError) << "an earlier valid number does not help";
}

TEST(CommandLine, SeparateNumberIsNotPartOfTheOption) {
    CommandLineScan scan = Scan({"-T", "3"});
    EXPECT_TRUE(scan.formatError);
}

TEST(CommandLine, NumberIsCaseSensitivePrefix) {
    CommandLineScan scan = Scan({"-t3"});
    EXPECT_EQ(0, scan.batchMode);
    EXPECT_FALSE(scan.formatError);
}

TEST(CommandLineAtItsLimits, TenThousandArgumentsAreEchoedAndScannedInOrder) {
    std::vector<std::string> args;
    for (int i = 0; i < 10000; ++i) args.push_back(i % 2 ? "-T" + std::to_string(i) : "word" + std::to_string(i));
    CommandLineScan scan = Scan(args);
    EXPECT_FALSE(scan.formatError);
    ASSERT_EQ(5000u, scan.captionNumbers.size());
    EXPECT_EQ(1, scan.captionNumbers.front());
    EXPECT_EQ(9999, scan.captionNumbers.back());
    const std::string last = "10000番目の引数=-T9999\n";
    ASSERT_GE(scan.echo.size(), last.size());
    EXPECT_EQ(last, scan.echo.substr(scan.echo.size() - last.size()));
    EXPECT_EQ(0u, scan.echo.find("1番目の引数=word0\n2番目の引数=-T1\n"));
}

TEST(CommandLineAtItsLimits, HundredThousandByteArguments) {
    const std::string filler(100000, 'x');
    CommandLineScan scan = Scan({filler, "-D586"});
    EXPECT_EQ(1, scan.debugMode);
    EXPECT_EQ("1番目の引数=" + filler + "\n2番目の引数=-D586\nDEBUGMODE ON\n", scan.echo);

    // Digits beyond any int are no number; leading zeros are still the number after them.
    EXPECT_TRUE(Scan({"-T" + std::string(100000, '9')}).formatError);
    EXPECT_EQ((std::vector<int>{7}), Scan({"-T" + std::string(99998, '0') + "7"}).captionNumbers);
    EXPECT_EQ((std::vector<int>{5}), Scan({"-T5" + filler}).captionNumbers);
    EXPECT_TRUE(Scan({"-T" + std::string(99998, ' ')}).formatError) << "blanks and no digit";
}

TEST(ProgramDirectory, CutAtTheLastBackslash) {
    const struct {
        const wchar_t* program;
        const wchar_t* folder;
    } kCases[] = {
        {L"C:\\Program Files\\Kirunner\\Kirunner.exe", L"C:\\Program Files\\Kirunner"},
        {L"Kirunner.exe", L""},
        // "表示" ends in 0x5C inside its first character in code page 932: no separator.
        {L"C:\\\u8868\u793a\\Kirunner.exe", L"C:\\\u8868\u793a"},
        {L"\u8868\u793aKirunner.exe", L""},
        {L"C:\\Z\u00fcrich-\ud55c\uad6d\\Kirunner.exe", L"C:\\Z\u00fcrich-\ud55c\uad6d"},
        // A drive root keeps its backslash: "E:" would be that drive's current folder.
        {L"E:\\Kirunner.exe", L"E:\\"},
        {L"\\Kirunner.exe", L"\\"},
        {L"E:\\k\\Kirunner.exe", L"E:\\k"},
    };
    for (const auto& c : kCases)
        EXPECT_TRUE(directoryOfProgram(c.program) == c.folder) << fw::CodePage932FromWide(c.program);
}

}  // namespace

namespace {

std::string Describe(const std::vector<CaptionCommand>& commands) {
    std::string text;
    for (const CaptionCommand& c : commands)
        text += std::to_string(c.kind) + ":" + std::to_string(c.number) + ":" +
                std::to_string(c.minutes) + ":" + fw::CodePage932FromWide(c.text) + " ";
    return text;
}

TEST(CommandLine, CommandOptionsKeepTheirOrderAndTextsTakeTheirMinutes) {
    struct Case {
        std::vector<std::string> args;
        std::string commands;
    } cases[] = {
        {{"-S3"}, "1:3:1: "},
        {{"-R12", "-C"}, "2:12:1: 3:0:1: "},
        {{"-Aお知らせ"}, "4:0:1:お知らせ "},
        {{"-M5", "-Ahello world", "-S1"}, "4:0:5:hello world 1:1:1: "},
        {{"-Aa", "-M60000", "-Ab"}, "4:0:60000:a 4:0:60000:b "},
        {{"-I臨時ニュース", "-M3", "-Aa"}, "6:0:3:臨時ニュース 4:0:3:a "},
        {{"-D586", "-x", "-T2"}, ""},
    };
    for (const Case& c : cases) {
        CommandLineScan scan = Scan(c.args);
        EXPECT_FALSE(scan.commandError) << c.commands;
        EXPECT_EQ(c.commands, Describe(scan.commands));
    }
    EXPECT_EQ("1番目の引数=-S3\n2番目の引数=-C\n", Scan({"-S3", "-C"}).echo) << "echoed like any argument";
}

TEST(CommandLine, CommandOptionsWithoutAValidValueAreMalformed) {
    for (const char* bad : {"-S", "-S0", "-Sx", "-S-1", "-R", "-R0", "-Cx", "-C1", "-A", "-I", "-M0",
                            "-M60001", "-Mx", "-S99999999999"}) {
        CommandLineScan scan = Scan({"-S1", bad});
        EXPECT_TRUE(scan.commandError) << bad;
        EXPECT_FALSE(scan.formatError) << bad;
    }
}

// "-A" and "-I" texts come exactly as given; the echo, in code page 932, shows "?" for what it
// cannot hold. (Test macros spell out their arguments in code page 932: texts stay outside.)
TEST(CommandLine, WideTextsOfAnyScriptArriveExactly) {
    std::vector<std::wstring> texts = testing_support::WorldTexts();
    for (const std::wstring& text : testing_support::CodePage932Texts()) texts.push_back(text);
    for (const std::wstring& text : texts) {
        const CommandLineScan scan = scanCommandLine({L"-A" + text, L"-M9", L"-I" + text});
        EXPECT_FALSE(scan.commandError);
        ASSERT_EQ(2u, scan.commands.size());
        EXPECT_EQ(text, scan.commands[0].text);
        EXPECT_EQ(text, scan.commands[1].text);
        const std::string shown = fw::CodePage932FromWide(text);
        EXPECT_EQ("1番目の引数=-A" + shown + "\n2番目の引数=-M9\n3番目の引数=-I" + shown + "\n", scan.echo);
    }
    const CommandLineScan korean = scanCommandLine({L"-A한국어", L"-C한"});
    EXPECT_EQ("1番目の引数=-A???\n2番目の引数=-C?\n", korean.echo);
    EXPECT_TRUE(korean.commandError) << "-C takes nothing after it";
}

}  // namespace

// "-L" (wherever it stands) gives every "-A", "-I", "-C" and "-X" its lane; an item's is its own.
TEST(CommandLine, LaneOptionGivesTextsAndClearsTheirLane) {
    const struct {
        std::vector<std::string> args;
        std::vector<int> lanes;
    } cases[] = {{{"-Aa", "-X", "-S1"}, {0, 0, 0}}, {{"-Ib", "-S1", "-C", "-L4"}, {4, 0, 4}},
                 {{"-L*", "-Ab"}, {CaptionCommand::kEveryLane}}, {{"-L3", "-L1", "-Aa"}, {1}}};
    for (const auto& c : cases) {
        std::vector<int> lanes;
        for (const CaptionCommand& command : Scan(c.args).commands) lanes.push_back(command.lane);
        EXPECT_EQ(c.lanes, lanes) << c.args[0];
    }
    for (const char* bad : {"-L", "-L0", "-L5", "-L02", "-L2x", "-L**"}) EXPECT_TRUE(Scan({"-Aa", bad}).commandError) << bad;
}
