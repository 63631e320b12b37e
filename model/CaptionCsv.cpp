#include "model/CaptionCsv.h"

#include <windows.h>

#include "model/Csv.h"
#include "model/TextDecoding.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/MinutesRule.h"

namespace {
const wchar_t kTextHeader[] = L"テキスト";
const wchar_t kMinutesHeader[] = L"分";

// Minutes as a spreadsheet writes them: digits, blanks around them allowed; -1 when it is no
// whole number of at most six digits.
int minutesOf(const std::wstring& field) {
    const size_t first = field.find_first_not_of(L' ');
    if (first == std::wstring::npos) return -1;
    const size_t last = field.find_last_not_of(L' ');
    const std::wstring digits = field.substr(first, last - first + 1);
    if (digits.size() > 6) return -1;
    int value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value;
}

CaptionCsvImport refused(CaptionCsvImport::Problem problem, int line) {
    CaptionCsvImport result;
    result.problem = problem;
    result.badLine = line;
    return result;
}
}  // namespace

std::string captionListToCsv(const CaptionList& list) {
    std::wstring text = std::wstring(kTextHeader) + L"," + kMinutesHeader + L"\r\n";
    for (const CKirunData& item : list) text += csvField(csvCellOf(item.m_text)) + L"," + std::to_wstring(item.m_minutes) + L"\r\n";
    return fw::MarkBytes(fw::TextMark::Utf8) + fw::Narrow(text, CP_UTF8);
}

CaptionCsvImport captionsFromCsv(const std::string& bytes) {
    using Problem = CaptionCsvImport::Problem;
    // One record more than the list holds, to tell a file that has too many.
    const CsvTable table = readCsv(decodeTextBytes(bytes), static_cast<size_t>(CaptionList::kMaxItems) + 2);
    if (!table.ok) return refused(Problem::NotCsv, table.badLine);
    if (table.records.empty()) return refused(Problem::Header, 1);
    const CsvRecord& header = table.records[0];
    if (header.fields.size() != 2 || header.fields[0] != kTextHeader || header.fields[1] != kMinutesHeader)
        return refused(Problem::Header, header.line);

    CaptionCsvImport result;
    for (size_t row = 1; row < table.records.size(); ++row) {
        const CsvRecord& record = table.records[row];
        if (result.items.size() >= static_cast<size_t>(CaptionList::kMaxItems)) return refused(Problem::TooManyRows, record.line);
        if (record.fields.size() != 2) return refused(Problem::Columns, record.line);
        const std::wstring text = csvTextOf(record.fields[0]);
        if (text.empty()) return refused(Problem::EmptyText, record.line);
        if (fw::CellsOf(text) > kMaxCaptionTextCells) return refused(Problem::LongText, record.line);
        const int minutes = minutesOf(record.fields[1]);
        if (minutes < kMinMinutes || minutes > kMaxMinutes) return refused(Problem::Minutes, record.line);
        result.items.emplace_back(text, minutes);
    }
    result.ok = true;
    return result;
}
