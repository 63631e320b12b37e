#pragma once
// The exact texts of a group of repeated sections bound to the list as this program last wrote
// it.
//
// A version that knows only the code page 932 text rewrites the sections of the items after a
// delete, an insert or a move (MINUTE and STRINGS of ITEM0, ITEM1, ... renumbered) and leaves
// each exact text where it stood. Texts that code page 932 cannot hold often share one stored
// form (안녕하세요 and 감사합니다 both store "?????"), so an exact text would come back beside
// another caption: a deleted one, with the minutes of the one kept. A save that writes an exact
// text therefore also writes, in a section of its own, what such a version rewrites: the number
// of sections and a fingerprint of their values, and for each exact text the digests of the
// values it was written beside and whether they single out its section in the list.
//
// A load takes the exact texts by position while the list is as written or only longer (such a
// version adds at the end). Otherwise an exact text goes to the one section whose values single
// it out in the list as written and in the list as it is now, and to no other: in doubt a
// caption keeps the text the code page 932 version shows. An exact text that no binding names
// (written by a version that writes exact texts but no binding) counts while the code page 932
// text beside it is still its own, as before bindings.
#include <cstdint>
#include <string>
#include <vector>

// What a section holds that a code page 932 version writes, in digests: all its values but the
// exact text (`values`), and the code page 932 text the exact text belongs to (`text`).
struct SectionDigests {
    uint64_t values = 0;
    uint64_t text = 0;
};

// A 64-bit FNV-1a digest of values added one after the other, each kept apart from the next.
class ValueDigest {
public:
    void add(const std::string& value);
    void add(int number) { add(std::to_string(number)); }
    uint64_t value() const { return m_value; }

private:
    uint64_t m_value = 14695981039346656037ull;
};

// "%016x" of a digest.
std::string digestText(uint64_t digest);

// One exact text as a save wrote it: its section's position and the stored value.
struct WrittenExact {
    int position;
    std::string stored;
};

// The keys of the binding section for a save of `sections` (digests in list order): LIST first,
// then for each exact text a key named as its section ("<prefix><position>"). Empty when no
// exact text was written: no binding is needed then.
struct BindingKey {
    std::string key;
    std::string value;
};
std::vector<BindingKey> bindingKeys(const std::vector<SectionDigests>& sections, const std::vector<WrittenExact>& exacts,
                                    const std::string& prefix);

// The binding's key that names the list.
extern const char kBindingListKey[];

// A section as a load found it: its digests, its stored exact text (empty when it has none) and,
// only beside one, its code page 932 text.
struct LoadedSection {
    SectionDigests digests;
    std::string storedExact;
    std::string textBytes;
};

// How many sections the binding's LIST says were written (0 without a usable binding): the load
// reads the stored exact texts of that many sections, also of those beyond its own count.
int boundSectionCount(const std::string& listValue);

// The exact text each loaded section takes (empty: none). `loaded` holds the sections the load
// read; `beyond` the stored exact texts of the sections after them, up to boundSectionCount;
// `listValue` the binding's LIST; `entries[position]` its key for that position's exact text
// (empty when missing).
std::vector<std::wstring> boundExactTexts(const std::vector<LoadedSection>& loaded, const std::vector<std::string>& beyond,
                                          const std::string& listValue, const std::vector<std::string>& entries);

// The exact text `stored` (hex of UTF-8) stands for; empty for a damaged value, and for one that
// is no text code page 932 lacks (only such text is stored so, which is never ASCII alone).
std::wstring exactTextOf(const std::string& stored);
