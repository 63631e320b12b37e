// The web remote's API against the real program, seen from the PC: a row put on air from a phone
// reads 表示中 in the page's own list, and a caption added from it is the list's and the settings
// file's, as one added with テキスト追加; a settings file that cannot be written holds up no
// command from outside.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "KirunnerProcess.h"
#include "LoopbackHttp.h"
#include "OperatorDesk.h"
#include "OscSend.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const char kToken[] = "remote-token-0123456789abcdef";

// One request on a connection of its own; the answer's status, 0 when there was none.
int Request(int port, const std::string& method, const std::string& path, const std::string& body = "") {
    return LoopbackHttpStatus(port, kToken, method, path, body);
}

// A port of this test program's own from `base` on, and the settings keys that open the remote there.
int PortFrom(int base) { return base + static_cast<int>(GetCurrentProcessId() % 1000); }
std::string RemoteKeys(int port) { return "HTTPPORT=" + std::to_string(port) + "\r\nHTTPTOKEN=" + kToken + "\r\n"; }

TEST(Remote, APhonesTapsReachThePagesListAndTheSettingsFile) {
    const int port = PortFrom(41000);
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"abc", 5}, {"def", 5}}, RemoteKeys(port))));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path()));
    HWND main = program.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return Request(port, "GET", "/api/state") == 200; }, kTimeout));

    EXPECT_EQ(200, Request(port, "POST", "/api/show/2"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == std::vector<std::string>{"------", "表示中"}; }, kTimeout));

    EXPECT_EQ(200, Request(port, "POST", "/api/items", "{\"text\":\"ghi\",\"minutes\":7}"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main).size() == 3; }, kTimeout)) << "the page lists it";
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(dir.file("Kirunner.ini")).find("ITEMCOUNT=3") != std::string::npos; },
                          kTimeout))
        << "saved as テキスト追加 saves";
    EXPECT_EQ(200, Request(port, "DELETE", "/api/items/1"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == std::vector<std::string>{"表示中", "------"}; }, kTimeout))
        << "deleted without a question on the PC; def keeps its caption";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

// A phone deletes entry 1 while the page's question or dialog is open: はい and OK act on the
// caption the operator chose, or say that it is gone and change nothing.
TEST(Remote, ThePagesQuestionsActOnTheChosenCaptionWhateverAPhoneDeletesMeanwhile) {
    const int port = PortFrom(42000);
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               SettingsText({{"ALPHA", 5}, {"BRAVO", 5}, {"CHARLIE", 5}, {"DELTA", 5}, {"ECHO", 5}}, RemoteKeys(port))));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready() && WaitUntil([&] { return Request(port, "GET", "/api/state") == 200; }, kTimeout));
    auto texts = [&] { std::vector<std::string> t; for (const auto& row : desk.rows()) t.push_back(row[3]); return t; };
    desk.clickOnRow(2, IDC_DELETE_TEXT);  // CHARLIE
    ASSERT_TRUE(desk.program.WaitForMessageBox(kTimeout));
    EXPECT_EQ(200, Request(port, "DELETE", "/api/items/1"));
    EXPECT_EQ("選択したデータを削除しますか？", desk.answerMessage(IDYES));
    EXPECT_TRUE(WaitUntil([&] { return texts() == std::vector<std::string>{"BRAVO", "DELTA", "ECHO"}; }, kTimeout));
    desk.clickOnRow(2, IDC_CHANGE_TEXT);  // ECHO
    ASSERT_TRUE(desk.dialog(kChangeTextTitle));
    EXPECT_EQ(200, Request(port, "DELETE", "/api/items/1"));
    ASSERT_TRUE(desk.enterCaption("ECHO2", "4", kChangeTextTitle));
    EXPECT_TRUE(WaitUntil([&] { return texts() == std::vector<std::string>{"DELTA", "ECHO2"}; }, kTimeout));
    desk.clickOnRow(0, IDC_DELETE_TEXT);  // DELTA, which the phone deletes first
    ASSERT_TRUE(desk.program.WaitForMessageBox(kTimeout));
    EXPECT_EQ(200, Request(port, "DELETE", "/api/items/1"));
    EXPECT_EQ("選択したデータを削除しますか？", desk.answerMessage(IDYES));
    EXPECT_EQ("選んだテキストは、ほかの操作で削除されました", desk.answerMessage(IDOK));
    EXPECT_EQ(std::vector<std::string>{"ECHO2"}, texts());
    PostMessageA(desk.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(desk.program.WaitForExit(kTimeout));
}

// Kirunner.ini read-only: an entry added from a phone is the page's at once and its answer says
// that the file does not keep it. No box waits at the PC, so the next command, from the phone or
// over OSC, is carried out at once, and nothing is done twice. The status line says so until a
// save succeeds.
TEST(Remote, AnUnwritableSettingsFileHoldsUpNoCommandFromOutside) {
    const int port = PortFrom(42000), oscPort = PortFrom(43000);
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(WriteFileBytes(ini, SettingsText({{"abc", 5}, {"def", 5}}, RemoteKeys(port) + "OSCPORT=" + std::to_string(oscPort) + "\r\n")));
    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready() && WaitUntil([&] { return Request(port, "GET", "/api/state") == 200; }, kTimeout));
    auto statusLine = [&] { return WindowText(GetDlgItem(desk.main, IDC_STATUS_LINE)); };

    const std::string added = LoopbackHttpAnswer(port, kToken, "POST", "/api/items", "{\"text\":\"ghi\",\"minutes\":7}");
    EXPECT_EQ(0u, added.rfind("HTTP/1.1 200 ", 0)) << added;
    EXPECT_NE(std::string::npos, added.find("\"saved\":false}")) << added;
    EXPECT_EQ(200, Request(port, "POST", "/api/show/1")) << "carried out, not held up";
    EXPECT_TRUE(SendOsc(oscPort, "/kirunner/show i:2"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(desk.main) == std::vector<std::string>{"表示中", "表示中", "------"}; },
                          kTimeout))
        << "one entry added; both commands carried out";
    EXPECT_FALSE(desk.program.WaitForMessageBox(1500)) << "no box at the PC";
    EXPECT_TRUE(WaitUntil([&] { return statusLine() == "設定ファイルに保存できませんでした"; }, kTimeout)) << statusLine();

    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL));
    const std::string deleted = LoopbackHttpAnswer(port, kToken, "DELETE", "/api/items/1");
    EXPECT_NE(std::string::npos, deleted.find("\"saved\":true}")) << deleted;
    EXPECT_TRUE(WaitUntil([&] { return statusLine().empty(); }, kTimeout)) << statusLine();
    EXPECT_NE(std::string::npos, ReadFileBytes(ini).find("STRINGS=676869")) << "ghi, added from the phone, is kept";
    PostMessageA(desk.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(desk.program.WaitForExit(kTimeout));
}

}  // namespace
