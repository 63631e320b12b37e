#include "panel/AirWindowDlg.h"

#include <string>

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "panel/AirTimeText.h"
#include "resource.h"

namespace {

const char kNoDay[] = "曜日が1つも選ばれていません";
const char kBadPlays[] = "回数は1～9999の整数にしてください";
const int kMaxPlays = 9999;
const int kFieldChars = 16;  // the longest field, "YYYY-MM-DD HH:MM"

// Each part: its check box and the fields it switches.
struct Part {
    int check;
    int fields[7];
};
const Part kParts[] = {
    {IDC_AIR_FROM_ON, {IDC_AIR_FROM}},
    {IDC_AIR_UNTIL_ON, {IDC_AIR_UNTIL}},
    {IDC_AIR_HOURS_ON, {IDC_AIR_HOURS_START, IDC_AIR_HOURS_END}},
    {IDC_AIR_DAYS_ON, {IDC_AIR_DAY1, IDC_AIR_DAY2, IDC_AIR_DAY3, IDC_AIR_DAY4, IDC_AIR_DAY5, IDC_AIR_DAY6, IDC_AIR_DAY7}},
    {IDC_AIR_PLAYS_ON, {IDC_AIR_PLAYS}},
};

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The window's problem (UTF-8) in the page's code page, for the message box.
std::string shownProblem(const char* problem) { return fw::CodePage932FromWide(fw::Widen(problem, CP_UTF8)); }

// The field to put the focus on for a problem of `window`: the first part that is wrong by
// itself; otherwise the end, which then lies before the start.
int problemField(const AirWindow& window) {
    AirWindow part;
    part.from = window.from;
    if (airWindowProblem(part)) return IDC_AIR_FROM;
    part = AirWindow{};
    part.until = window.until;
    if (airWindowProblem(part)) return IDC_AIR_UNTIL;
    part = AirWindow{};
    part.hours = window.hours;
    if (airWindowProblem(part)) return IDC_AIR_HOURS_START;
    return IDC_AIR_UNTIL;
}

}  // namespace

CAirWindowDlg::CAirWindowDlg(HWND parent) : fw::Dialog(IDD_AIR_WINDOW, parent) {}

BOOL CAirWindowDlg::OnInitDialog() {
    for (int id : {IDC_AIR_FROM, IDC_AIR_UNTIL, IDC_AIR_HOURS_START, IDC_AIR_HOURS_END, IDC_AIR_PLAYS})
        SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, kFieldChars, 0);
    fw::Dialog::OnInitDialog();
    enableFields();
    return TRUE;
}

void CAirWindowDlg::DoDataExchange(fw::DataExchange& dx) {
    int fromOn = m_window.from.empty() ? 0 : 1;
    int untilOn = m_window.until.empty() ? 0 : 1;
    int hoursOn = m_window.hours.empty() ? 0 : 1;
    int daysOn = m_window.days.empty() ? 0 : 1;
    int playsOn = m_window.plays > 0 ? 1 : 0;
    // An unset date and time shows the present minute, the form to type over.
    const std::string now = dx.Saving() ? std::string() : localMinuteText(localMinuteNow());
    std::string from = m_window.from.empty() ? now : m_window.from;
    std::string until = m_window.until.empty() ? now : m_window.until;
    const std::size_t dash = m_window.hours.find('-');
    std::string hoursStart = m_window.hours.substr(0, dash);
    std::string hoursEnd = dash == std::string::npos ? std::string() : m_window.hours.substr(dash + 1);
    int days[7] = {};
    for (int day = 0; day < 7; ++day) days[day] = m_window.days.find(static_cast<char>('1' + day)) != std::string::npos;
    std::string plays = playsOn ? std::to_string(m_window.plays) : std::string();

    dx.Check(IDC_AIR_FROM_ON, fromOn);
    dx.Text(IDC_AIR_FROM, from);
    dx.Check(IDC_AIR_UNTIL_ON, untilOn);
    dx.Text(IDC_AIR_UNTIL, until);
    dx.Check(IDC_AIR_HOURS_ON, hoursOn);
    dx.Text(IDC_AIR_HOURS_START, hoursStart);
    dx.Text(IDC_AIR_HOURS_END, hoursEnd);
    dx.Check(IDC_AIR_DAYS_ON, daysOn);
    for (int day = 0; day < 7; ++day) dx.Check(IDC_AIR_DAY1 + day, days[day]);
    dx.Check(IDC_AIR_PLAYS_ON, playsOn);
    dx.Text(IDC_AIR_PLAYS, plays);
    if (!dx.Saving()) return;

    // A part whose box is unchecked is unset, whatever its fields hold.
    AirWindow read;
    if (fromOn) read.from = trimmed(from);
    if (untilOn) read.until = trimmed(until);
    if (hoursOn) read.hours = trimmed(hoursStart) + "-" + trimmed(hoursEnd);
    if (daysOn) {
        for (int day = 0; day < 7; ++day)
            if (days[day]) read.days += static_cast<char>('1' + day);
        if (!dx.Validate(IDC_AIR_DAY1, read.days.empty() ? kNoDay : nullptr)) return;
    }
    if (playsOn) {
        const std::string digits = trimmed(plays);
        const bool whole = !digits.empty() && digits.size() <= 4 && digits.find_first_not_of("0123456789") == std::string::npos;
        read.plays = whole ? std::stoi(digits) : 0;
        if (!dx.Validate(IDC_AIR_PLAYS, read.plays < 1 || read.plays > kMaxPlays ? kBadPlays : nullptr)) return;
    }
    if (const char* problem = airWindowProblem(read)) {
        dx.Validate(problemField(read), shownProblem(problem).c_str());
        return;
    }
    m_window = read;
}

bool CAirWindowDlg::OnButtonClicked(int id) {
    for (const Part& part : kParts) {
        if (part.check != id) continue;
        enableFields();
        return true;
    }
    return fw::Dialog::OnButtonClicked(id);
}

void CAirWindowDlg::enableFields() {
    for (const Part& part : kParts) {
        const BOOL on = IsDlgButtonChecked(m_hWnd, part.check) == BST_CHECKED ? TRUE : FALSE;
        for (int field : part.fields)
            if (field != 0) EnableWindow(GetDlgItem(field), on);
    }
}
