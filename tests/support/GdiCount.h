#pragma once
// Counting what this process holds (GDI objects, handles, private memory), to prove that
// nothing leaks.
#include <cstddef>

namespace testing_support {

// Live GDI objects of this process; -1 when they cannot be counted.
int CountGdiObjects();
// Open handles of this process: the system's count where it keeps one (Wine 8 does not),
// otherwise every handle value that names an object.
int CountHandles();
// Committed private memory of this process, in bytes, region by region (Wine 8 fills no
// PrivateUsage).
size_t PrivateBytes();

}  // namespace testing_support
