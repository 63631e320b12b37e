// The owning template with a handle type of its own whose closes are counted.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/UniqueHandle.h"

namespace {
std::vector<int> closed;

struct CountedTraits {
    using Handle = int;
    static Handle none() { return 0; }
    static void close(Handle h) { closed.push_back(h); }
};
using Counted = fw::UniqueHandle<CountedTraits>;

struct Case {
    const char* name;
    std::vector<int> (*run)();  // what was closed while the owners still lived
    std::vector<int> whileHeld;
    std::vector<int> inAll;
};

const Case kCases[] = {
    {"an empty owner closes nothing", [] { Counted a; a.reset(); return closed; }, {}, {}},
    {"the end of the owner", [] { Counted a(1); return closed; }, {}, {1}},
    {"reset to another", [] { Counted a(1); a.reset(2); return closed; }, {1}, {1, 2}},
    {"reset to the same", [] { Counted a(1); a.reset(1); return closed; }, {}, {1}},
    {"reset to none", [] { Counted a(1); a.reset(); EXPECT_FALSE(a); return closed; }, {1}, {1}},
    {"release", [] { Counted a(1); EXPECT_EQ(1, a.release()); EXPECT_FALSE(a); return closed; }, {}, {}},
    {"move construction",
     [] { Counted a(1); Counted b(std::move(a)); EXPECT_FALSE(a); EXPECT_EQ(1, b.get()); return closed; }, {}, {1}},
    {"move over a held one", [] { Counted a(1), b(2); b = std::move(a); return closed; }, {2}, {2, 1}},
    {"move onto itself", [] { Counted a(1); Counted& same = a; a = std::move(same); return closed; }, {}, {1}},
};
}  // namespace

TEST(UniqueHandle, EveryHandleIsClosedExactlyOnce) {
    for (const Case& c : kCases) {
        closed.clear();
        EXPECT_EQ(c.whileHeld, c.run()) << c.name;
        EXPECT_EQ(c.inAll, closed) << c.name;
    }
}

TEST(UniqueHandle, FileAndFindHandlesOwnNothingAtInvalidHandleValue) {
    EXPECT_FALSE(fw::FileHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(fw::FindHandle());
    EXPECT_EQ(INVALID_HANDLE_VALUE, fw::FileHandle().get());
    EXPECT_EQ(nullptr, fw::KernelHandle().get());
    fw::KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    const HANDLE raw = event.get();
    event.reset();
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(raw, &flags)) << "the event is closed";
}
