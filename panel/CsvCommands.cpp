#include "panel/CsvCommands.h"

#include <commdlg.h>

#include <cstdio>

#include "framework/CommonDialogs.h"
#include "framework/MessageBox.h"
#include "panel/PageTexts.h"

namespace {
using namespace page_texts;

const char* problemText(CaptionCsvImport::Problem problem) {
    switch (problem) {
    case CaptionCsvImport::Problem::NotCsv: return kCsvNotCsv;
    case CaptionCsvImport::Problem::Header: return kCsvHeader;
    case CaptionCsvImport::Problem::Columns: return kCsvColumns;
    case CaptionCsvImport::Problem::EmptyText: return kCsvEmptyText;
    case CaptionCsvImport::Problem::LongText: return kCsvLongText;
    case CaptionCsvImport::Problem::Minutes: return kCsvMinutes;
    case CaptionCsvImport::Problem::TooManyRows: return kCsvTooManyRows;
    case CaptionCsvImport::Problem::LaneColumns: return kCsvLaneColumns;
    case CaptionCsvImport::Problem::Lane: return kCsvLane;
    default: return "";
    }
}
}  // namespace

std::string csvRefusalText(const CaptionCsvImport& read) {
    char text[512];
    std::snprintf(text, sizeof text, kCsvBadLine, read.badLine, problemText(read.problem));
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
