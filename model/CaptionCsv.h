#pragma once
// The caption list to and from CSV, for a spreadsheet: a header "テキスト,分", then one row per
// caption with its text and its minutes; with a third column "レーン", the lane of each; with
// the five columns "開始,終了,時間帯,曜日,回数" after those, each caption's time on air (the
// settings file's forms; a blank cell leaves its part unset).
#include <string>
#include <vector>

#include "model/CaptionList.h"

// The list as CSV in UTF-8 with a byte-order mark (Excel then reads it as UTF-8), CRLF line ends,
// a field in quotes where it must be (commas, quotes, line breaks, blanks at its ends). A text that
// a spreadsheet would run as a formula gets an apostrophe in front (csvCellOf), which the import
// takes off again. The lane column is written only while a caption is not on lane 1, the columns
// of the time on air only while a caption has one.
std::string captionListToCsv(const CaptionList& list);

struct CaptionCsvImport {
    enum class Problem {
        None,
        NotCsv,       // a quote left open, or a character after a closing quote
        Header,       // the first row is not "テキスト,分", optionally ",レーン", optionally
                      // ",開始,終了,時間帯,曜日,回数"
        Columns,      // a row without exactly two columns, under "テキスト,分"
        LaneColumns,  // a row without exactly three columns, under "テキスト,分,レーン"
        EmptyText,
        LongText,     // more than kMaxCaptionTextCells
        Minutes,      // not a whole number within 1-60000
        TooManyRows,  // more rows than the list holds
        Lane,         // not a whole number within 1-kMaxLanes
        WindowColumns,  // a row without as many columns as a header with "開始,終了,時間帯,曜日,回数"
        Window,         // a time on air airWindowProblem refuses: windowProblem says why
    };
    bool ok = false;
    std::vector<CKirunData> items;  // every row's caption when ok; none otherwise
    int badLine = 0;                // the line the first bad row starts on, from 1
    Problem problem = Problem::None;
    const char* windowProblem = nullptr;  // Window: airWindowProblem's text (UTF-8)
};

// Reads CSV in UTF-8 (with or without a byte-order mark), UTF-16 with its mark, or code page 932
// (what Excel saves in Japan). Blank lines are passed over. The first bad row refuses the whole
// file: its line and what is wrong with it come back, and no item.
CaptionCsvImport captionsFromCsv(const std::string& bytes);
