#pragma once
// A dialog from a template: run modally (DoModal) or created as a child (Create).
// `this` is bound at WM_INITDIALOG. A handler's result reaches the system through
// DWLP_MSGRESULT, except for the messages whose result the dialog procedure returns itself.
#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Window.h"

namespace fw {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId, HWND parent = nullptr);

    // Runs the dialog with its own modal loop; returns what EndDialog was given (-1 when the
    // window could not be created). The window is destroyed through the virtual DestroyWindow.
    INT_PTR DoModal();
    // Creates the dialog as a modeless (child) window of `parent`.
    bool Create(HWND parent);

    // Exchanges control values with members: from the controls when saveAndValidate is TRUE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(INT_PTR result);
    bool IsModal() const { return m_modal; }
    UINT TemplateId() const { return m_templateId; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static bool ReturnsResultDirectly(UINT msg);
    HWND ModalOwner() const;
    void RunModalLoop();

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
    bool* m_defaulted = nullptr;  // set by Default while a message is being dispatched
};

}  // namespace fw
