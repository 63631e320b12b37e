#pragma once
// Caption texts of the benchmarks, in code page 932.
#include <string>

namespace bench {

// The first `bytes` bytes of a Japanese sentence repeated as often as needed. All its
// characters take two bytes, so an even count cuts none in half.
inline std::string CaptionBytes(size_t bytes) {
    static const char kSentence[] = "本日は晴天なり、ただいまマイクの試験中です。";
    const std::string sentence = kSentence;
    std::string text;
    while (text.size() < bytes) text += sentence;
    text.resize(bytes & ~static_cast<size_t>(1));
    return text;
}

}  // namespace bench
