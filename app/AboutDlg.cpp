#include "app/AboutDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/HomePage.h"
#include "app/VersionString.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : fw::Dialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Text(IDC_VERSION_TEXT, versionText);
}

BOOL CAboutDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    versionText = aboutVersionLine(versionString());
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CAboutDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom == IDC_HOME_LINK && header->code == NM_CLICK) return OnLinkClick();
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

LRESULT CAboutDlg::OnLinkClick() {
    openHomePage(m_hWnd);
    return 0;
}
