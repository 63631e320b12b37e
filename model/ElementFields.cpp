#include "model/ElementFields.h"

#include <windows.h>

#include "framework/Mbcs.h"
#include "framework/WideText.h"

namespace element_fields {

std::wstring wideFromCodePage932(const std::string& bytes) {
    // A byte gives at most one UTF-16 unit: the text of a caption fits the room at once.
    const size_t kRoom = 4096;
    if (bytes.empty() || bytes.size() > kRoom) return fw::WideFromCodePage932(bytes);
    wchar_t room[kRoom];
    const int length =
        MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), room, static_cast<int>(kRoom));
    return length > 0 ? std::wstring(room, static_cast<size_t>(length)) : fw::WideFromCodePage932(bytes);
}

std::string codePage932FromWide(const std::wstring& text) { return fw::CodePage932FromWide(text); }

}  // namespace element_fields
