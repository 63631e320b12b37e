#pragma once
// The main window: a frame around the control page with the automatic-exit check box and the
// home page link in a band above it. Hidden for the whole run in batch mode; on systems with
// desktop composition its border and top band become glass.
#include <windows.h>
#include <uxtheme.h>

#include "app/AppHost.h"
#include "app/OpaCheck.h"
#include "framework/Dialog.h"
#include "panel/ChildAnchors.h"
#include "panel/ControlDlg.h"

class CKirunDlg : public fw::Dialog {
public:
    // The status line is brought up to date once a second.
    static constexpr UINT_PTR kStatusTimer = 105;
    static constexpr UINT kStatusPeriod = 1000;

    // The main window of the program `host` puts together; `commandChannel` is the channel this
    // copy takes commands on (empty: none).
    CKirunDlg(AppHost& host, HWND parent, const std::string& commandChannel = std::string());

    void setVisible(BOOL show);
    BOOL DestroyWindow() override;

    // Glass: extend the frame and attach the check box while composition is on.
    void applyGlass();
    void attachGlassCheck();
    void detachGlassCheck();
    // The automatic-exit check box as the controller keeps it.
    BOOL autoExitCheck() { return m_host.controller().autoExit() == 1; }
    // The controller's exit code once the modal run is over.
    int exitCode() { return m_host.controller().exitCode(); }

    CControlDlg& page() { return m_page; }
    bool visible() const { return m_visible != FALSE; }
    bool glassEnabled() const { return m_glassEnabled != FALSE; }
    bool glassCheckAttached() const { return m_glassCheckAttached != FALSE; }
    COpaCheck& glassCheck() { return m_glassCheck; }

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    HICON OnQueryDragIcon();
    void OnClose();
    void OnAutoExitClicked();
    void OnWindowPosChanging(WPARAM wp, LPARAM lp);
    LRESULT OnCompositionChanged(WPARAM wp, LPARAM lp);
    // Gives the window a sizing border, keeping its client area, and takes the stored size.
    void makeResizable();
    // Keeps the size the operator gave the window by dragging its border.
    void OnExitSizeMove();
    // Shows in the top band what the operator must know now (the strip hidden, OSC not listening).
    void refreshStatusLine();

    AppHost& m_host;
    std::string m_commandChannel;
    HICON m_icon;
    CControlDlg m_page;
    BOOL m_visible = FALSE;

protected:
    // Whether the glass is on; a look-alike window in the tests may clear it by hand.
    BOOL m_glassEnabled = FALSE;

private:
    MARGINS m_glassMargins{};
    BOOL m_glassCheckAttached = FALSE;
    COpaCheck m_glassCheck;
    GlassLabel m_statusOnGlass{0, false};
    std::wstring m_statusLine;
    ChildAnchors m_anchors;   // the control page grows with the window
    SIZE m_leastSize{0, 0};   // the window as it opened
    bool m_sizing = false;    // the operator is dragging the border
};
