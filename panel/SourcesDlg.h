#pragma once
// The data sources' dialog (データソース設定): the list of sources, each added, changed, deleted
// and switched on or off, and a look at the chosen one now (今すぐ取得) that shows its first
// items or why it failed. The caller hands the sources in with m_sources and reads them back
// after IDOK (the controller saves them and starts the sources again).
#include <windows.h>

#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "control/KirunController.h"

class CSourcesDlg : public fw::Dialog {
public:
    explicit CSourcesDlg(KirunController& controller, HWND parent = nullptr);

    std::vector<SourceSettings> m_sources;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void showRow(int index);
    // Shows the chosen source's fields (none: -1).
    void choose(int index);
    // The fields into the chosen source, and its row.
    void fieldsChanged();
    void add();
    void remove();
    void browse();
    void probe();

    KirunController& m_controller;
    fw::ListView m_list;
    int m_chosen = -1;
    bool m_filling = false;  // the fields are being set: their notifications change nothing
};
