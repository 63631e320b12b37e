#pragma once
// The web remote's dialog: switches the remote on or off, chooses its port and the address it
// listens on, and shows the address a phone on the same network opens, as text and as a QR code,
// with the token in the address's fragment; a button makes a new token. Below, each lane's overlay
// address for a video mixer's browser source, with the view key and the size to set there; a
// button makes a new view key. The caller hands the settings in with m_settings and reads them
// back after IDOK, and gives the lanes' looks and names for the overlay addresses.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "panel/QrPicture.h"
#include "model/HttpSettings.h"
#include "model/OverlayLook.h"
#include "framework/LocalNames.h"

class CRemoteDlg : public fw::Dialog {
public:
    // The port offered when the remote is switched on without one.
    static constexpr int kDefaultPort = 8765;

    explicit CRemoteDlg(HWND parent = nullptr);

    HttpSettings m_settings;
    // This machine's LAN addresses; looked up when the dialog opens unless given before.
    std::vector<LocalAddress> m_lan;
    bool m_lanGiven = false;
    // The show's lanes in order, for the overlay addresses: their looks (the size to set) and
    // their names; either may be shorter (a size not known, no name). None: one lane.
    std::vector<OverlayLook> m_overlayLooks;
    std::vector<std::wstring> m_laneNames;

    // The pairing address shown now ("" when none).
    const std::string& pairingUrl() const { return m_url; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The settings as the controls show them now, for the address, the QR code and the note.
    HttpSettings shown(bool chosenFromList) const;
    void refresh(bool chosenFromList = false);
    void newToken();
    void newViewKey();
    void showOverlayAddresses(const HttpSettings& settings);

    int m_on = 0;
    std::string m_port;
    std::string m_address;
    std::string m_token;    // kept across on and off within the dialog
    std::string m_viewKey;  // likewise
    std::string m_url;
    QrPicture m_qr;
    bool m_ready = false;  // the controls exist and are filled
};
