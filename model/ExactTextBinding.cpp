#include "model/ExactTextBinding.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/HexCodec.h"

const char kBindingListKey[] = "LIST";

namespace {
const uint64_t kFnvPrime = 1099511628211ull;
const char kTextSingles[] = "T";    // its code page 932 text stands in no other section
const char kValuesSingle[] = "V";   // its values stand in no other section
const char kNeither[] = "-";

// The list as written: how many sections and the digest of all their values in order.
std::string fingerprint(const std::vector<SectionDigests>& sections, size_t count) {
    ValueDigest digest;
    digest.add(static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) digest.add(digestText(sections[i].values));
    return std::to_string(count) + "," + digestText(digest.value());
}

// What ties an exact text's entry to the list it was written in and to the text itself.
std::string entryCheck(const std::string& list, int position, const std::string& head, const std::string& stored) {
    ValueDigest digest;
    digest.add(list);
    digest.add(position);
    digest.add(head);
    digest.add(stored);
    return digestText(digest.value());
}

bool parseDigest(const std::string& text, uint64_t& digest) {
    if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
    digest = std::strtoull(text.c_str(), nullptr, 16);
    return true;
}

// An entry "<values>,<text>,<flags>,<check>" of the exact text `stored` at `position`.
struct Entry {
    SectionDigests digests;
    bool textSingles = false;
    bool valuesSingle = false;
};
bool parseEntry(const std::string& value, const std::string& list, int position, const std::string& stored, Entry& entry) {
    const size_t checkAt = value.rfind(',');
    if (checkAt == std::string::npos) return false;
    const std::string head = value.substr(0, checkAt);
    if (value.substr(checkAt + 1) != entryCheck(list, position, head, stored)) return false;
    if (head.size() < 35 || head[16] != ',' || head[33] != ',') return false;
    const std::string flags = head.substr(34);
    entry.textSingles = flags.find(kTextSingles[0]) != std::string::npos;
    entry.valuesSingle = flags.find(kValuesSingle[0]) != std::string::npos;
    return parseDigest(head.substr(0, 16), entry.digests.values) && parseDigest(head.substr(17, 16), entry.digests.text);
}

// The one loaded section whose digest is `wanted`, or -1 when none or more than one is.
class Singles {
public:
    explicit Singles(const std::vector<uint64_t>& digests) {
        for (size_t i = 0; i < digests.size(); ++i) {
            auto placed = m_positions.emplace(digests[i], static_cast<int>(i));
            if (!placed.second) placed.first->second = -1;
        }
    }
    int find(uint64_t wanted) const {
        auto found = m_positions.find(wanted);
        return found == m_positions.end() ? -1 : found->second;
    }

private:
    std::unordered_map<uint64_t, int> m_positions;
};
}  // namespace

void ValueDigest::add(const std::string& value) {
    // Length first, so that no two sequences of values run together into one.
    const std::string length = std::to_string(value.size()) + ":";
    for (const std::string* part : {&length, &value})
        for (unsigned char c : *part) m_value = (m_value ^ c) * kFnvPrime;
}

std::string digestText(uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

std::vector<BindingKey> bindingKeys(const std::vector<SectionDigests>& sections, const std::vector<WrittenExact>& exacts,
                                    const std::string& prefix) {
    std::vector<BindingKey> keys;
    if (exacts.empty()) return keys;
    const std::string list = fingerprint(sections, sections.size());
    keys.push_back({kBindingListKey, list});
    std::unordered_map<uint64_t, int> texts, values;
    for (const SectionDigests& s : sections) {
        ++texts[s.text];
        ++values[s.values];
    }
    for (const WrittenExact& exact : exacts) {
        const SectionDigests& s = sections[static_cast<size_t>(exact.position)];
        std::string flags = texts[s.text] == 1 ? kTextSingles : "";
        if (values[s.values] == 1) flags += kValuesSingle;
        if (flags.empty()) flags = kNeither;
        const std::string head = digestText(s.values) + "," + digestText(s.text) + "," + flags;
        keys.push_back({prefix + std::to_string(exact.position),
                        head + "," + entryCheck(list, exact.position, head, exact.stored)});
    }
    return keys;
}

int boundSectionCount(const std::string& listValue) {
    const size_t comma = listValue.find(',');
    uint64_t digest = 0;
    if (comma == 0 || comma == std::string::npos || comma > 9 || !parseDigest(listValue.substr(comma + 1), digest) ||
        listValue.find_first_not_of("0123456789") != comma)
        return 0;
    return std::atoi(listValue.substr(0, comma).c_str());
}

std::wstring exactTextOf(const std::string& stored) {
    bool odd = false;
    std::string utf8 = decodeHex(stored, &odd);
    utf8.resize(std::min(utf8.size(), utf8.find('\0')));
    if (odd || !fw::IsUtf8WithMultiByte(utf8, false)) return std::wstring();
    return fw::Widen(utf8, CP_UTF8);
}

std::vector<std::wstring> boundExactTexts(const std::vector<LoadedSection>& loaded, const std::vector<std::string>& beyond,
                                          const std::string& listValue, const std::vector<std::string>& entries) {
    const size_t count = loaded.size();
    const size_t bound = std::min(static_cast<size_t>(boundSectionCount(listValue)), count + beyond.size());
    std::vector<std::wstring> texts(count);
    std::vector<bool> unbound(count, false);
    struct Written {
        size_t position;
        std::string stored;
        Entry entry;
    };
    std::vector<Written> written;
    for (size_t i = 0; i < std::max(count, bound); ++i) {
        const std::string& stored = i < count ? loaded[i].storedExact : i - count < beyond.size() ? beyond[i - count] : "";
        if (stored.empty()) continue;
        Entry entry;
        if (i < bound && i < entries.size() && parseEntry(entries[i], listValue, static_cast<int>(i), stored, entry)) {
            written.push_back({i, stored, entry});
        } else if (i < count) {
            // Written by a version that binds no exact text, after the binding: it counts while
            // the code page 932 text beside it is its own.
            const std::wstring exact = exactTextOf(stored);
            if (fw::CodePage932FromWide(exact) == loaded[i].textBytes) texts[i] = exact;
            unbound[i] = true;
        }
    }
    // An exact text placed by the binding counts where the code page 932 text is its own.
    auto take = [&](const Written& w, int position) {
        if (position < 0 || unbound[static_cast<size_t>(position)]) return;
        const std::wstring exact = exactTextOf(w.stored);
        ValueDigest text;
        text.add(fw::CodePage932FromWide(exact));
        if (!exact.empty() && text.value() == loaded[static_cast<size_t>(position)].digests.text)
            texts[static_cast<size_t>(position)] = exact;
    };
    std::vector<SectionDigests> asLoaded;
    for (const LoadedSection& section : loaded) asLoaded.push_back(section.digests);
    if (count >= bound && bound > 0 && fingerprint(asLoaded, bound) == listValue) {
        // As written, or only longer: every exact text in its own section.
        for (const Written& w : written) take(w, static_cast<int>(w.position));
        return texts;
    }
    // Changed otherwise: an exact text goes to the one section its values single out.
    std::vector<uint64_t> textDigests, valueDigests;
    for (const SectionDigests& d : asLoaded) {
        textDigests.push_back(d.text);
        valueDigests.push_back(d.values);
    }
    const Singles byText(textDigests), byValues(valueDigests);
    for (const Written& w : written) {
        int position = w.entry.textSingles ? byText.find(w.entry.digests.text) : -1;
        if (position < 0 && w.entry.valuesSingle) position = byValues.find(w.entry.digests.values);
        take(w, position);
    }
    return texts;
}
