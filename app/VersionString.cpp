#include "app/VersionString.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/Mbcs.h"

namespace {
char g_version[256];
int g_versionComputed = 0;

struct Translation {
    WORD language;
    WORD codePage;
};
}  // namespace

const char* versionString() {
    if (g_versionComputed == 1) return g_version;
    std::memset(g_version, 0, sizeof g_version);

    const std::wstring path = fw::ProgramFilePath();
    DWORD handle = 0;
    DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return g_version;

    std::vector<char> block;
    try {
        block.resize(static_cast<size_t>(size) + 1);
    } catch (...) {
        return g_version;
    }
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return g_version;

    Translation* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        !translation || length < sizeof(Translation))
        return g_version;

    wchar_t subBlock[64];
    std::swprintf(subBlock, sizeof subBlock / sizeof subBlock[0], L"\\StringFileInfo\\%04x%04x\\ProductVersion",
                  translation->language, translation->codePage);

    const wchar_t* productText = nullptr;
    UINT productLength = 0;
    std::string product;
    if (VerQueryValueW(block.data(), subBlock, reinterpret_cast<void**>(const_cast<wchar_t**>(&productText)),
                       &productLength) && productText)
        product = fw::CodePage932FromWide(std::wstring(productText, productLength).c_str());  // up to its NUL
    std::snprintf(g_version, sizeof g_version, "Ver.:%s", product.c_str());
    g_versionComputed = 1;
    return g_version;
}

std::string aboutVersionLine(const std::string& version) {
    std::string text = version;
    for (char& c : text)
        if (c == ',') c = '-';
    for (char& c : text)
        if (c == ';') c = '.';
    return "Kirunner " + text;
}
