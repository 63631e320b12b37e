#pragma once
// What the page answers when a button of the list is used on a row that is on air but no list
// item (the watched file's caption, a cut-in, a free text).
#include "resource.h"

namespace testing_support {

struct RefusedButton {
    int button;
    const char* message;
};

inline constexpr RefusedButton kRefusedOnNonItemRows[] = {
    {IDC_ADD_TO_CAPTION, "このキルンはすでに表示中です"},
    {IDC_CHANGE_TEXT, "このキルンは一覧の項目ではないため変更できません"},
    {IDC_DELETE_TEXT, "このキルンは一覧の項目ではないため削除できません。表示から削除で表示から外せます"},
};

}  // namespace testing_support
