// The cost of a feed text's clean-up (tags, references, blanks) by the text's make-up: 2 MB of
// "&", of "<a", and of ordinary marked-up text; milliseconds for the whole text.
#include <cstdio>
#include <string>

#include "BenchClock.h"
#include "feeds/PlainText.h"

namespace {
std::wstring repeated(const std::wstring& piece, size_t length) {
    std::wstring text;
    text.reserve(length + piece.size());
    while (text.size() < length) text += piece;
    text.resize(length);
    return text;
}
}  // namespace

int main() {
    const size_t kLength = 2000000;
    const struct {
        const char* name;
        std::wstring text;
    } kTexts[] = {
        {"2,000,000 \"&\"", repeated(L"&", kLength)},
        {"1,000,000 \"<a\"", repeated(L"<a", kLength)},
        {"marked-up text", repeated(L"<p>株価 &amp; 為替 &#12354; <b>上昇</b>&nbsp;した</p>\r\n", kLength)},
    };
    for (const auto& t : kTexts) {
        size_t kept = 0;
        const double micros = bench::MedianMicros(5, 1, [&] { kept = plainTextOf(t.text).size(); });
        std::printf("%-18s %8.1f ms  (%zu characters kept)\n", t.name, micros / 1000.0, kept);
    }
    return 0;
}
