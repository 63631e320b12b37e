#include "app/CommandLine.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "framework/Mbcs.h"
#include "framework/Text.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"

namespace {
const char kDebugOption[] = "-D586";
const char kBatchPrefix[] = "-T";

// A number of at least `low` and at most `high` after the option's two letters.
bool scanBounded(const std::string& argument, int low, int high, int& value) {
    return scanDecimal(argument.c_str() + 2, value) && value >= low && value <= high;
}

// Reads a command option into `scan`; other arguments change nothing. `argument` is the
// argument in code page 932, `wide` the argument as it was given.
void scanCommandOption(const std::string& argument, const std::wstring& wide, int& minutes, int& lane,
                       CommandLineScan& scan) {
    CaptionCommand command;
    int value = 0;
    if (fw::StartsWith(argument, "-S") || fw::StartsWith(argument, "-R")) {
        command.kind = argument[1] == 'S' ? CaptionCommand::kShowItem : CaptionCommand::kHideItem;
        if (!scanBounded(argument, 1, INT_MAX, value)) scan.commandError = true;
        command.number = value;
    } else if (fw::StartsWith(argument, "-C") || fw::StartsWith(argument, "-X")) {
        command.kind = argument[1] == 'C' ? CaptionCommand::kClearAll : CaptionCommand::kClearNow;
        if (argument.size() != 2) scan.commandError = true;
    } else if (fw::StartsWith(argument, "-A") || fw::StartsWith(argument, "-I")) {
        command.kind = argument[1] == 'A' ? CaptionCommand::kShowText : CaptionCommand::kCutIn;
        command.text = wide.substr(2);
        if (command.text.empty()) scan.commandError = true;
    } else if (fw::StartsWith(argument, "-M")) {
        if (!scanBounded(argument, kMinMinutes, kMaxMinutes, minutes)) scan.commandError = true;
        return;
    } else if (fw::StartsWith(argument, "-L")) {
        // One digit or "*", nothing else: "-L2x" or "-L02" is a typing error, not lane 2.
        const bool every = argument == "-L*";
        const bool digit = argument.size() == 3 && argument[2] >= '1' && argument[2] <= '0' + kMaxLanes;
        if (!every && !digit) scan.commandError = true;
        lane = every ? CaptionCommand::kEveryLane : digit ? argument[2] - '0' : CaptionCommand::kLaneUnnamed;
        return;
    } else {
        return;
    }
    scan.commands.push_back(command);
}

bool isScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

bool scanDecimal(const char* text, int& value) {
    const char* p = text;
    while (isScanBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

CommandLineScan scanCommandLine(const std::vector<std::wstring>& arguments) {
    CommandLineScan scan;
    int textMinutes = 1;
    int lane = CaptionCommand::kLaneUnnamed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        // Only the texts of "-A" and "-I" need more than code page 932; the echo is in it.
        const std::string argument = fw::CodePage932FromWide(arguments[i]);
        char label[64];
        std::snprintf(label, sizeof label, "%d番目の引数", static_cast<int>(i + 1));
        scan.echo += std::string(label) + "=" + argument + "\n";

        if (argument == kDebugOption) {
            scan.debugMode = 1;
            scan.echo += "DEBUGMODE ON\n";
        }
        if (fw::StartsWith(argument, kBatchPrefix)) {
            scan.batchMode = 1;
            int number = -1;
            if (!scanDecimal(argument.c_str() + 2, number)) number = -1;
            if (number < 1) {
                scan.echo += "Format Error -T\n";
                scan.formatError = true;
                return scan;
            }
            scan.captionNumbers.push_back(number);
        }
        scanCommandOption(argument, arguments[i], textMinutes, lane, scan);
    }
    for (CaptionCommand& command : scan.commands) {
        const bool text = command.kind == CaptionCommand::kShowText || command.kind == CaptionCommand::kCutIn;
        if (text) command.minutes = textMinutes;
        // An item's lane is its own; the other commands take the call's "-L".
        if (text || command.kind == CaptionCommand::kClearAll || command.kind == CaptionCommand::kClearNow)
            command.lane = lane;
    }
    return scan;
}

std::wstring directoryOfProgram(const std::wstring& programPath) {
    size_t separator = programPath.find_last_of(L'\\');
    if (separator == std::wstring::npos) return std::wstring();
    // "E:" or "" alone would name the current folder of a drive, not its root.
    const bool root = separator == 0 || (separator == 2 && programPath[1] == L':');
    return programPath.substr(0, root ? separator + 1 : separator);
}
