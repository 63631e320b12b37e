#include "panel/SourceForm.h"

#include <cwchar>

#include "framework/DataExchange.h"
#include "model/MinutesRule.h"
#include "resource.h"

namespace source_form {
namespace {
const char kNoUrl[] = "URL またはファイルを入力してください";
const char kRefreshRange[] = "更新間隔は10～86400秒にしてください";
const char kMaxItemsRange[] = "最大件数は1～500にしてください";

const int kFields[] = {IDC_SOURCE_EXEC,   IDC_SOURCE_NAME,     IDC_SOURCE_URL,        IDC_SOURCE_BROWSE,
                       IDC_SOURCE_FORMAT, IDC_SOURCE_FIELD,    IDC_SOURCE_REFRESH,    IDC_SOURCE_MAXITEMS,
                       IDC_SOURCE_PREFIX, IDC_SOURCE_MODE_CYCLE, IDC_SOURCE_MODE_CUTIN, IDC_SOURCE_PROBE};
const int kAlertFields[] = {IDC_SOURCE_MATCH, IDC_SOURCE_AREA, IDC_SOURCE_MINUTE};

std::wstring textOf(HWND dialog, int id) { return fw::GetWindowTextWide(GetDlgItem(dialog, id)); }

// A whole number of at most six digits; -1 for anything else.
int numberOf(HWND dialog, int id) {
    const std::wstring text = textOf(dialog, id);
    if (text.empty() || text.size() > 6) return -1;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value;
}

void setNumber(HWND dialog, int id, int value) { SetDlgItemTextW(dialog, id, std::to_wstring(value).c_str()); }
}  // namespace

void show(HWND dialog, const SourceSettings& s) {
    CheckDlgButton(dialog, IDC_SOURCE_EXEC, s.exec ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextW(dialog, IDC_SOURCE_NAME, s.name.c_str());
    SetDlgItemTextW(dialog, IDC_SOURCE_URL, s.url.c_str());
    SendDlgItemMessageW(dialog, IDC_SOURCE_FORMAT, CB_SETCURSEL, static_cast<WPARAM>(s.format), 0);
    SetDlgItemTextW(dialog, IDC_SOURCE_FIELD, s.field.c_str());
    setNumber(dialog, IDC_SOURCE_REFRESH, s.refreshSeconds);
    setNumber(dialog, IDC_SOURCE_MAXITEMS, s.maxItems);
    SetDlgItemTextW(dialog, IDC_SOURCE_PREFIX, s.prefix.c_str());
    CheckRadioButton(dialog, IDC_SOURCE_MODE_CYCLE, IDC_SOURCE_MODE_CUTIN,
                     s.mode == SourceMode::CutIn ? IDC_SOURCE_MODE_CUTIN : IDC_SOURCE_MODE_CYCLE);
    SetDlgItemTextW(dialog, IDC_SOURCE_MATCH, s.match.c_str());
    SetDlgItemTextW(dialog, IDC_SOURCE_AREA, s.area.c_str());
    setNumber(dialog, IDC_SOURCE_MINUTE, s.cutInMinutes);
}

void take(HWND dialog, SourceSettings& s) {
    s.exec = IsDlgButtonChecked(dialog, IDC_SOURCE_EXEC) == BST_CHECKED ? 1 : 0;
    s.name = textOf(dialog, IDC_SOURCE_NAME);
    s.url = textOf(dialog, IDC_SOURCE_URL);
    const LRESULT format = SendDlgItemMessageW(dialog, IDC_SOURCE_FORMAT, CB_GETCURSEL, 0, 0);
    s.format = format >= 0 && format <= static_cast<LRESULT>(SourceFormat::Text) ? static_cast<SourceFormat>(format)
                                                                                 : SourceFormat::Auto;
    s.field = textOf(dialog, IDC_SOURCE_FIELD);
    s.refreshSeconds = numberOf(dialog, IDC_SOURCE_REFRESH);
    s.maxItems = numberOf(dialog, IDC_SOURCE_MAXITEMS);
    s.prefix = textOf(dialog, IDC_SOURCE_PREFIX);
    s.mode = IsDlgButtonChecked(dialog, IDC_SOURCE_MODE_CUTIN) == BST_CHECKED ? SourceMode::CutIn : SourceMode::Cycle;
    s.match = textOf(dialog, IDC_SOURCE_MATCH);
    s.area = textOf(dialog, IDC_SOURCE_AREA);
    s.cutInMinutes = numberOf(dialog, IDC_SOURCE_MINUTE);
}

void enable(HWND dialog, bool chosen, bool alerts) {
    for (int id : kFields) EnableWindow(GetDlgItem(dialog, id), chosen ? TRUE : FALSE);
    for (int id : kAlertFields) EnableWindow(GetDlgItem(dialog, id), chosen && alerts ? TRUE : FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_SOURCE_DELETE), chosen ? TRUE : FALSE);
}

const char* problemOf(const SourceSettings& s, int& control) {
    SourceSettings bounded = s;
    boundSourceSettings(bounded);
    if (bounded.url.empty()) {
        control = IDC_SOURCE_URL;
        return kNoUrl;
    }
    if (s.refreshSeconds < SourceSettings::kMinRefreshSeconds || s.refreshSeconds > SourceSettings::kMaxRefreshSeconds) {
        control = IDC_SOURCE_REFRESH;
        return kRefreshRange;
    }
    if (s.maxItems < 1 || s.maxItems > SourceSettings::kMaxMaxItems) {
        control = IDC_SOURCE_MAXITEMS;
        return kMaxItemsRange;
    }
    if (s.mode == SourceMode::CutIn && minutesProblem(s.cutInMinutes)) {
        control = IDC_SOURCE_MINUTE;
        return minutesProblem(s.cutInMinutes);
    }
    return nullptr;
}

std::wstring cell(const SourceSettings& s, int number, int column) {
    switch (column) {
    case 0: return std::to_wstring(number);
    case 1: return s.exec ? L"ON" : L"OFF";
    case 2: return s.name;
    case 3: return s.mode == SourceMode::CutIn ? L"割り込み" : L"流す";
    default: return s.url;
    }
}

std::wstring probeText(const SourceProbe& probe) {
    if (!probe.ok) return L"取得できません: " + probe.reason;
    std::wstring text = std::to_wstring(probe.count) + L"件";
    if (!probe.note.empty()) text += L"（" + probe.note + L"）";
    if (probe.first.empty()) return text;
    text += L": ";
    for (size_t i = 0; i < probe.first.size(); ++i) text += (i ? L" ／ " : L"") + probe.first[i];
    return text;
}

}  // namespace source_form
