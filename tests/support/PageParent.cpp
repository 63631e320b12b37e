#include "PageParent.h"

#include <commctrl.h>

#include "panel/ControlDlg.h"

namespace testing_support {
namespace {
const char kParentClass[] = "PageParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        ++PageParentCloseRequests();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

int& PageParentCloseRequests() {
    static int requests = 0;
    return requests;
}

HWND CreatePageParent() {
    // The page's list view and up-down controls need the common control classes.
    static const bool controls = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    static const ATOM registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kParentClass;
        return RegisterClassA(&wc);
    }();
    if (!controls || !registered) return nullptr;
    return CreateWindowExA(0, kParentClass, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PressButton(CControlDlg& page, int id) {
    SendMessageA(page.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(page.GetDlgItem(id)));
}

void PressButtonOnRow(CControlDlg& page, int row, int id) {
    HWND list = page.listCtrl().Hwnd();
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, row);
    PressButton(page, id);
}

std::string Hex(const std::string& bytes) {
    const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

const char kDefaultSystemKeys[] =
    "COLOR=0\r\nRGB=16777215\r\nRGBSDW=0\r\nPOS=0\r\nGAP=0\r\nLGAP=0\r\nRGAP=0\r\nSIZE=0\r\nDELTAX=2\r\n"
    "FONTFACENAME=ＭＳ Ｐゴシック\r\nFONTHEIGHT=-12\r\nFONTWEIGHT=700\r\nFONTITALIC=0\r\n";
const char kDefaultFileSection[] = "[FILE]\r\nEXEC=0\r\nMINUTE=1\r\nPATH=\r\n";

std::string SettingsText(const std::vector<SettingsItem>& items, const std::string& systemKeys,
                         const std::string& moreSections) {
    std::string ini = "[SYSTEM]\r\n" + systemKeys + "ITEMCOUNT=" + std::to_string(items.size()) + "\r\n";
    for (size_t i = 0; i < items.size(); ++i)
        ini += "[ITEM" + std::to_string(i) + "]\r\nMINUTE=" + std::to_string(items[i].minutes) +
               "\r\nSTRINGS=" + Hex(items[i].text) + "\r\n" + items[i].keys;
    return ini + moreSections;
}

}  // namespace testing_support
