#pragma once
// Counting the GDI objects of this process, to prove that nothing leaks.
namespace testing_support {

// Live GDI objects of this process; -1 when they cannot be counted.
int CountGdiObjects();

}  // namespace testing_support
