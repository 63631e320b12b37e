#include "panel/ControlDlg.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "display/KirunWin.h"
#include "display/RunList.h"
#include "fileif/FileSelDlg.h"
#include "framework/App.h"
#include "framework/Mbcs.h"
#include "framework/MessageBox.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"
#include "model/StartupState.h"
#include "panel/KirunSettingDlg.h"
#include "panel/PropatyDlg.h"
#include "resource.h"

namespace {
const char kSelectToShow[] = "KIRUN表示するデータを一覧で選択してください";
const char kSelectToChange[] = "設定変更するデータを一覧で選択してください";
const char kConfirmDelete[] = "選択したデータを削除しますか？";
const char kSelectToDelete[] = "削除更するデータを一覧で選択してください";
const char kNotOnDisplay[] = "削除するデータは表示データに含まれていません";
const char kListFull[] = "これ以上テキストを追加できません（登録できるのは60000件までです）";

const char kOnAir[] = "表示中";
const char kOffAir[] = "------";
const COLORREF kPageColor = RGB(100, 100, 100);

// The list's columns, their widths in pixels at 96 DPI.
struct ListColumn {
    const char* header;
    int format;
    int width;
};
const ListColumn kListColumns[] = {
    {"No.", LVCFMT_CENTER, 35},
    {"表示(分)", LVCFMT_CENTER, 70},
    {"状態", LVCFMT_CENTER, 50},
    {"ロールテキスト(先頭部)", LVCFMT_LEFT, 300},
};
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// A copy of the text for the strip: every "\r", then every "\n" removed.
std::string oneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') line += c;
    return line;
}
}  // namespace

CControlDlg::CControlDlg()
    : fw::Dialog(IDD_CONTROL_PAGE), bgBrush(CreateSolidBrush(kPageColor)), iniPath(settingsFilePath()) {}

CControlDlg::~CControlDlg() {
    // Normally gone with the page's own DestroyWindow; the strip must never outlive the page
    // that its captions and its end report point to.
    if (captionWin) {
        captionWin->setOwner(nullptr);
        captionWin->setEndListener(nullptr);
        captionWin->DestroyWindow();
        captionWin = nullptr;
    }
}

void CControlDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Bind(IDC_CAPTION_LIST, listCtrl);
}

BOOL CControlDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    SetWindowTextA(m_hWnd, "Kirunner");

    listCtrl.SetExtendedStyle(0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    int column = 0;
    for (const ListColumn& c : kListColumns)
        listCtrl.InsertColumn(column++, c.header, c.format, fw::ScaledForWindow(m_hWnd, c.width));

    loadSettings();
    refreshList();

    captionWin = new CKirunWin();
    if (!captionWin->Hwnd()) {  // no window: the object deletes itself
        captionWin->DestroyWindow();
        captionWin = nullptr;
    }
    if (captionWin) {
        captionWin->setOwner(this);
        captionWin->setEndListener(this);
        applyAppearance();
        captionWin->start();
    }

    if (BatchMode == 1) {
        // However many numbers the command line holds, the list view is rebuilt once. A number
        // given again would only renew, at the same moment, the caption it put on air: each item
        // goes to the strip once, in the order of its first number.
        std::vector<bool> sent(static_cast<size_t>(captionList.count()), false);
        bool anyOnAir = false;
        for (int number : BatchCaptionNumbers) {
            const int position = number - 1;
            if (!captionList.contains(position) || sent[static_cast<size_t>(position)]) continue;
            sent[static_cast<size_t>(position)] = true;
            anyOnAir = sendToStrip(position) || anyOnAir;
        }
        if (anyOnAir) refreshList();
    }
    for (const CaptionCommand& command : StartCommands) runCommand(command);
    // With nothing to roll, no end of rolling would ever come to end the hidden program.
    if (BatchMode == 1 && (!captionWin || captionWin->runList().empty()))
        PostMessageA(m_hWnd, kNothingOnAirMessage, 0, 0);
    fileReader.setTarget(m_hWnd, kFileLookDoneMessage);
    SetTimer(kFileCheckTimer, kFileCheckPeriod);
    return TRUE;
}

void CControlDlg::loadSettings() {
    settingsFile.load(iniPath, appearance, captionList, fileInterface);
    // Told once the start is over: a box shown now would keep this program from taking its
    // command channel for as long as it is open.
    if (settingsFile.guarded()) PostMessageA(m_hWnd, kSettingsUnreadableMessage, 0, 0);
}

void CControlDlg::saveSettings() {
    settingsFile.save(iniPath, appearance, captionList, fileInterface);
}

void CControlDlg::refreshList() {
    listCtrl.SetRedraw(false);
    listCtrl.DeleteAllItems();
    listCtrl.ReserveItems(captionList.count());
    int row = 0;
    for (const CKirunData& item : captionList) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", row + 1);
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%d", item.m_minutes);
        listCtrl.InsertItem(row, number);
        listCtrl.SetItemText(row, 1, minutes);
        listCtrl.SetItemText(row, 2, item.m_state ? kOnAir : kOffAir);
        // The text is asked for when a row is drawn or read: the list view keeps no copy of
        // texts of up to a thousand bytes for each of up to 60,000 rows.
        listCtrl.SetItemText(row, 3, LPSTR_TEXTCALLBACKA);
        ++row;
    }
    listCtrl.SetRedraw(true);
}

LRESULT CControlDlg::OnGetDispInfo(NMLVDISPINFOA* info) {
    LVITEMA& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != 3 || !item.pszText || item.cchTextMax <= 0)
        return 0;
    item.pszText[0] = '\0';
    if (!captionList.contains(item.iItem)) return 0;
    const std::string text = fw::CutToBytes(captionList.at(item.iItem).m_text,
                                            static_cast<size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.c_str(), text.size() + 1);
    return 0;
}

void CControlDlg::putOnAir(int position) {
    if (sendToStrip(position)) refreshList();
}

bool CControlDlg::sendToStrip(int position) {
    if (!captionList.contains(position) || !captionWin) return false;
    std::string line = oneLine(captionList.at(position).m_text);
    captionWin->addKirun(position, line.c_str(), captionList.at(position).m_minutes, this);
    captionList.setStateAt(position, 1);
    return true;
}

void CControlDlg::applyAppearance() {
    if (!captionWin) return;
    applyFontChoice(appearance.logFont, appearance.sizeChoice);
    captionFont.reset(CreateFontIndirectA(&appearance.logFont));
    captionWin->setLook(stripLookFor(appearance, captionFont.get()));
}

void CControlDlg::onKirunEnd(int index) {
    if (!captionList.contains(index)) return;  // the text-file caption among others
    captionList.setStateAt(index, 0);
    // Only the row's state changes: many captions may end in one tick, and rebuilding the
    // whole list for each would cost the number of rows again per caption.
    showRowState(index);
}

void CControlDlg::showRowState(int position) {
    if (captionList.contains(position))
        listCtrl.SetItemText(position, 2, captionList.at(position).m_state ? kOnAir : kOffAir);
}

CommandResult CControlDlg::runCommand(const CaptionCommand& command) {
    const int position = command.number - 1;
    switch (command.kind) {
    case CaptionCommand::kShowItem:
        if (!captionList.contains(position)) return CommandResult::kNoSuchItem;
        if (sendToStrip(position)) showRowState(position);
        break;
    case CaptionCommand::kHideItem:
        if (!captionList.contains(position)) return CommandResult::kNoSuchItem;
        if (captionWin && captionWin->removeKirun(position)) {
            captionList.setStateAt(position, 0);
            showRowState(position);
        }
        break;
    case CaptionCommand::kClearAll:
        takeEverythingOffAir();
        break;
    case CaptionCommand::kShowText:
        if (captionWin)
            captionWin->addKirun(kFreeTextIndex, oneLine(command.text).c_str(), command.minutes, this);
        break;
    }
    return CommandResult::kDone;
}

void CControlDlg::takeEverythingOffAir() {
    if (!captionWin) return;
    for (int position = 0; position < captionList.count(); ++position) {
        if (!captionList.at(position).m_state) continue;
        captionWin->removeKirun(position);
        captionList.setStateAt(position, 0);
        showRowState(position);
    }
    captionWin->removeKirun(kFileCaptionIndex);
    captionWin->removeKirun(kFreeTextIndex);
}

void CControlDlg::onAllRollEnd() {
    std::printf("ALL ROLL END\n");
    std::fflush(stdout);
    if (autoExit == 1) closeProgram();
}

void CControlDlg::onKirunWinGone() {
    captionWin = nullptr;
}

void CControlDlg::closeProgram() {
    SendMessageA(GetParent(), WM_CLOSE, 0, 0);
    std::printf("●●CLOSE\n");
    std::fflush(stdout);
}

void CControlDlg::checkTextFile() {
    takeFileLook();  // in case its message was lost
    if (fileInterface.fileExec == 0) return;
    TextFileLook look;
    look.fileExec = fileInterface.fileExec;
    look.filePath = fileInterface.filePath;
    look.watch = fileWatch;
    look.ticket = fileLookTicket;
    fileReader.start(look);  // refused while a look is under way: this tick is skipped
}

void CControlDlg::takeFileLook() {
    TextFileLook look;
    if (!fileReader.take(look)) return;
    if (look.ticket != fileLookTicket) return;  // taken for a file or switch since changed
    fileWatch = look.watch;
    if (look.shown && captionWin)
        captionWin->addKirun(kFileCaptionIndex, look.text.c_str(), fileInterface.fileMinute, this);
}

BOOL CControlDlg::DestroyWindow() {
    if (captionWin) {
        captionWin->DestroyWindow();
        captionWin = nullptr;
    }
    KillTimer(kFileCheckTimer);
    fileReader.stop();
    return fw::Dialog::DestroyWindow();
}

void CControlDlg::scaleListColumns() {
    int column = 0;
    for (const ListColumn& c : kListColumns)
        listCtrl.SetColumnWidth(column++, fw::ScaledForWindow(m_hWnd, c.width));
}

void CControlDlg::PostNcDestroy() {
    captionFont.reset();
    fw::Dialog::PostNcDestroy();
}

LRESULT CControlDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && OnCommand(LOWORD(wp))) return 0;
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
        return OnCtlColor(msg, wp, lp);
    case WM_TIMER:
        OnTimer(wp);
        return Default(msg, wp, lp);
    case WM_DPICHANGED_AFTERPARENT:
        // The system scales the page's controls to its new monitor, but not the columns.
        scaleListColumns();
        return Default(msg, wp, lp);
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lp);
        if (header && header->idFrom == IDC_CAPTION_LIST && header->code == LVN_GETDISPINFOA)
            return OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(lp));
        break;
    }
    case kNothingOnAirMessage:
        ProgramExitCode = kExitNothingOnAir;
        closeProgram();
        return 0;
    case kFileLookDoneMessage:
        takeFileLook();
        return 0;
    case kSettingsUnreadableMessage:
        // A batch run has no visible window to own a message box.
        settingsFile.reportUnreadable(iniPath, BatchMode == 1);
        return 0;
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

bool CControlDlg::OnCommand(int id) {
    switch (id) {
    case IDC_ADD_TEXT: OnAddText(); return true;
    case IDC_CHANGE_TEXT: OnChangeText(); return true;
    case IDC_DELETE_TEXT: OnDeleteText(); return true;
    case IDC_DISPLAY_ON: OnDisplayOn(); return true;
    case IDC_DISPLAY_OFF: OnDisplayOff(); return true;
    case IDC_ADD_TO_CAPTION: OnAddToCaption(); return true;
    case IDC_REMOVE_FROM_DISPLAY: OnRemoveFromDisplay(); return true;
    case IDC_CAPTION_SETTINGS: OnCaptionSettings(); return true;
    case IDC_FILE_INTERFACE: OnFileInterface(); return true;
    }
    return false;
}

int CControlDlg::selectedItem(const char* noSelectionMessage) const {
    // The highlighted row: the selection mark stays behind when a click on the blank area
    // below the rows takes the highlight away.
    int position = listCtrl.GetFirstSelected();
    if (position == -1) {
        fw::ShowMessage(noSelectionMessage);
        return -1;
    }
    return captionList.contains(position) ? position : -1;
}

void CControlDlg::OnAddToCaption() {
    int position = selectedItem(kSelectToShow);
    if (position == -1) return;
    putOnAir(position);
}

void CControlDlg::OnRemoveFromDisplay() {
    int position = selectedItem(kSelectToShow);
    if (position == -1) return;
    if (!captionWin) return;
    if (!captionWin->removeKirun(position)) {
        fw::ShowMessage(kNotOnDisplay);
        return;
    }
    captionList.setStateAt(position, 0);
    refreshList();
}

void CControlDlg::OnDisplayOn() {
    if (captionWin) captionWin->ShowWindow(SW_SHOWNA);  // the operator's window keeps the focus
}

void CControlDlg::OnDisplayOff() {
    if (captionWin) captionWin->ShowWindow(SW_HIDE);
}

void CControlDlg::OnCaptionSettings() {
    CPropatyDlg dlg;
    dlg.setSettings(appearance);
    if (dlg.DoModal() != IDOK) return;
    appearance = dlg.settings();
    saveSettings();
    applyAppearance();  // lays the strip out again
}

void CControlDlg::OnAddText() {
    if (captionList.full()) {
        fw::ShowMessage(kListFull);
        return;
    }
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData());
    if (dlg.DoModal() != IDOK) return;
    captionList.append(dlg.m_data);
    refreshList();
    saveSettings();
}

void CControlDlg::OnChangeText() {
    int position = selectedItem(kSelectToChange);
    if (position == -1) return;
    CKirunSettingDlg dlg;
    dlg.setData(captionList.at(position));
    if (dlg.DoModal() != IDOK) return;
    // The caption may have ended or gone on air while the dialog was open: keep its state now.
    CKirunData edited = dlg.m_data;
    edited.m_state = captionList.at(position).m_state;
    captionList.replaceAt(position, edited);
    refreshList();
    saveSettings();
}

void CControlDlg::OnDeleteText() {
    int position = selectedItem(kSelectToDelete);
    if (position == -1) return;
    if (fw::ShowMessage(kConfirmDelete, MB_YESNO) != IDYES) return;
    if (captionWin) {
        // The item's own caption leaves the strip; the others stay tied to their items.
        captionWin->removeKirun(position);
        captionWin->shiftIndicesAfter(position);
    }
    captionList.eraseAt(position);
    refreshList();
    saveSettings();
}

LRESULT CControlDlg::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    Default(msg, wp, lp);
    return reinterpret_cast<LRESULT>(bgBrush.get());
}

void CControlDlg::OnFileInterface() {
    CFileSelDlg dlg;
    dlg.fileExec = fileInterface.fileExec;
    dlg.filePath = fileInterface.filePath;
    dlg.fileMinute = fileInterface.fileMinute;
    if (dlg.DoModal() != IDOK) return;
    const bool pathChanged = dlg.filePath != fileInterface.filePath;
    if (dlg.fileExec != fileInterface.fileExec || pathChanged) {
        fileWatch.lastFileDataValid = 0;  // the next check takes a new baseline
        ++fileLookTicket;                 // and a look still under way counts for nothing
    }
    // The file's caption has no row to take it off air: switching the interface off or
    // watching another file does it here.
    if (captionWin && (dlg.fileExec == 0 || pathChanged)) captionWin->removeKirun(kFileCaptionIndex);
    fileInterface.fileExec = dlg.fileExec;
    fileInterface.filePath = dlg.filePath;
    fileInterface.fileMinute = dlg.fileMinute;
    saveSettings();
}

void CControlDlg::OnTimer(UINT_PTR id) {
    if (id == kFileCheckTimer) checkTextFile();
}
