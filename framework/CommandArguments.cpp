#include "framework/CommandArguments.h"

#include <stdlib.h>

#include "framework/WideText.h"

extern "C" {
// The C runtime's own splitting of GetCommandLineW(), the wide twin of the __getmainargs the
// start-up code calls for __argv; it takes the same wildcard switch.
struct WideStartInfo {
    int newMode;
};
int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int expandWildcards, WideStartInfo* info);
extern int _dowildcard;
}

namespace fw {

std::vector<std::wstring> CommandArguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    wchar_t** wide = nullptr;
    wchar_t** environment = nullptr;
    WideStartInfo info{0};
    if (__wgetmainargs(&count, &wide, &environment, _dowildcard, &info) == 0 && wide) {
        for (int i = 1; i < count; ++i) arguments.emplace_back(wide[i] ? wide[i] : L"");
        return arguments;
    }
    // Without the wide split the narrow one still gives every argument, in code page 932.
    for (int i = 1; i < __argc; ++i) arguments.push_back(WideFromCodePage932(__argv[i] ? __argv[i] : ""));
    return arguments;
}

}  // namespace fw
