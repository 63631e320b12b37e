#pragma once
// The arguments the program was started with, after its own path, in UTF-16: split by the C
// runtime exactly as it splits them for the narrow __argv (quotes and backslashes alike), but
// with every character kept, where __argv holds only what the ANSI code page can.
#include <string>
#include <vector>

namespace fw {

std::vector<std::wstring> CommandArguments();

}  // namespace fw
