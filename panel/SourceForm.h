#pragma once
// The fields of the data sources' dialog for one source: its record shown in the controls and
// taken back from them, what is wrong with a record before OK, and the texts of its row in the
// dialog's list and of a look's result.
#include <windows.h>

#include <string>

#include "model/SourceSettings.h"
#include "show/SourceControl.h"

namespace source_form {

// Shows the record in the dialog's controls.
void show(HWND dialog, const SourceSettings& source);
// Takes the controls into the record. A number field that holds no number gives -1, which
// problemOf() refuses.
void take(HWND dialog, SourceSettings& source);
// Enables the fields when a source is chosen, and the alert fields for an alert source.
void enable(HWND dialog, bool chosen, bool alerts);

// What is wrong with the record, and the control to put right; null when nothing is.
const char* problemOf(const SourceSettings& source, int& control);

// The cells of the source's row in the dialog's list (No., 有効, 名前, 表示, URL・ファイル).
std::wstring cell(const SourceSettings& source, int number, int column);
constexpr int kColumns = 5;

// A look's result as the dialog shows it.
std::wstring probeText(const SourceProbe& probe);

}  // namespace source_form
