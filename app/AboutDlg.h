#pragma once
// The about box: icon, the version line built from the program's version resource, a notice,
// OK and a link to the maker's home page.
#include <string>

#include "framework/Dialog.h"

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg();

    std::string versionText;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
};
