#pragma once
// CSV as RFC 4180 writes it: fields separated by commas, records by CRLF or LF; a field in
// double quotes may hold commas, line breaks and quotes written twice. A quote inside an
// unquoted field is taken as a character. Works on text already decoded (decodeTextBytes).
#include <string>
#include <vector>

struct CsvRecord {
    std::vector<std::wstring> fields;
    int line = 0;  // the line the record starts on, from 1
};

struct CsvTable {
    bool ok = false;
    std::vector<CsvRecord> records;  // blank lines are no records
    int badLine = 0;                 // when not ok: the line of the record that broke
    std::wstring reason;
};

// At most maxRecords records are read (the rest is left); a quote left open at the end, or a
// character after a closing quote other than a comma or a line end, fails.
CsvTable readCsv(const std::wstring& text, size_t maxRecords);

// A field as CSV writes it: in quotes (quotes doubled) when it holds a comma, a quote, a line
// break, or blanks at either end; as it is otherwise.
std::wstring csvField(const std::wstring& field);

// A spreadsheet takes a cell that begins with = + - or @ for a formula and runs it, and may take
// one that begins with a tab or a carriage return for one too. csvCellOf writes such a text with
// one more apostrophe in front, which makes it text; and so a text whose leading apostrophes are
// followed by such a character, so that csvTextOf, which drops one apostrophe in exactly those
// cases, gives every text back as it was ("'=x" is written "''=x"; "'hello" stays as it is).
std::wstring csvCellOf(const std::wstring& text);
std::wstring csvTextOf(const std::wstring& cell);
