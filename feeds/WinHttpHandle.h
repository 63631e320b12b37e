#pragma once
// The owner of a WinHTTP handle (session, connection or request).
#include <windows.h>
#include <winhttp.h>

#include "framework/UniqueHandle.h"

struct WinHttpHandleTraits : fw::NullIsNone<HINTERNET> {
    static void close(HINTERNET handle) { WinHttpCloseHandle(handle); }
};

using WinHttpHandle = fw::UniqueHandle<WinHttpHandleTraits>;
