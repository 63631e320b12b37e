#include "panel/CsvCommands.h"

#include <commdlg.h>

#include <cstdio>

#include "framework/CommonDialogs.h"
#include "framework/Mbcs.h"
#include "framework/MessageBox.h"
#include "framework/TextCodec.h"
#include "panel/PageTexts.h"

namespace {
using namespace page_texts;

// The refusal's reason in the program's code page; a time on air's problem comes in UTF-8.
std::string problemText(const CaptionCsvImport& read) {
    switch (read.problem) {
    case CaptionCsvImport::Problem::NotCsv: return kCsvNotCsv;
    case CaptionCsvImport::Problem::Header: return kCsvHeader;
    case CaptionCsvImport::Problem::Columns: return kCsvColumns;
    case CaptionCsvImport::Problem::EmptyText: return kCsvEmptyText;
    case CaptionCsvImport::Problem::LongText: return kCsvLongText;
    case CaptionCsvImport::Problem::Minutes: return kCsvMinutes;
    case CaptionCsvImport::Problem::TooManyRows: return kCsvTooManyRows;
    case CaptionCsvImport::Problem::LaneColumns: return kCsvLaneColumns;
    case CaptionCsvImport::Problem::Lane: return kCsvLane;
    case CaptionCsvImport::Problem::WindowColumns: return kCsvWindowColumns;
    case CaptionCsvImport::Problem::Window:
        return read.windowProblem ? fw::CodePage932FromWide(fw::Widen(read.windowProblem, CP_UTF8)) : std::string();
    default: return "";
    }
}
}  // namespace

std::string csvRefusalText(const CaptionCsvImport& read) {
    char text[512];
    std::snprintf(text, sizeof text, kCsvBadLine, read.badLine, problemText(read).c_str());
    return text;
}

void exportCaptionList(HWND owner, KirunController& controller) {
    std::wstring path;
    if (!fw::SaveFileDialog(owner, kCsvFilter, L"csv", L"captions.csv", OFN_PATHMUSTEXIST, path)) return;
    if (!controller.exportCaptions(path)) fw::ShowMessage(kCsvNotWritten);
}

void importCaptionList(HWND owner, KirunController& controller) {
    std::wstring path;
    if (!fw::OpenFileDialog(owner, kCsvFilter, L"csv", nullptr, OFN_FILEMUSTEXIST, path)) return;
    CaptionCsvImport read;
    switch (controller.readCaptionsCsv(path, read)) {
    case CaptionCsvFileRead::Read: break;
    case CaptionCsvFileRead::Unreadable: fw::ShowMessage(kCsvUnreadable); return;
    case CaptionCsvFileRead::TooLarge: fw::ShowMessage(kCsvTooLarge); return;
    case CaptionCsvFileRead::NoMemory: fw::ShowMessage(kCsvNoMemory); return;
    }
    if (!read.ok) {
        const std::string refusal = csvRefusalText(read);
        fw::ShowMessage(refusal.c_str());
        return;
    }
    const int answer = fw::ShowMessage(kCsvAddOrReplace, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO) return;
    if (!controller.importCaptions(read.items, answer == IDNO)) fw::ShowMessage(kCsvListFull);
}
