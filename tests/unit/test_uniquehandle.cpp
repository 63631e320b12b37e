// The owning template, with a handle type of its own whose closes are counted.
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
    std::vector<int> (*run)();  // gives what was closed while its owners still lived
    std::vector<int> whileHeld, inAll;
};
const Case kCases[] = {
    {"an empty owner", [] { Counted a; a.reset(); return closed; }, {}, {}},
    {"the end of the owner", [] { Counted a(1); return closed; }, {}, {1}},
    {"reset to another", [] { Counted a(1); a.reset(2); return closed; }, {1}, {1, 2}},
    {"reset to the same", [] { Counted a(1); a.reset(1); return closed; }, {}, {1}},
    {"release", [] { Counted a(1); EXPECT_EQ(1, a.release()); EXPECT_FALSE(a); return closed; }, {}, {}},
    {"move", [] { Counted a(1); Counted b(std::move(a)); EXPECT_FALSE(a); return closed; }, {}, {1}},
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

TEST(UniqueHandle, KernelOwnersCloseAndFileOwnersHoldNothingAtInvalidHandleValue) {
    EXPECT_FALSE(fw::FileHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(fw::FindHandle());
    fw::KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    const HANDLE raw = event.get();
    ASSERT_TRUE(event);
    event.reset();
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(raw, &flags)) << "the event is closed";
}
