#pragma once
// Tests written against code page 932 bytes read the program's UTF-16 texts through these.
#include <string>

#include "framework/Mbcs.h"
#include "framework/WideText.h"

inline std::string Cp932(const std::wstring& text) { return fw::CodePage932FromWide(text); }
inline std::wstring Wide932(const std::string& bytes) { return fw::WideFromCodePage932(bytes); }
