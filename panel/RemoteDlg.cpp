#include "panel/RemoteDlg.h"

#include <algorithm>
#include <cstdlib>

#include "framework/MessageBox.h"
#include "model/OscSenders.h"
#include "resource.h"
#include "model/OverlayAddress.h"
#include "model/PairingAddress.h"
#include "framework/RandomToken.h"

namespace {
const char kPortProblem[] = "ポートは 1～65535 の数にしてください";
const char kAddressProblem[] = "受け付けるアドレスは 127.0.0.1、0.0.0.0 またはこの PC の IPv4 アドレスにしてください";
const char kNoRandom[] = "トークンを作れませんでした（システムの乱数が得られません）";
const char kNoRandomViewKey[] = "表示キーを作れませんでした（システムの乱数が得られません）";

bool parsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    port = std::atoi(text.c_str());
    return port >= 1 && port <= 65535;
}
}  // namespace

CRemoteDlg::CRemoteDlg(HWND parent) : fw::Dialog(IDD_REMOTE, parent) {}

BOOL CRemoteDlg::OnInitDialog() {
    if (!m_lanGiven) m_lan = localIpv4Addresses();
    m_on = m_settings.on() ? 1 : 0;
    m_port = std::to_string(m_settings.on() ? m_settings.port : kDefaultPort);
    m_address = m_settings.address.empty() ? "127.0.0.1" : m_settings.address;
    m_token = m_settings.token;
    m_viewKey = m_settings.viewKey;
    HWND addresses = GetDlgItem(IDC_REMOTE_ADDRESS);
    SendMessageA(addresses, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("127.0.0.1"));
    SendMessageA(addresses, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("0.0.0.0"));
    for (const LocalAddress& local : m_lan)
        SendMessageA(addresses, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(local.address.c_str()));
    SendMessageA(GetDlgItem(IDC_REMOTE_PORT), EM_LIMITTEXT, 5, 0);
    fw::Dialog::OnInitDialog();
    m_ready = true;
    refresh();
    return TRUE;
}

void CRemoteDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Check(IDC_REMOTE_ON, m_on);
    dx.Text(IDC_REMOTE_PORT, m_port);
    dx.Text(IDC_REMOTE_ADDRESS, m_address);
    if (!dx.Saving()) return;
    int port = 0;
    std::uint32_t address = 0;
    if (m_on && !dx.Validate(IDC_REMOTE_PORT, parsePort(m_port, port) ? nullptr : kPortProblem)) return;
    if (m_on && !dx.Validate(IDC_REMOTE_ADDRESS, parseIpv4(m_address, address) ? nullptr : kAddressProblem)) return;
    if (m_on && m_token.empty()) newToken();
    if (m_on && !dx.Validate(IDC_REMOTE_NEW_TOKEN, m_token.empty() ? kNoRandom : nullptr)) return;
    if (m_on && m_viewKey.empty()) newViewKey();
    if (m_on && !dx.Validate(IDC_REMOTE_NEW_VIEW_KEY, m_viewKey.empty() ? kNoRandomViewKey : nullptr)) return;
    m_settings.port = m_on ? port : 0;
    m_settings.address = m_address;
    m_settings.token = m_token;
    m_settings.viewKey = m_viewKey;
}

HttpSettings CRemoteDlg::shown(bool chosenFromList) const {
    HttpSettings settings;
    HWND dialog = m_hWnd;
    const bool on = IsDlgButtonChecked(dialog, IDC_REMOTE_ON) == BST_CHECKED;
    char text[64] = {};
    GetDlgItemTextA(dialog, IDC_REMOTE_PORT, text, sizeof text);
    int port = 0;
    settings.port = on && parsePort(text, port) ? port : 0;
    HWND addresses = GetDlgItem(IDC_REMOTE_ADDRESS);
    // When an entry of the list is chosen, the box shows it only after the notification.
    const LRESULT chosen = chosenFromList ? SendMessageA(addresses, CB_GETCURSEL, 0, 0) : CB_ERR;
    text[0] = '\0';
    if (chosen != CB_ERR &&
        SendMessageA(addresses, CB_GETLBTEXTLEN, static_cast<WPARAM>(chosen), 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(addresses, CB_GETLBTEXT, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(text));
    else
        GetWindowTextA(addresses, text, sizeof text);
    settings.address = text;
    settings.token = m_token;
    return settings;
}

void CRemoteDlg::refresh(bool chosenFromList) {
    if (!m_ready) return;
    HttpSettings settings = shown(chosenFromList);
    const bool on = IsDlgButtonChecked(m_hWnd, IDC_REMOTE_ON) == BST_CHECKED;
    if (on && m_token.empty()) newToken();
    if (on && m_viewKey.empty()) newViewKey();
    settings.token = m_token;
    settings.viewKey = m_viewKey;
    const PairingView view = pairingView(settings, m_lan);
    m_url = view.url;
    SetDlgItemTextA(m_hWnd, IDC_REMOTE_URL, m_url.c_str());
    SetDlgItemTextA(m_hWnd, IDC_REMOTE_NOTE, view.note);
    if (view.url.empty() || !m_qr.encode(view.url)) m_qr.clear();
    showOverlayAddresses(settings);
    for (int id : {IDC_REMOTE_PORT, IDC_REMOTE_ADDRESS, IDC_REMOTE_URL, IDC_REMOTE_NEW_TOKEN, IDC_REMOTE_NEW_VIEW_KEY,
                   IDC_REMOTE_OVERLAY})
        EnableWindow(GetDlgItem(id), on ? TRUE : FALSE);
    InvalidateRect(GetDlgItem(IDC_REMOTE_QR), nullptr, TRUE);
}

void CRemoteDlg::showOverlayAddresses(const HttpSettings& settings) {
    const size_t count = std::max<size_t>({1, m_overlayLooks.size(), m_laneNames.size()});
    std::vector<OverlayLane> lanes(count);
    for (size_t i = 0; i < count; ++i) {
        if (i < m_laneNames.size()) lanes[i].name = m_laneNames[i];
        if (i < m_overlayLooks.size()) {
            lanes[i].width = m_overlayLooks[i].stripWidth;
            lanes[i].height = m_overlayLooks[i].stripHeight;
        }
    }
    SetDlgItemTextW(m_hWnd, IDC_REMOTE_OVERLAY, overlayAddressText(settings, m_lan, lanes).c_str());
}

// Every phone paired so far must be paired again: from OK on, the old token is refused.
void CRemoteDlg::newToken() { m_token = makeToken(); }

// Every overlay host must be given its address again: from OK on, the old view key is refused.
void CRemoteDlg::newViewKey() { m_viewKey = makeToken(); }

bool CRemoteDlg::OnButtonClicked(int id) {
    if (id == IDC_REMOTE_NEW_TOKEN) {
        newToken();
        if (m_token.empty()) fw::ShowMessage(kNoRandom);
        refresh();
        return true;
    }
    if (id == IDC_REMOTE_NEW_VIEW_KEY) {
        newViewKey();
        if (m_viewKey.empty()) fw::ShowMessage(kNoRandomViewKey);
        refresh();
        return true;
    }
    if (id == IDC_REMOTE_ON) {
        refresh();
        return true;
    }
    return fw::Dialog::OnButtonClicked(id);
}

bool CRemoteDlg::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_REMOTE_PORT && code == EN_CHANGE) ||
        (id == IDC_REMOTE_ADDRESS && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))) {
        refresh(code == CBN_SELCHANGE);
        return true;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

LRESULT CRemoteDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DRAWITEM && wp == IDC_REMOTE_QR) {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        m_qr.draw(item->hDC, item->rcItem);
        return TRUE;
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}
