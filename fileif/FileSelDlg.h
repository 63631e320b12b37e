#pragma once
// The text-file interface settings: on/off, the watched file's path and the display minutes
// of the captions made from it. The caller sets the members before the run and reads them
// back after IDOK.
#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CFileSelDlg : public fw::Dialog {
public:
    explicit CFileSelDlg(HWND parent = nullptr);

    int fileMinute = 1;
    int fileExec = 0;
    std::wstring filePath;
    fw::UpDown spin;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;

private:
    void OnBrowse();
};
