#include "fileif/FileSelDlg.h"

#include <commdlg.h>

#include "fileif/TextFileWatch.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "model/MinutesRule.h"
#include "resource.h"

namespace {
const wchar_t kFilter[] = L"Txt(*.txt)|*.txt|全て(*.*)|*.*||";
}  // namespace

CFileSelDlg::CFileSelDlg(HWND parent) : fw::Dialog(IDD_FILE_INTERFACE, parent) {}

void CFileSelDlg::DoDataExchange(fw::DataExchange& dx) {
    // Refused minutes leave every member as it was: Browse writes the members back.
    if (dx.Saving()) {
        dx.Bind(IDC_FILE_MINUTES_SPIN, spin);
        if (!dx.Validate(IDC_FILE_MINUTES_EDIT, minutesProblem(spin.TypedPos32()))) return;
    }
    dx.Check(IDC_FILE_ENABLED, fileExec);
    dx.Text(IDC_FILE_PATH, filePath);
    dx.Spin(IDC_FILE_MINUTES_SPIN, spin, fileMinute, kMinMinutes, kMaxMinutes,
            fw::DataExchange::Read::kTyped);
    // A pasted "Copy as path" keeps its quotes in the edit; the settings file would drop them
    // at the next start, so they go now and the running program watches the same file.
    if (dx.Saving()) filePath = watchedPathFromInput(filePath);
}

bool CFileSelDlg::OnButtonClicked(int id) {
    if (id != IDC_FILE_BROWSE) return fw::Dialog::OnButtonClicked(id);
    OnBrowse();
    return true;
}

// Puts the chosen file into the path; the tick of 機能有効 and the minutes stay as the
// operator left them.
void CFileSelDlg::OnBrowse() {
    std::wstring chosen;
    if (!fw::OpenFileDialog(m_hWnd, kFilter, L"TXT", L"*.txt", OFN_FILEMUSTEXIST, chosen)) return;
    filePath = chosen;
    SetDlgItemTextW(m_hWnd, IDC_FILE_PATH, filePath.c_str());
}
