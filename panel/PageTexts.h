#pragma once
// Every text the operator's page shows in its list and its messages, in one place: what a
// command says when it has no row to work on, or when its row is a caption on air that is no
// list item (the watched file's, the cut-in, the free text) and so cannot be what it asks for.
namespace page_texts {

// Commands with no row selected.
inline constexpr char kSelectToShow[] = "KIRUN表示するデータを一覧で選択してください";
inline constexpr char kSelectToChange[] = "設定変更するデータを一覧で選択してください";
inline constexpr char kSelectToDelete[] = "削除するデータを一覧で選択してください";
inline constexpr char kConfirmDelete[] = "選択したデータを削除しますか？";
inline constexpr char kNotOnDisplay[] = "削除するデータは表示データに含まれていません";
inline constexpr char kShowFileNow[] = "ファイルにあるテキストを今すぐ表示しますか？";
inline constexpr char kListFull[] = "これ以上テキストを追加できません（登録できるのは60000件までです）";

// Commands on the row of a caption that is no list item: it is on air already, and it has no
// item to change or delete (表示から削除 takes it off air).
inline constexpr char kAlreadyOnAir[] = "このキルンはすでに表示中です";
inline constexpr char kCannotChange[] = "このキルンは一覧の項目ではないため変更できません";
inline constexpr char kCannotDelete[] =
    "このキルンは一覧の項目ではないため削除できません。表示から削除で表示から外せます";

// The list's cells.
inline constexpr char kOnAir[] = "表示中";
inline constexpr char kOffAir[] = "------";
// The number column of the captions that are no list item.
inline constexpr char kFileRowMark[] = "ファイル";
inline constexpr char kCutInRowMark[] = "割り込み";
inline constexpr char kFreeTextRowMark[] = "テキスト";

// The list's context menu.
inline constexpr char kCutInShow[] = "割り込み表示";
inline constexpr char kCutInEnd[] = "割り込み終了";
inline constexpr char kRemoteSettings[] = "Web リモート...";

// The caption text dialog's titles.
inline constexpr char kAddTextTitle[] = "テキスト追加";
inline constexpr char kChangeTextTitle[] = "テキスト変更";

}  // namespace page_texts
