#pragma once
// Functions of system libraries that older Windows versions lack, bound at run time.
#include <windows.h>

namespace fw {

// Loads a library of the system by its full path in the system folder: loaded by its bare
// name, a file of that name beside the program would be taken first. Null when it is missing.
HMODULE LoadSystemLibrary(const char* name);

// The named function of `module` as a `Function` pointer; null when either is missing.
template <class Function>
Function BindFunction(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace fw
