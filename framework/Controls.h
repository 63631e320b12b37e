#pragma once
// Thin wrappers over the common controls, one line per message used.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace fw {

class Control {
public:
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Hwnd() const { return m_hWnd; }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return m_hWnd ? SendMessageA(m_hWnd, msg, wp, lp) : 0;
    }
    BOOL Enable(bool enable) const { return EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(m_hWnd) != FALSE; }

protected:
    HWND m_hWnd = nullptr;
};

class UpDown : public Control {
public:
    void SetRange32(int low, int high) const { Send(UDM_SETRANGE32, static_cast<WPARAM>(low), high); }
    void SetPos32(int pos) const { Send(UDM_SETPOS32, 0, pos); }
    // `error` (optional) is set when the buddy's text is not a number within the range; the
    // position then stays where it was.
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(Send(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    // The position, or, when the buddy's text is outside the range, the number as typed
    // (thousands separators skipped; no number counts as 0, a huge one is saturated), so
    // that a dialog's own bound checks see what the operator entered.
    int TypedPos32() const;
};

class ListView : public Control {
public:
    void SetExtendedStyle(DWORD mask, DWORD style) const {
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
    }
    int InsertColumn(int column, const char* header, int format, int width) const;
    bool SetColumnWidth(int column, int width) const {
        return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != 0;
    }
    int InsertItem(int row, const char* text) const;
    bool SetItemText(int row, int column, const char* text) const;
    bool SetItemText(int row, int column, const wchar_t* text) const;
    std::string GetItemText(int row, int column) const;
    bool DeleteAllItems() const { return Send(LVM_DELETEALLITEMS) != 0; }
    // Room for `count` rows, made once before they are inserted.
    void ReserveItems(int count) const {
        Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
    }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int GetSelectionMark() const { return static_cast<int>(Send(LVM_GETSELECTIONMARK)); }
    // The first highlighted row, or -1 when none is (the selection mark may outlive it).
    int GetFirstSelected() const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    void SetRedraw(bool redraw) const { Send(WM_SETREDRAW, redraw ? TRUE : FALSE); }
};

}  // namespace fw
