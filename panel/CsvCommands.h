#pragma once
// The list's commands CSV書き出し and CSV読み込み: the system's file dialog, then the caption list
// written as CSV, or read from one and, as the operator answers, added to the list or put in its
// place. A file with a bad row changes nothing: its line and what is wrong are shown.
#include <windows.h>

#include "control/KirunController.h"

void exportCaptionList(HWND owner, KirunController& controller);
void importCaptionList(HWND owner, KirunController& controller);

// What the operator reads of a refused file: its line and what is wrong with it.
std::string csvRefusalText(const CaptionCsvImport& read);
