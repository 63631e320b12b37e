#include "framework/Text.h"

#include <cstring>

namespace fw {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string WithoutLineBreaks(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') line += c;
    return line;
}

}  // namespace fw
