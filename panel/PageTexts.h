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
// The item a question or a dialog was about was deleted (by the remote) while it was open.
inline constexpr char kChosenGone[] = "選んだテキストは、ほかの操作で削除されました";
inline constexpr char kListFull[] = "これ以上テキストを追加できません（登録できるのは60000件までです）";

// Commands on the row of a caption that is no list item: it is on air already, and it has no
// item to change or delete (表示から削除 takes it off air).
inline constexpr char kAlreadyOnAir[] = "このキルンはすでに表示中です";
inline constexpr char kCannotChange[] = "このキルンは一覧の項目ではないため変更できません";
inline constexpr char kCannotDelete[] =
    "このキルンは一覧の項目ではないため削除できません。表示から削除で表示から外せます";
// The same commands on a data source's row.
inline constexpr char kSourceRowAnswer[] =
    "この行はデータソースです。データソース設定（一覧の右クリック）で変更できます。表示から削除でその項目を表示から外せます";

// The list's cells.
inline constexpr char kOnAir[] = "表示中";
inline constexpr char kOffAir[] = "------";
// A list item with a time on air: waiting for its window, and over (its end or plays passed).
inline constexpr char kWaitingForAir[] = "予定";
inline constexpr char kAirOver[] = "終了";
// The time left cell of a waiting item, "<when>から", and of one on air with plays left.
inline constexpr char kOpensAtFormat[] = "%sから";
inline constexpr char kPlaysLeftFormat[] = "残り%d回";
// The number column of the captions that are no list item.
inline constexpr char kFileRowMark[] = "ファイル";
inline constexpr char kCutInRowMark[] = "割り込み";
inline constexpr char kFreeTextRowMark[] = "テキスト";
// A data source's row: the mark and its number, its state.
inline constexpr char kSourceRowMark[] = "ソース";
inline constexpr char kSourceOff[] = "停止中";
inline constexpr char kSourceWatching[] = "監視中";

// The list's context menu.
inline constexpr char kCutInShow[] = "割り込み表示";
inline constexpr char kCutInEnd[] = "割り込み終了";
inline constexpr char kRemoteSettings[] = "Web リモート...";
inline constexpr char kSourceSettings[] = "データソース設定...";
inline constexpr char kCsvExport[] = "CSV書き出し";
inline constexpr char kCsvImport[] = "CSV読み込み";

// The caption list to and from a CSV file.
inline constexpr wchar_t kCsvFilter[] = L"CSV (*.csv)|*.csv|全て(*.*)|*.*||";
inline constexpr char kCsvAddOrReplace[] =
    "追加しますか、置き換えますか？\n\nはい: 今の一覧の後に追加します\nいいえ: 今の一覧と置き換えます\nキャンセル: 読み込みません";
inline constexpr char kCsvUnreadable[] = "ファイルを読み込めません";
// A file over kMaxCaptionCsvBytes (model/CaptionCsvFile.h), and one that did not fit in memory.
inline constexpr char kCsvTooLarge[] = "ファイルが大きすぎます（64 MiB まで）。一覧は変わっていません";
inline constexpr char kCsvNoMemory[] = "ファイルが大きすぎます";
inline constexpr char kCsvNotWritten[] = "ファイルに書き出せません";
inline constexpr char kCsvListFull[] = "一覧に入りきりません（登録できるのは60000件までです）。一覧は変わっていません";
// A refused file: "CSVの<line>行目を読み込めません（<what>）。一覧は変わっていません".
inline constexpr char kCsvBadLine[] = "CSVの%d行目を読み込めません（%s）。一覧は変わっていません";
inline constexpr char kCsvNotCsv[] = "引用符が閉じていないか、閉じた引用符の後に文字があります";
inline constexpr char kCsvHeader[] = "1行目は見出し『テキスト,分』か『テキスト,分,レーン』にしてください";
inline constexpr char kCsvColumns[] = "列がテキストと分の2つではありません";
inline constexpr char kCsvLaneColumns[] = "列がテキストと分とレーンの3つではありません";
inline constexpr char kCsvWindowColumns[] = "列の数が見出しの列の数と違います";
inline constexpr char kCsvEmptyText[] = "テキストが空です";
inline constexpr char kCsvLongText[] = "テキストが長すぎます（半角1000文字まで）";
inline constexpr char kCsvMinutes[] = "分が1～60000の整数ではありません";
inline constexpr char kCsvLane[] = "レーンが1～4の整数ではありません";
inline constexpr char kCsvTooManyRows[] = "行が多すぎます（60000件まで）";

// The caption text dialog's titles.
inline constexpr char kAddTextTitle[] = "テキスト追加";
inline constexpr char kChangeTextTitle[] = "テキスト変更";

}  // namespace page_texts
