#pragma once
// Moves values between a dialog's controls and its members, one small function per control
// kind, used in both directions.
#include <windows.h>

#include <string>

namespace fw {

class Control;

class DataExchange {
public:
    DataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

    // True: from the controls into the members.
    bool Saving() const { return m_save; }

    void Text(int id, std::string& value);
    void Check(int id, int& value);
    // A radio group from the control `firstId` (the group start) to the next group start;
    // the value is the index of the checked radio button, -1 when none is checked.
    void Radio(int firstId, int& index);
    // Binds a control wrapper to the control with that id.
    void Bind(int id, Control& control);

private:
    HWND m_dialog;
    bool m_save;
};

std::string GetWindowTextString(HWND hwnd);

}  // namespace fw
