#include "GdiCount.h"

#include <windows.h>

#include <cstdint>

namespace testing_support {

// Live GDI objects of this process. Wine does not implement GetGuiResources; there the
// count comes from its GDI handle table (PEB offset 0x94, or 0xF8 in a 64-bit process; 24-byte
// entries, type 0 = free),
// after a brush has shown that the table has that layout. -1 when neither works.
int CountGdiObjects() {
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return static_cast<int>(count);
#pragma pack(push, 1)
    struct Entry { uint64_t object; uint32_t owner; uint16_t unique; uint8_t type, flags; uint64_t user; };
#pragma pack(pop)
    struct { LONG status; const char* peb; ULONG_PTR rest[4]; } info{};
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (!query || query(GetCurrentProcess(), 0, &info, sizeof info, nullptr) != 0) return -1;
    const size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const Entry* table = *reinterpret_cast<const Entry* const*>(info.peb + tableOffset);
    if (!table) return -1;
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const uintptr_t handle = reinterpret_cast<uintptr_t>(probe);
    const volatile Entry& entry = table[handle & 0xFFFF];
    const bool live = entry.type != 0 && entry.unique == (handle >> 16);
    DeleteObject(probe);
    if (!live || entry.type != 0) return -1;
    int n = 0;
    for (int i = 0; i < 0x10000; ++i) n += table[i].type != 0;
    return n;
}

int CountHandles() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return static_cast<int>(count);
    int open = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        open += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    }
    return open;
}

size_t PrivateBytes() {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    const char* address = nullptr;
    while (VirtualQuery(address, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

}  // namespace testing_support
