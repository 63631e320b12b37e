// The window-manager and visual-styles libraries are bound at run time: the program does not
// import them, and loads the window manager's at the first call of one of its functions, from
// the system folder only. The visual-styles library cannot be watched the same way: common
// controls 6, which the program imports, import it themselves, so it is in every process of
// the program from the start.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/Glass.h"
#include "app/OpaCheck.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The libraries named in a loaded module's import table (not its delay-load table).
std::vector<std::string> ImportedLibraries(HMODULE module) {
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    if (!imports.VirtualAddress) return names;
    for (const IMAGE_IMPORT_DESCRIPTOR* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name; ++entry)
        names.push_back(Lower(reinterpret_cast<const char*>(base + entry->Name)));
    return names;
}

std::string ModuleFolder(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder = Lower(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// A file that is not a library, under a library's name beside this program, for as long as
// it lives: where the loader searches first.
class PlantedLibrary {
public:
    explicit PlantedLibrary(const std::string& name)
        : m_path(ModuleFolder(nullptr) + "\\" + name) {
        HANDLE file = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        const char bytes[] = "MZ not a library";
        DWORD written = 0;
        m_planted = WriteFile(file, bytes, sizeof bytes, &written, nullptr) != FALSE;
        CloseHandle(file);
    }
    ~PlantedLibrary() { DeleteFileA(m_path.c_str()); }
    PlantedLibrary(const PlantedLibrary&) = delete;
    PlantedLibrary& operator=(const PlantedLibrary&) = delete;
    bool planted() const { return m_planted; }

private:
    std::string m_path;
    bool m_planted = false;
};

BOOL WINAPI VersionFive(OSVERSIONINFOA* info) {
    info->dwMajorVersion = 5;
    return TRUE;
}

TEST(GlassLibraries, ProgramDoesNotImportThem) {
    COpaCheck linkedIn;  // the glass code is part of this program
    (void)linkedIn;
    std::vector<std::string> imports = ImportedLibraries(GetModuleHandleA(nullptr));
    ASSERT_NE(imports.end(), std::find(imports.begin(), imports.end(), "user32.dll"));
    EXPECT_EQ(imports.end(), std::find(imports.begin(), imports.end(), "dwmapi.dll"));
    EXPECT_EQ(imports.end(), std::find(imports.begin(), imports.end(), "uxtheme.dll"));
}

// One scenario in order: each step depends on what the process has loaded so far.
TEST(GlassLibraries, WindowManagerLoadedAtItsFirstCallFromTheSystemFolder) {
    ASSERT_EQ(nullptr, GetModuleHandleA("dwmapi.dll"));

    GlassSystem older = defaultGlassSystem();
    older.getVersionEx = VersionFive;
    GlassSystem real = setGlassSystem(older);
    BOOL enabled = TRUE;
    const MARGINS margins{9, 8, 30, 5};
    queryComposition(&enabled);
    extendGlass(nullptr, &margins);
    EXPECT_EQ(nullptr, GetModuleHandleA("dwmapi.dll")) << "an older system never loads it";
    setGlassSystem(real);

    PlantedLibrary fake("dwmapi.dll");
    ASSERT_TRUE(fake.planted());
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);

    EXPECT_EQ(S_OK, queryComposition(&enabled));
    HMODULE dwm = GetModuleHandleA("dwmapi.dll");
    ASSERT_NE(nullptr, dwm);
    EXPECT_EQ(Lower(system), ModuleFolder(dwm));
}

}  // namespace
