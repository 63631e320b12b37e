#include "model/Csv.h"

namespace {
bool isLineEnd(wchar_t c) { return c == L'\r' || c == L'\n'; }

// Steps over one line end ("\r\n", "\n" or a lone "\r") at `at`.
size_t afterLineEnd(const std::wstring& text, size_t at) {
    if (text[at] == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n') return at + 2;
    return at + 1;
}

// The value in quotes that opens at `at`; returns one past its closing quote, or npos when open.
size_t readQuoted(const std::wstring& text, size_t at, std::wstring& field, int& line) {
    for (size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == L'"') {
            if (i + 1 < text.size() && text[i + 1] == L'"') {
                field += L'"';
                ++i;
                continue;
            }
            return i + 1;
        }
        if (text[i] == L'\n' || (text[i] == L'\r' && (i + 1 >= text.size() || text[i + 1] != L'\n'))) ++line;
        field += text[i];
    }
    return std::wstring::npos;
}

// Whether the first character after any apostrophes starts a formula.
bool startsFormula(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L'\'');
    if (first == std::wstring::npos) return false;
    switch (text[first]) {
    case L'=':
    case L'+':
    case L'-':
    case L'@':
    case L'\t':
    case L'\r': return true;
    default: return false;
    }
}
}  // namespace

CsvTable readCsv(const std::wstring& text, size_t maxRecords) {
    CsvTable table;
    int line = 1;
    size_t at = 0;
    while (at < text.size() && table.records.size() < maxRecords) {
        if (isLineEnd(text[at])) {  // a blank line
            at = afterLineEnd(text, at);
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        for (;;) {
            std::wstring field;
            if (at < text.size() && text[at] == L'"') {
                at = readQuoted(text, at, field, line);
                if (at == std::wstring::npos) {
                    table.badLine = record.line;
                    table.reason = L"a quoted field is not closed";
                    return table;
                }
                if (at < text.size() && text[at] != L',' && !isLineEnd(text[at])) {
                    table.badLine = record.line;
                    table.reason = L"a character follows a closing quote";
                    return table;
                }
            } else {
                while (at < text.size() && text[at] != L',' && !isLineEnd(text[at])) field += text[at++];
            }
            record.fields.push_back(std::move(field));
            if (at < text.size() && text[at] == L',') {
                ++at;
                continue;
            }
            break;
        }
        if (at < text.size()) {
            at = afterLineEnd(text, at);
            ++line;
        }
        table.records.push_back(std::move(record));
    }
    table.ok = true;
    return table;
}

std::wstring csvField(const std::wstring& field) {
    const bool blankEnds = !field.empty() && (field.front() == L' ' || field.back() == L' ');
    if (field.find_first_of(L",\"\r\n") == std::wstring::npos && !blankEnds) return field;
    std::wstring quoted = L"\"";
    for (wchar_t c : field) {
        if (c == L'"') quoted += L'"';
        quoted += c;
    }
    return quoted + L"\"";
}

std::wstring csvCellOf(const std::wstring& text) { return startsFormula(text) ? L"'" + text : text; }

std::wstring csvTextOf(const std::wstring& cell) {
    return !cell.empty() && cell.front() == L'\'' && startsFormula(cell) ? cell.substr(1) : cell;
}
