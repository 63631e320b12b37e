#include "panel/CaptionListKeys.h"

LRESULT CaptionListKeys::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETDLGCODE) {
        const MSG* key = reinterpret_cast<const MSG*>(lp);
        const LRESULT code = Default(msg, wp, lp);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
        return code;
    }
    return Default(msg, wp, lp);
}
