#include "surfaces/JsonText.h"

#include <windows.h>

#include "framework/TextCodec.h"

std::string utf8Of(const std::wstring& text) { return fw::Narrow(text, CP_UTF8); }

std::string jsonLine(const Json& document) {
    return document.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
}
