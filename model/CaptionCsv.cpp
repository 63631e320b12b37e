#include "model/CaptionCsv.h"

#include <windows.h>

#include <algorithm>

#include "model/Csv.h"
#include "model/TextDecoding.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"

namespace {
const wchar_t kTextHeader[] = L"テキスト";
const wchar_t kMinutesHeader[] = L"分";
const wchar_t kLaneHeader[] = L"レーン";

// A number as a spreadsheet writes it (minutes, a lane): digits, blanks around them allowed; -1
// when it is no whole number of at most six digits.
int numberOf(const std::wstring& field) {
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

// "テキスト,分", or "テキスト,分,レーン": how many columns the header names; 0 for neither.
size_t headerColumns(const CsvRecord& header) {
    const std::vector<std::wstring>& fields = header.fields;
    if (fields.size() < 2 || fields.size() > 3 || fields[0] != kTextHeader || fields[1] != kMinutesHeader) return 0;
    return fields.size() == 3 && fields[2] != kLaneHeader ? 0 : fields.size();
}

CaptionCsvImport refused(CaptionCsvImport::Problem problem, int line) {
    CaptionCsvImport result;
    result.problem = problem;
    result.badLine = line;
    return result;
}
}  // namespace

std::string captionListToCsv(const CaptionList& list) {
    // The lane column only once a caption is not on lane 1: a list of one lane is written as before.
    const bool lanes = std::any_of(list.begin(), list.end(), [](const CKirunData& item) { return item.m_lane != 1; });
    std::wstring text = std::wstring(kTextHeader) + L"," + kMinutesHeader + (lanes ? std::wstring(L",") + kLaneHeader : L"") + L"\r\n";
    for (const CKirunData& item : list) {
        text += csvField(csvCellOf(item.m_text)) + L"," + std::to_wstring(item.m_minutes);
        if (lanes) text += L"," + std::to_wstring(item.m_lane);
        text += L"\r\n";
    }
    return fw::MarkBytes(fw::TextMark::Utf8) + fw::Narrow(text, CP_UTF8);
}

CaptionCsvImport captionsFromCsv(const std::string& bytes) {
    using Problem = CaptionCsvImport::Problem;
    // One record more than the list holds, to tell a file that has too many.
    const CsvTable table = readCsv(decodeTextBytes(bytes), static_cast<size_t>(CaptionList::kMaxItems) + 2);
    if (!table.ok) return refused(Problem::NotCsv, table.badLine);
    if (table.records.empty()) return refused(Problem::Header, 1);
    const CsvRecord& header = table.records[0];
    const size_t columns = headerColumns(header);
    if (columns == 0) return refused(Problem::Header, header.line);

    CaptionCsvImport result;
    for (size_t row = 1; row < table.records.size(); ++row) {
        const CsvRecord& record = table.records[row];
        if (result.items.size() >= static_cast<size_t>(CaptionList::kMaxItems)) return refused(Problem::TooManyRows, record.line);
        if (record.fields.size() != columns)
            return refused(columns == 3 ? Problem::LaneColumns : Problem::Columns, record.line);
        const std::wstring text = csvTextOf(record.fields[0]);
        if (text.empty()) return refused(Problem::EmptyText, record.line);
        if (fw::CellsOf(text) > kMaxCaptionTextCells) return refused(Problem::LongText, record.line);
        const int minutes = numberOf(record.fields[1]);
        if (minutes < kMinMinutes || minutes > kMaxMinutes) return refused(Problem::Minutes, record.line);
        const int lane = columns == 3 ? numberOf(record.fields[2]) : 1;
        if (lane < 1 || lane > kMaxLanes) return refused(Problem::Lane, record.line);
        result.items.emplace_back(text, minutes);
        result.items.back().m_lane = lane;
    }
    result.ok = true;
    return result;
}
