#pragma once
// The caption text dialog: one caption text and its display time in minutes.
// The caller hands the item in with setData and reads m_data back after IDOK.
#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "model/KirunData.h"

class CKirunSettingDlg : public fw::Dialog {
public:
    explicit CKirunSettingDlg(HWND parent = nullptr);

    void setData(CKirunData data);
    // The window's title: what the dialog is opened for; the template's title when none is given.
    void setTitle(std::string title) { m_title = std::move(title); }

    fw::UpDown m_spinMinutes;
    std::wstring m_editText;
    CKirunData m_data;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    int m_editMinutes = 0;  // as typed, checked when saved
    std::string m_title;
};
