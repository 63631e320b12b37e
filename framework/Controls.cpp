#include "framework/Controls.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace fw {
namespace {
// A decimal number as typed: blanks around it, a sign, digits and thousands separators.
int TypedNumber(const std::string& text, char thousands) {
    const char* blanks = " \t";
    size_t pos = text.find_first_not_of(blanks);
    if (pos == std::string::npos) return 0;
    size_t end = text.find_last_not_of(blanks) + 1;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    if (pos >= end) return 0;
    long long value = 0;
    for (; pos < end; ++pos) {
        char c = text[pos];
        if (c == thousands) continue;
        if (c < '0' || c > '9') return 0;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(negative ? -value : value);
}

char ThousandsSeparator() {
    char separator[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) > 1
               ? separator[0]
               : ',';
}
}  // namespace

int UpDown::TypedPos32() const {
    BOOL error = FALSE;
    int position = GetPos32(&error);
    if (!error) return position;
    HWND buddy = reinterpret_cast<HWND>(Send(UDM_GETBUDDY));
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(buddy)) + 1, '\0');
    GetWindowTextA(buddy, text.data(), static_cast<int>(text.size()));
    return TypedNumber(text.data(), ThousandsSeparator());
}

int ListView::InsertColumn(int column, const char* header, int format, int width) const {
    LVCOLUMNA col{};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    col.fmt = format;
    col.cx = width;
    col.pszText = const_cast<char*>(header);
    col.iSubItem = column;
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                 reinterpret_cast<LPARAM>(&col)));
}

int ListView::InsertItem(int row, const char* text) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetItemText(int row, int column, const char* text) const {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

bool ListView::SetItemText(int row, int column, const wchar_t* text) const {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text);
    return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string ListView::GetItemText(int row, int column) const {
    std::vector<char> buffer(4096, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    LRESULT length = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace fw
