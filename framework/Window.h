#pragma once
// A thin object over one HWND. The object is bound to its window at WM_NCCREATE (windows of
// classes registered here) or by subclassing an existing control, and every message goes to
// the virtual HandleMessage; what a class does not handle goes to Default.
#include <windows.h>

namespace fw {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return m_hWnd; }

    // Registers (once) a window class routed to Window objects and returns its name.
    static const char* RegisterWindowClass(UINT classStyle, HCURSOR cursor = nullptr,
                                           HBRUSH background = nullptr, HICON icon = nullptr);
    // Registers (once) a plain class of that name routed to Window objects, for a window that
    // other programs find by its class.
    static bool RegisterNamedClass(const char* name);

    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                  const RECT& rect, HWND parent, UINT_PTR id);
    virtual BOOL DestroyWindow();

    // Routes an existing control's messages to this object until UnsubclassWindow.
    bool SubclassDlgItem(int id, HWND parent);
    bool SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();
    bool IsSubclassed() const { return m_subclassed; }

    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const {
        return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
    }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    RECT ClientRect() const;
    // Centres the window over its owner, or over the work area when it has none.
    void CenterWindow() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return ::SendMessageA(m_hWnd, msg, wp, lp);
    }

protected:
    // One switch per class that routes messages to named handlers; unhandled ones go to Default.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // The processing the window would get without this object.
    virtual LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);
    // Called after the window is gone (WM_NCDESTROY); a heap-allocated window may delete itself.
    virtual void PostNcDestroy() {}

    // Calls HandleMessage; no exception crosses into the system's window procedure.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK StaticSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                               UINT_PTR id, DWORD_PTR self);
    bool m_subclassed = false;
};

}  // namespace fw
