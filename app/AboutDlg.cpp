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

bool CAboutDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_HOME_LINK || header->code != NM_CLICK) return false;
    openHomePage(m_hWnd);
    result = 0;
    return true;
}
