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
// A caption's time on air, after the lane's column where that is written.
const wchar_t* const kWindowHeaders[] = {L"開始", L"終了", L"時間帯", L"曜日", L"回数"};
const size_t kWindowColumns = sizeof kWindowHeaders / sizeof kWindowHeaders[0];

std::wstring trimmed(const std::wstring& field) {
    const size_t first = field.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return field.substr(first, field.find_last_not_of(L' ') - first + 1);
}

// A number as a spreadsheet writes it (minutes, a lane): digits, blanks around them allowed; -1
// when it is no whole number of at most six digits.
int numberOf(const std::wstring& field) {
    const std::wstring digits = trimmed(field);
    if (digits.empty() || digits.size() > 6) return -1;
    int value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value;
}

// The columns a header names: "テキスト,分", then "レーン" or not, then "開始,終了,時間帯,曜日,回数"
// or not.
struct CsvLayout {
    size_t columns = 0;  // 0: no header of the list's
    bool lane = false;
    bool window = false;
};

CsvLayout layoutOf(const CsvRecord& header) {
    const std::vector<std::wstring>& fields = header.fields;
    CsvLayout layout;
    if (fields.size() < 2 || fields[0] != kTextHeader || fields[1] != kMinutesHeader) return layout;
    layout.lane = fields.size() > 2 && fields[2] == kLaneHeader;
    const size_t windowAt = layout.lane ? 3 : 2;
    layout.window = fields.size() == windowAt + kWindowColumns;
    for (size_t i = 0; layout.window && i < kWindowColumns; ++i) layout.window = fields[windowAt + i] == kWindowHeaders[i];
    if (fields.size() == windowAt || layout.window) layout.columns = fields.size();
    return layout;
}

// The five cells from `at` as a time on air; blank cells leave their part unset. A cell of
// characters no field takes stays in the field as a malformed value, for airWindowProblem.
AirWindow windowOf(const std::vector<std::wstring>& fields, size_t at) {
    const auto text = [&](size_t i) { return fw::Narrow(csvTextOf(trimmed(fields[at + i])), CP_UTF8); };
    AirWindow window;
    window.from = text(0);
    window.until = text(1);
    window.hours = text(2);
    window.days = text(3);
    const std::wstring plays = trimmed(fields[at + 4]);
    if (!plays.empty()) {
        const int number = numberOf(plays);
        window.plays = number > 0 ? number : -1;  // 0 or no number: refused as out of range
    }
    return window;
}

std::wstring windowCells(const AirWindow& window) {
    // A value a hand-edited settings file left malformed goes out as text all the same.
    const auto cell = [](const std::string& text) { return L"," + csvField(csvCellOf(fw::Widen(text, CP_UTF8))); };
    return cell(window.from) + cell(window.until) + cell(window.hours) + cell(window.days) + L"," +
           (window.plays != 0 ? std::to_wstring(window.plays) : L"");
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
    // The columns of the time on air likewise, only once a caption has one.
    const bool windows = std::any_of(list.begin(), list.end(), [](const CKirunData& item) { return item.m_window.set(); });
    std::wstring text = std::wstring(kTextHeader) + L"," + kMinutesHeader + (lanes ? std::wstring(L",") + kLaneHeader : L"");
    if (windows)
        for (const wchar_t* header : kWindowHeaders) text += std::wstring(L",") + header;
    text += L"\r\n";
    for (const CKirunData& item : list) {
        text += csvField(csvCellOf(item.m_text)) + L"," + std::to_wstring(item.m_minutes);
        if (lanes) text += L"," + std::to_wstring(item.m_lane);
        if (windows) text += windowCells(item.m_window);
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
    const CsvLayout layout = layoutOf(header);
    const size_t columns = layout.columns;
    if (columns == 0) return refused(Problem::Header, header.line);

    CaptionCsvImport result;
    for (size_t row = 1; row < table.records.size(); ++row) {
        const CsvRecord& record = table.records[row];
        if (result.items.size() >= static_cast<size_t>(CaptionList::kMaxItems)) return refused(Problem::TooManyRows, record.line);
        if (record.fields.size() != columns)
            return refused(layout.window ? Problem::WindowColumns : layout.lane ? Problem::LaneColumns : Problem::Columns,
                           record.line);
        const std::wstring text = csvTextOf(record.fields[0]);
        if (text.empty()) return refused(Problem::EmptyText, record.line);
        if (fw::CellsOf(text) > kMaxCaptionTextCells) return refused(Problem::LongText, record.line);
        const int minutes = numberOf(record.fields[1]);
        if (minutes < kMinMinutes || minutes > kMaxMinutes) return refused(Problem::Minutes, record.line);
        const int lane = layout.lane ? numberOf(record.fields[2]) : 1;
        if (lane < 1 || lane > kMaxLanes) return refused(Problem::Lane, record.line);
        const AirWindow window = layout.window ? windowOf(record.fields, layout.lane ? 3 : 2) : AirWindow();
        if (const char* problem = airWindowProblem(window)) {
            CaptionCsvImport refusal = refused(Problem::Window, record.line);
            refusal.windowProblem = problem;
            return refusal;
        }
        result.items.emplace_back(text, minutes);
        result.items.back().m_lane = lane;
        result.items.back().m_window = window;
    }
    result.ok = true;
    return result;
}
