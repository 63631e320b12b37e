#pragma once
// One move-only owner per release function. A traits type names the handle type, the value that
// owns nothing (null, or INVALID_HANDLE_VALUE for what CreateFile and FindFirstFile give) and
// the function that releases a handle; the owner releases what it holds exactly once.
#include <windows.h>

#include <utility>

namespace fw {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    // Releases the handle held (unless it is `h` itself) and takes `h`.
    void reset(Handle h = Traits::none()) {
        if (m_h != Traits::none() && m_h != h) Traits::close(m_h);
        m_h = h;
    }
    // Gives the handle up without releasing it.
    Handle release() { return std::exchange(m_h, Traits::none()); }
    Handle get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::none(); }

private:
    Handle m_h = Traits::none();
};

// The value that owns nothing, for traits to inherit.
template <class H>
struct NullIsNone {
    using Handle = H;
    static Handle none() { return nullptr; }
};

struct InvalidIsNone {
    using Handle = HANDLE;
    static Handle none() { return INVALID_HANDLE_VALUE; }
};

struct KernelHandleTraits : NullIsNone<HANDLE> {
    static void close(Handle h) { CloseHandle(h); }
};

struct FileHandleTraits : InvalidIsNone {
    static void close(Handle h) { CloseHandle(h); }
};

struct FindHandleTraits : InvalidIsNone {
    static void close(Handle h) { FindClose(h); }
};

// A mutex this thread has waited for: released, then closed.
struct HeldMutexTraits : NullIsNone<HANDLE> {
    static void close(Handle h) {
        ReleaseMutex(h);
        CloseHandle(h);
    }
};

struct MenuTraits : NullIsNone<HMENU> {
    static void close(Handle h) { DestroyMenu(h); }
};

// Events, threads, processes and mutexes: null when there is none.
using KernelHandle = UniqueHandle<KernelHandleTraits>;
// What CreateFile opens.
using FileHandle = UniqueHandle<FileHandleTraits>;
// A search of FindFirstFile.
using FindHandle = UniqueHandle<FindHandleTraits>;
using HeldMutex = UniqueHandle<HeldMutexTraits>;
// A menu made by the program and not given to a window.
using Menu = UniqueHandle<MenuTraits>;

}  // namespace fw
