// Takes the pictures of the operator's guide. Starts Kirunner.exe in C:\Kirunner with a prepared
// caption list, works it as an operator would and, for each window to show, writes
// "SHOT <name> <left> <top> <right> <bottom>" on standard output and waits until <name>.png has
// appeared in the picture folder: the calling script (scripts/guide-screenshots.sh) cuts that
// rectangle out of the screen, so the pictures show exactly what X shows.
// Usage: guide_shots PICTURE_FOLDER   (KIRUNNER_EXE names the program, as for the ui tests)
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "FeedDocuments.h"
#include "FeedServer.h"
#include "KirunnerProcess.h"
#include "TempDir.h"
#include "framework/Mbcs.h"
#include "model/HexCodec.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const char kFolder[] = "C:\\Kirunner";
const char kAppearanceDialog[] = "キルン設定";
const char kAddTextDialog[] = "テキスト追加";  // the caption text dialog, as each command opens it
const char kChangeTextDialog[] = "テキスト変更";
const UINT kAboutCommand = 0x0010;
// At 40 pixels a second: the first caption has passed twice (it follows itself once when it
// starts) and the second has come well in.
const DWORD kScrollMs = 30000;

std::string g_pictures;
int g_failures = 0;

void Fail(const char* what) {
    std::printf("FAILED %s\n", what);
    std::fflush(stdout);
    ++g_failures;
}

// Runs a second copy of the program in the folder with commands for the running one, to its end.
void Command(const std::string& arguments) {
    KirunnerProcess second;
    if (!second.StartProgram(std::string(kFolder) + "\\Kirunner.exe", arguments, kFolder) ||
        !second.WaitForExit(kTimeout))
        Fail(arguments.c_str());
}

// The rows of the list that show `column` = `text`.
bool RowShows(HWND list, int row, int column, const std::string& text) {
    const auto rows = ReadListView(list, column + 1);
    return rows.size() > static_cast<size_t>(row) && rows[static_cast<size_t>(row)][static_cast<size_t>(column)] == text;
}

// Asks for the picture of a rectangle of the screen and waits until it has been taken.
void Shot(const char* name, const RECT& area) {
    Sleep(500);  // the window has painted itself
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, area.left, area.top, area.right, area.bottom);
    std::fflush(stdout);
    std::string picture = g_pictures + "\\" + name + ".png";
    if (!WaitUntil([&] { return FileExists(picture); }, kTimeout)) Fail(name);
}

// The alert feed of the pictures, in the weather service's form; with `warning` a new entry
// that passes the source's MATCH and AREA.
std::string Utf8Alerts(bool warning) {
    std::vector<AlertEntry> entries = {{"a1", "気象警報・注意報", "東京管区気象台", "東京地方では、強風に注意してください。"}};
    if (warning) entries.insert(entries.begin(), {"a2", "気象警報・注意報", "東京管区気象台",
                                                  "【東京都大雨警報】東京地方では、低い土地の浸水に警戒してください。"});
    return WeatherAtomFeed(entries);
}

void ShotOf(const char* name, HWND window) {
    RECT area{};
    if (!window || !GetWindowRect(window, &area)) return Fail(name);
    Shot(name, area);
}

HWND Shown(HWND window) { return WaitForShown(window, kTimeout) ? window : nullptr; }

void CloseWith(HWND window, int button) {
    PostClick(window, button);
    WaitForGone(window, kTimeout);
}

// A settings file with three captions, large white text at the top edge.
void WriteSettings(const std::vector<std::pair<std::string, int>>& items) {
    std::string ini = "[SYSTEM]\r\nSIZE=2\r\nITEMCOUNT=" + std::to_string(items.size()) + "\r\n";
    for (size_t i = 0; i < items.size(); ++i)
        ini += "[ITEM" + std::to_string(i) + "]\r\nMINUTE=" + std::to_string(items[i].second) +
               "\r\nSTRINGS=" + encodeHex(items[i].first) + "\r\n";
    WriteFileBytes(std::string(kFolder) + "\\Kirunner.ini", ini);
}

void TakePictures(KirunnerProcess& program) {
    HWND main = Shown(program.MainWindow(kTimeout));
    if (!main) return Fail("main window");
    HWND page = ControlPage(main);
    HWND list = GetDlgItem(page, IDC_CAPTION_LIST);
    HWND strip = program.StripWindow(kTimeout);

    // Two captions on air, a cut-in and a free text handed over by a second copy.
    for (int row : {0, 1}) {
        SelectListRow(list, row);
        PostClick(page, IDC_ADD_TO_CAPTION);
        WaitUntil([&] { return RowShows(list, row, 2, "表示中"); }, kTimeout);
    }
    DWORD onAir = GetTickCount();
    Command("-I\"駐車場の案内が変わりました。係員の指示に従ってください。\" -M3");
    Command("-A\"本日はご来場ありがとうございます。\" -M15");
    if (!WaitUntil([&] { return RowShows(list, 4, 0, "テキスト"); }, kTimeout)) Fail("rows of the cut-in and the text");
    SelectListRow(list, 1);
    // Wider than it opens, so that the list shows its last column, the time left.
    RECT opened{};
    GetWindowRect(main, &opened);
    SetWindowPos(main, nullptr, 0, 0, opened.right - opened.left + 240, opened.bottom - opened.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShotOf("main", main);

    // The cut-in taken off through its row.
    SelectListRow(list, 3);
    PostClick(page, IDC_REMOVE_FROM_DISPLAY);
    WaitUntil([&] { return RowShows(list, 3, 0, "テキスト"); }, kTimeout);

    // The strip hidden: 表示OFF held down, 表示OFF中 in the top band.
    PostClick(page, IDC_DISPLAY_OFF);
    if (!WaitUntil([&] { return !WindowText(GetDlgItem(main, IDC_STATUS_LINE)).empty(); }, kTimeout))
        Fail("display-off");
    ShotOf("display-off", main);
    PostClick(page, IDC_DISPLAY_ON);
    WaitUntil([&] { return IsWindowVisible(strip) != FALSE; }, kTimeout);

    // The caption text dialog, opened on the third item with テキスト変更.
    SelectListRow(list, 2);
    PostClick(page, IDC_CHANGE_TEXT);
    HWND dialog = program.WaitForDialog(kChangeTextDialog, kTimeout);
    ShotOf("caption-text", dialog);
    // Its 予定 dialog, filled in for a caption of Monday, Wednesday and Friday evenings.
    if (dialog) {
        PostClick(dialog, IDC_AIR_WINDOW_BUTTON);
        HWND air = program.WaitForDialog("予定", kTimeout);
        if (air) {
            for (int box : {IDC_AIR_FROM_ON, IDC_AIR_HOURS_ON, IDC_AIR_DAYS_ON, IDC_AIR_DAY1, IDC_AIR_DAY3, IDC_AIR_DAY5})
                SendMessageA(GetDlgItem(air, box), BM_CLICK, 0, 0);
            SetDlgItemTextA(air, IDC_AIR_FROM, "2026-12-01 00:00");
            SetDlgItemTextA(air, IDC_AIR_HOURS_START, "18:00");
            SetDlgItemTextA(air, IDC_AIR_HOURS_END, "22:00");
        }
        ShotOf("air-window", air);
        if (air) CloseWith(air, IDCANCEL);
    }
    if (dialog) CloseWith(dialog, IDCANCEL);

    // The appearance dialog as it opens; the colour dialog of the user's text colour, set to the
    // strip's key colour; and the dialog's warning of it.
    PostClick(page, IDC_CAPTION_SETTINGS);
    dialog = program.WaitForDialog(kAppearanceDialog, kTimeout);
    ShotOf("appearance", dialog);
    if (dialog) {
        PostClick(dialog, IDC_COLOR_USER);
        PostClick(dialog, IDC_TEXT_RGB);
        HWND colour = program.WaitForDialog("RGB選択", kTimeout);
        if (colour)
            for (int edit : {IDC_RED_EDIT, IDC_GREEN_EDIT, IDC_BLUE_EDIT}) SetDlgItemTextA(colour, edit, "200");
        ShotOf("rgb", colour);
        if (colour) CloseWith(colour, IDOK);
        if (!WaitUntil([&] { return !WindowText(GetDlgItem(dialog, IDC_KEY_COLOR_WARNING)).empty(); }, kTimeout))
            Fail("appearance-key-colour");
        ShotOf("appearance-key-colour", dialog);
        CloseWith(dialog, IDCANCEL);
    }

    // The text-file interface, filled in as an operator would.
    PostClick(page, IDC_FILE_INTERFACE);
    dialog = program.WaitForDialog("テキストファイルインターフェース", kTimeout);
    if (dialog) {
        SendMessageA(GetDlgItem(dialog, IDC_FILE_ENABLED), BM_SETCHECK, BST_CHECKED, 0);
        SetDlgItemTextA(dialog, IDC_FILE_MINUTES_EDIT, "5");
        SetDlgItemTextA(dialog, IDC_FILE_PATH, "C:\\Kirunner\\news.txt");
    }
    ShotOf("file-interface", dialog);
    if (dialog) CloseWith(dialog, IDCANCEL);

    // The question before a text is deleted, answered with No.
    SelectListRow(list, 2);
    PostClick(page, IDC_DELETE_TEXT);
    HWND box = program.WaitForMessageBox(kTimeout);
    ShotOf("delete-confirm", box);
    if (box) CloseWith(box, IDNO);

    // The message of a settings file that cannot be written.
    const std::string ini = std::string(kFolder) + "\\Kirunner.ini";
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    PostClick(page, IDC_ADD_TEXT);
    dialog = program.WaitForDialog(kAddTextDialog, kTimeout);
    if (dialog) {
        SetDlgItemTextA(dialog, IDC_CAPTION_TEXT, "お知らせ");
        PostClick(dialog, IDOK);
        box = program.WaitForMessageBox(kTimeout);
        ShotOf("save-failed", box);
        if (box) CloseWith(box, IDOK);
    }
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);

    // The about box from the system menu.
    PostMessageA(main, WM_SYSCOMMAND, kAboutCommand, 0);
    dialog = program.WaitForDialog("Kirunnerのﾊﾞｰｼﾞｮﾝ情報", kTimeout);
    ShotOf("about", dialog);
    if (dialog) CloseWith(dialog, IDOK);

    // The strip over the picture on the screen, once the first caption has come well in.
    DWORD elapsed = GetTickCount() - onAir;
    if (elapsed < kScrollMs) Sleep(kScrollMs - elapsed);
    RECT area{};
    if (!strip || !GetWindowRect(strip, &area)) return Fail("strip");
    Shot("strip", RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), area.bottom + 3 * (area.bottom - area.top)});

    PostMessageA(main, WM_CLOSE, 0, 0);
}

// The window of the system's file dialog that the program opened.
HWND FileDialog(KirunnerProcess& program) {
    return program.WaitForWindow([](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && IsWindowVisible(hwnd) && (GetDlgItem(hwnd, cmb13) || GetDlgItem(hwnd, edt1));
    }, kTimeout);
}

// A source added in the data sources' dialog and filled in as an operator would.
void AddSource(HWND dialog, const char* name, const std::string& url, const char* refresh) {
    PostClick(dialog, IDC_SOURCE_ADD);
    const int rows = static_cast<int>(ReadListView(GetDlgItem(dialog, IDC_SOURCE_LIST), 1).size());
    WaitUntil([&] { return static_cast<int>(ReadListView(GetDlgItem(dialog, IDC_SOURCE_LIST), 1).size()) > rows - 1 &&
                           ControlText(GetDlgItem(dialog, IDC_SOURCE_NAME)).rfind("ソース", 0) == 0; }, kTimeout);
    SetDlgItemTextA(dialog, IDC_SOURCE_NAME, name);
    SetDlgItemTextA(dialog, IDC_SOURCE_URL, url.c_str());
    SetDlgItemTextA(dialog, IDC_SOURCE_REFRESH, refresh);
}

// The data sources: a news feed and an alert feed set up in their dialog, the page with their
// rows and an alert cutting in, and the question of CSV読み込み.
void TakeSourcePictures(KirunnerProcess& program, FeedServer& server) {
    HWND main = Shown(program.MainWindow(kTimeout));
    if (!main) return Fail("main window");
    HWND page = ControlPage(main);
    HWND list = GetDlgItem(page, IDC_CAPTION_LIST);

    PostMessageA(page, WM_COMMAND, ID_SOURCE_SETTINGS, 0);
    HWND dialog = program.WaitForDialog("データソース設定", kTimeout);
    if (!dialog) return Fail("sources dialog");
    AddSource(dialog, "ニュース", fw::CodePage932FromWide(server.http(L"/doc/news.rss")), "300");
    SetDlgItemTextA(dialog, IDC_SOURCE_PREFIX, "【ニュース】");
    PostClick(dialog, IDC_SOURCE_PROBE);
    if (!WaitUntil([&] { return ControlText(GetDlgItem(dialog, IDC_SOURCE_PROBE_RESULT)).find("件") != std::string::npos; }, kTimeout))
        Fail("sources-news probe");
    ShotOf("sources-news", dialog);

    AddSource(dialog, "気象警報", fw::CodePage932FromWide(server.http(L"/doc/alerts.xml")), "10");
    PostClick(dialog, IDC_SOURCE_MODE_CUTIN);
    WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_SOURCE_MATCH)) != FALSE; }, kTimeout);
    SetDlgItemTextA(dialog, IDC_SOURCE_MATCH, "警報|地震");
    SetDlgItemTextA(dialog, IDC_SOURCE_AREA, "東京");
    SetDlgItemTextA(dialog, IDC_SOURCE_MINUTE, "3");
    PostClick(dialog, IDC_SOURCE_PROBE);
    if (!WaitUntil([&] { return ControlText(GetDlgItem(dialog, IDC_SOURCE_PROBE_RESULT)).find("件") != std::string::npos; }, kTimeout))
        Fail("sources-alerts probe");
    ShotOf("sources-alerts", dialog);
    CloseWith(dialog, IDOK);

    // The alert feed's first look is its baseline; a new warning then cuts in.
    if (!WaitUntil([&] { return RowShows(list, 4, 2, "監視中"); }, kTimeout)) Fail("rows of the sources");
    server.put("alerts.xml", Utf8Alerts(true));
    if (!WaitUntil([&] { return RowShows(list, 3, 0, "割り込み"); }, 40000)) Fail("alert cut-in");
    RECT opened{};
    GetWindowRect(main, &opened);
    SetWindowPos(main, nullptr, 0, 0, opened.right - opened.left + 240, opened.bottom - opened.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SelectListRow(list, 4);
    ShotOf("sources-page", main);

    // CSV読み込み: a sheet saved by a spreadsheet, and the question before it is taken.
    const std::string csv = std::string(kFolder) + "\\captions.csv";
    WriteFileBytes(csv, "テキスト,分\r\n本日の受付は午後5時までです。,30\r\n会場内は禁煙です。,60\r\n");
    PostMessageA(page, WM_COMMAND, ID_CSV_IMPORT, 0);
    if (HWND open = FileDialog(program)) {
        SetWindowTextA(GetDlgItem(open, cmb13) ? GetDlgItem(open, cmb13) : GetDlgItem(open, edt1), csv.c_str());
        CloseWith(open, IDOK);
    }
    HWND box = program.WaitForMessageBox(kTimeout);
    ShotOf("csv-import", box);
    if (box) CloseWith(box, IDCANCEL);
    DeleteFileA(csv.c_str());
    PostMessageA(main, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: guide_shots PICTURE_FOLDER\n");
        return 2;
    }
    g_pictures = HostPathToWindows(argv[1]);
    CreateDirectoryA(kFolder, nullptr);
    WriteSettings({{"ようこそ。本日の放送予定をお知らせします。", 120},
                   {"午後3時から臨時ニュースをお伝えします。", 10},
                   {"会場の駐車場は満車です。公共交通機関をご利用ください。", 5}});
    {
        KirunnerProcess program;
        if (!program.Start(kFolder)) {
            std::printf("FAILED start %s\n", BuiltKirunnerPath().c_str());
            return 1;
        }
        TakePictures(program);
        if (!program.WaitForExit(kTimeout)) Fail("exit");
    }
    // The data sources, on a program started anew with the same list and sources served here.
    FeedServer server(600);
    if (!server.ready()) {
        Fail("feed server (PYTHON3, FEED_SERVER)");
    } else {
        server.put("news.rss", RssFeed({{"n1", "東京で初雪を観測しました"}, {"n2", "新しい駅が来月開業します"},
                                        {"n3", "週末は各地で晴れる見込みです"}}));
        server.put("alerts.xml", Utf8Alerts(false));
        KirunnerProcess program;
        if (program.Start(kFolder)) TakeSourcePictures(program, server);
        else Fail("start for the data sources");
        if (!program.WaitForExit(kTimeout)) Fail("exit");
    }
    for (const char* name : {"Kirunner.ini", "Kirunner.exe"})
        DeleteFileA((std::string(kFolder) + "\\" + name).c_str());
    RemoveDirectoryA(kFolder);
    return g_failures == 0 ? 0 : 1;
}
