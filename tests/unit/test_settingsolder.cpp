// A version that knows only the code page 932 texts works on a list this version wrote: it
// deletes, adds, moves or changes captions and writes ITEM0, ITEM1, ... anew, leaving each exact
// text where it stood. The exact texts come back only with the captions they belong to; where
// that cannot be told, a caption shows what the older version showed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Cp932.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"

using namespace testing_support;

namespace {

// Two captions of one length that code page 932 cannot hold: both are stored as "?????".
const std::wstring kHello = L"안녕하세요";
const std::wstring kThanks = L"감사합니다";
const std::wstring kNews = L"뉴스";  // stored as "??", as the code page 932 caption "??" is

// What the older version shows of a caption.
std::wstring Older(const std::wstring& text) { return Wide932(Cp932(text)); }

using Items = std::vector<CKirunData>;

CaptionList ListOf(const Items& items) {
    CaptionList list;
    for (const CKirunData& item : items) list.append(item);
    return list;
}

// The older version's list after its work: each caption one of the list it loaded (`from`, a
// position) or one it added or changed (`from` -1).
struct Pick {
    int from;
    CKirunData item;
};
using Picks = std::vector<Pick>;

// Writes `written` as this version does, lets the older version load it, make `picks` of it and
// save it, and loads the file again as this version does.
CaptionList AfterOlderVersion(const Items& written, const Picks& picks) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    Settings ours;
    ours.captions = ListOf(written);
    EXPECT_TRUE(SaveWithWriter(path, ours));
    Settings older;
    oracle::LoadSettingsAsCodePage932Version(path, older);
    CaptionList changed;
    for (const Pick& pick : picks) changed.append(pick.from < 0 ? pick.item : older.captions.at(pick.from));
    older.captions = changed;
    EXPECT_TRUE(oracle::WriteSettingsAsCodePage932Version(path, older));
    return LoadWithReader(path).captions;
}

TEST(SettingsOlderVersion, ChangedListsBringNoCaptionBackThatIsGone) {
    const CKirunData hello(kHello, 1), thanks(kThanks, 2), thanksAlike(kThanks, 1), plain(L"Hello", 3);
    const CKirunData added(L"new", 4), none;
    const struct {
        const char* what;
        Items written;
        Picks picks;
        Items loaded;
    } cases[] = {
        {"first deleted", {hello, thanks}, {{1, none}}, {thanks}},
        {"first deleted, equal minutes: which one went cannot be told", {hello, thanksAlike}, {{1, none}},
         {CKirunData(Older(kThanks), 1)}},
        {"middle deleted", {hello, thanks, plain}, {{0, none}, {2, none}}, {hello, plain}},
        {"added at the end", {hello, thanksAlike, plain}, {{0, none}, {1, none}, {2, none}, {-1, added}},
         {hello, thanksAlike, plain, added}},
        {"added in front", {hello, thanks}, {{-1, plain}, {0, none}, {1, none}}, {plain, hello, thanks}},
        {"moved", {hello, thanks, plain}, {{2, none}, {1, none}, {0, none}}, {plain, thanks, hello}},
        {"first changed", {hello, thanks}, {{-1, plain}, {1, none}}, {plain, thanks}},
        {"a code page 932 caption of the same form is kept", {CKirunData(kNews, 1), CKirunData(L"??", 1)},
         {{1, none}}, {CKirunData(L"??", 1)}},
        {"nothing changed", {hello, thanksAlike, plain}, {{0, none}, {1, none}, {2, none}}, {hello, thanksAlike, plain}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CaptionList loaded = AfterOlderVersion(c.written, c.picks);
        ASSERT_EQ(static_cast<int>(c.loaded.size()), loaded.count());
        for (int i = 0; i < loaded.count(); ++i) {
            EXPECT_TRUE(c.loaded[static_cast<size_t>(i)].m_text == loaded.at(i).m_text) << "item " << i;
            EXPECT_EQ(c.loaded[static_cast<size_t>(i)].m_minutes, loaded.at(i).m_minutes) << "item " << i;
        }
    }
}

// The binding is stored as the platform's profile writer stores the same keys, and a list whose
// captions code page 932 holds stores none (its file is the file of earlier versions).
TEST(SettingsOlderVersion, BindingIsWrittenAsThePlatformWritesIt) {
    const std::vector<CaptionList> saves = {
        ListOf({CKirunData(kHello, 1), CKirunData(kThanks, 1), CKirunData(L"東京", 2), CKirunData(kNews, 9)}),
        ListOf({CKirunData(kThanks, 1), CKirunData(L"東京", 2)}),
        ListOf({CKirunData(L"東京", 2)}),
    };
    TempDir dir;
    const std::string own = dir.file("own.ini"), platform = dir.file("platform.ini");
    for (size_t step = 0; step < saves.size(); ++step) {
        Settings s;
        s.captions = saves[step];
        ASSERT_TRUE(SaveWithWriter(own, s));
        ASSERT_TRUE(oracle::WriteSettings(platform, s));
        EXPECT_EQ(ReadFileBytes(platform), ReadFileBytes(own)) << "save " << step;
        EXPECT_EQ(step < 2, ReadFileBytes(own).find("[UTEXTS]") != std::string::npos) << "save " << step;
    }
}

// A binding that was damaged by hand counts for nothing: each exact text then counts while the
// code page 932 text beside it is its own, as in files without a binding.
TEST(SettingsOlderVersion, DamagedBindingLeavesTheTextsBesideTheirCodePage932Form) {
    const struct {
        const char* key;
        const char* value;
    } damages[] = {{"LIST", "x"}, {"LIST", "999999999,0000000000000000"}, {"LIST", "2"}, {"ITEM0", "1,2,3"},
                   {"ITEM1", "0000000000000000,0000000000000000,T,0000000000000000"}};
    for (const auto& d : damages) {
        SCOPED_TRACE(std::string(d.key) + "=" + d.value);
        TempDir dir;
        const std::string path = dir.file("Kirunner.ini");
        Settings s;
        s.captions = ListOf({CKirunData(kHello, 1), CKirunData(kThanks, 1)});
        ASSERT_TRUE(SaveWithWriter(path, s));
        ASSERT_TRUE(WritePrivateProfileStringA("UTEXTS", d.key, d.value, path.c_str()));
        ExpectSameSettings(s, LoadWithReader(path), "damaged binding");
    }
}

}  // namespace
