#include "app/VersionString.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

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

    char path[MAX_PATH + 1] = {};
    if (!GetModuleFileNameA(nullptr, path, MAX_PATH)) return g_version;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return g_version;

    std::vector<char> block;
    try {
        block.resize(static_cast<size_t>(size) + 1);
    } catch (...) {
        return g_version;
    }
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return g_version;

    Translation* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        !translation || length < sizeof(Translation))
        return g_version;

    char key[16];
    std::snprintf(key, sizeof key, "%04x%04x", translation->language, translation->codePage);
    char subBlock[64];
    std::snprintf(subBlock, sizeof subBlock, "\\StringFileInfo\\%s\\%s", key, "ProductVersion");

    const char* product = nullptr;
    UINT productLength = 0;
    if (!VerQueryValueA(block.data(), subBlock, reinterpret_cast<void**>(const_cast<char**>(&product)),
                        &productLength) || !product)
        product = "";
    std::snprintf(g_version, sizeof g_version, "Ver.:%s", product);
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
