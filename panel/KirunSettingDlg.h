#pragma once
// The caption text dialog: one caption text, its display time in minutes, its time on air (予定...)
// and, while the show holds more than one lane, its lane. The caller hands the item in with setData and reads
// m_data back after IDOK.
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
    // The lanes the show holds: with more than one, the dialog offers the item's lane among them.
    void setLaneCount(int lanes) { m_laneCount = lanes; }

    fw::UpDown m_spinMinutes;
    std::wstring m_editText;
    CKirunData m_data;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;

private:
    void showLaneChoice();

    int m_editMinutes = 0;  // as typed, checked when saved
    int m_laneCount = 1;
    int m_laneIndex = 0;  // entry of the lane choice
    std::string m_title;
    AirWindow m_airWindow;  // as the 予定 dialog left it; the item's once OK takes the rest
};
