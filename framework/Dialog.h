#pragma once
// A dialog from a template: run modally (DoModal) or created as a child (Create).
// `this` is bound at WM_INITDIALOG. WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* reach the named
// handlers below; a handler's result reaches the system through DWLP_MSGRESULT, except for the
// messages whose result the dialog procedure returns itself.
#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Window.h"

namespace fw {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId, HWND parent = nullptr);

    // Runs the dialog in the system's modal loop (or this class's own, see UseOwnModalLoop);
    // returns what EndDialog was given, -1 when the window could not be created. While it runs
    // it is one of the OpenModals that closing the main window ends (IDCANCEL).
    INT_PTR DoModal();
    // Creates the dialog as a modeless (child) window of `parent`.
    bool Create(HWND parent);

    // Exchanges control values with members: from the controls when saveAndValidate is TRUE.
    // FALSE when a check of DoDataExchange failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(INT_PTR result);
    bool IsModal() const { return m_modal; }
    UINT TemplateId() const { return m_templateId; }

protected:
    // DoModal then runs a loop of this class instead of the system's, so that the window is
    // destroyed through the virtual DestroyWindow while it still has its children.
    void UseOwnModalLoop() { m_ownLoop = true; }

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    // Ends a modal dialog with IDOK once its data is saved and valid.
    virtual void OnOK();
    virtual void OnCancel();

    // The handlers of control notifications; each returns whether it handled the notification.
    // A button's BN_CLICKED (IDOK and IDCANCEL go on to OnOK and OnCancel).
    virtual bool OnButtonClicked(int id);
    // Any other WM_COMMAND notification code.
    virtual bool OnCommand(int id, int code, HWND control);
    // WM_NOTIFY; `result` is what the dialog answers.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
    // WM_CTLCOLOR*, after the standard colours are set in `dc`: the background brush, or null
    // for the standard one.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg);

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static bool ReturnsResultDirectly(UINT msg);
    static bool IsCtlColor(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }
    HWND ModalOwner() const;
    INT_PTR RunOwnModal(HWND owner);
    void RunModalLoop();
    bool RouteCommand(WPARAM wp, LPARAM lp);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
    bool m_ownLoop = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
    bool* m_defaulted = nullptr;  // set by Default while a message is being dispatched
};

}  // namespace fw
