#include "app/CommandLine.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "framework/Mbcs.h"

namespace {
const char kDebugOption[] = "-D586";
const char kBatchPrefix[] = "-T";

bool IsScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

bool ScanDecimal(const char* text, int& value) {
    const char* p = text;
    while (IsScanBlank(*p)) ++p;
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

CommandLineScan ScanCommandLine(const std::vector<std::string>& arguments) {
    CommandLineScan scan;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        char label[64];
        std::snprintf(label, sizeof label, "%d番目の引数", static_cast<int>(i + 1));
        scan.echo += std::string(label) + "=" + argument + "\n";

        if (argument == kDebugOption) {
            scan.debugMode = 1;
            scan.echo += "DEBUGMODE ON\n";
        }
        if (argument.compare(0, 2, kBatchPrefix) == 0) {
            scan.batchMode = 1;
            int number = -1;
            if (!ScanDecimal(argument.c_str() + 2, number)) number = -1;
            if (number < 1) {
                scan.echo += "Format Error -T\n";
                scan.formatError = true;
                return scan;
            }
            scan.captionNumbers.push_back(number);
        }
    }
    return scan;
}

std::string DirectoryOfProgram(const std::string& programPath) {
    size_t separator = fw::FindLastChar(programPath, '\\');
    if (separator == std::string::npos) return std::string();
    // "E:" or "" alone would name the current folder of a drive, not its root.
    const bool root = separator == 0 || (separator == 2 && programPath[1] == ':');
    return programPath.substr(0, root ? separator + 1 : separator);
}
