#include "framework/Window.h"

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>
#include <tuple>

#include "framework/App.h"
#include "framework/TextCodec.h"

namespace fw {
namespace {
constexpr UINT_PTR kSubclassId = 1;

// The program's own names and titles are in the ANSI code page; its windows are Unicode
// windows, so that typed and pasted text reaches them whole.
std::wstring wide(const char* text) { return text ? Widen(text, CP_ACP) : std::wstring(); }
}

Window::~Window() {
    if (m_subclassed) UnsubclassWindow();
}

const char* Window::RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background,
                                        HICON icon) {
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Key, std::string> registered;
    Key key(classStyle, cursor, background, icon);
    auto found = registered.find(key);
    if (found != registered.end()) return found->second.c_str();

    char name[96];
    std::snprintf(name, sizeof name, "KirunnerWnd:%x:%p:%p:%p", classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background),
                  static_cast<void*>(icon));
    const std::wstring wideName = wide(name);
    WNDCLASSW wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = Instance();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = wideName.c_str();
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return registered.emplace(key, name).first->second.c_str();
}

bool Window::RegisterNamedClass(const char* name) {
    const std::wstring wideName = wide(name);
    WNDCLASSW wc{};
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = Instance();
    wc.lpszClassName = wideName.c_str();
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                      const RECT& rect, HWND parent, UINT_PTR id) {
    HWND hwnd = CreateWindowExW(exStyle, wide(className).c_str(), wide(title).c_str(), style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(id), Instance(), this);
    return hwnd != nullptr;
}

BOOL Window::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

bool Window::SubclassDlgItem(int id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, id));
}

bool Window::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_subclassed) return false;
    if (!SetWindowSubclass(hwnd, StaticSubclassProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = hwnd;
    m_subclassed = true;
    return true;
}

HWND Window::UnsubclassWindow() {
    if (!m_subclassed) return nullptr;
    HWND hwnd = m_hWnd;
    RemoveWindowSubclass(hwnd, StaticSubclassProc, kSubclassId);
    m_subclassed = false;
    m_hWnd = nullptr;
    return hwnd;
}

RECT Window::ClientRect() const {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

void Window::CenterWindow() const {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    RECT area{};
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &info);
        area = info.rcWork;
    }
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    ::SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT Window::Default(UINT msg, WPARAM wp, LPARAM lp) {
    if (m_subclassed) return DefSubclassProc(m_hWnd, msg, wp, lp);
    return DefWindowProcW(m_hWnd, msg, wp, lp);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return HandleMessage(msg, wp, lp);
    } catch (...) {
        // Out of memory inside a handler: the message is treated as unhandled.
        return Default(msg, wp, lp);
    }
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (self) {
            self->m_hWnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);

    LRESULT result = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();  // may delete self
    }
    return result;
}

LRESULT CALLBACK Window::StaticSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                            UINT_PTR id, DWORD_PTR ref) {
    Window* self = reinterpret_cast<Window*>(ref);
    if (msg == WM_NCDESTROY) {
        // The control goes while still subclassed: let go of it.
        RemoveWindowSubclass(hwnd, StaticSubclassProc, id);
        self->m_subclassed = false;
        self->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    return self->Dispatch(msg, wp, lp);
}

}  // namespace fw
