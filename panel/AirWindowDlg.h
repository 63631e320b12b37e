#pragma once
// The 予定 dialog: a list caption's time on air, each part with a check box that sets it: 開始 and
// 終了 (a date and time "YYYY-MM-DD HH:MM"), 時間帯 (two times "HH:MM", which may cross midnight),
// 曜日 (月 ... 日), 回数. OK checks the window and stays open on a problem, saying what it is. The
// caller hands the window in with setWindow and reads window() back after IDOK.
#include <windows.h>

#include "framework/Dialog.h"
#include "model/AirWindow.h"

class CAirWindowDlg : public fw::Dialog {
public:
    explicit CAirWindowDlg(HWND parent = nullptr);

    void setWindow(const AirWindow& window) { m_window = window; }
    const AirWindow& window() const { return m_window; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;

private:
    // Each part's fields can be typed in only while its check box is checked.
    void enableFields();

    AirWindow m_window;
};
