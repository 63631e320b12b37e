#pragma once
// Moves values between a dialog's controls and its members, one small function per control
// kind, used in both directions; while saving, a check may fail the exchange.
#include <windows.h>

#include <string>

namespace fw {

class Control;
class UpDown;

class DataExchange {
public:
    DataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

    // True: from the controls into the members.
    bool Saving() const { return m_save; }

    void Text(int id, std::string& value);
    void Text(int id, std::wstring& value);
    void Check(int id, int& value);
    // A radio group from the control `firstId` (the group start) to the next group start;
    // the value is the index of the checked radio button, -1 when none is checked.
    void Radio(int firstId, int& index);
    // A drop-down list: the index of the selected entry, -1 when none is selected.
    void ComboIndex(int id, int& index);
    // Binds a control wrapper to the control with that id.
    void Bind(int id, Control& control);

    // How an up-down's value is read back.
    enum class Read {
        kPosition,  // its position, always within the range
        kTyped,     // the number typed into its buddy, even outside the range, so that the
                    // dialog can say what is wrong with it
    };
    // Binds the up-down with that id; loading gives it the range and the value as position,
    // saving reads the value back.
    void Spin(int id, UpDown& control, int& value, int low, int high, Read read);

    // While saving, a `problem` (a message; null when there is none) fails the exchange: the
    // message is shown, the control `id` gets the focus (an edit with its text selected) and
    // UpdateData(TRUE) returns FALSE, so that the dialog stays open. Only the first problem of
    // an exchange is shown. Returns whether the exchange has not failed.
    bool Validate(int id, const char* problem);
    bool Failed() const { return m_failed; }

private:
    void FocusOn(int id) const;

    HWND m_dialog;
    bool m_save;
    bool m_failed = false;
};

std::string GetWindowTextString(HWND hwnd);
std::wstring GetWindowTextWide(HWND hwnd);

}  // namespace fw
