#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "panel/PropatyDlg.h"
#include "resource.h"
#include "tests/unit/test_rgbsetdlg_steps.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

const char kMovesCaptions[] = "このレーンのテキストはレーン1に移ります。レーンを削除しますか？";

// The lane row: how many lanes, the one chosen, "1"/"0" for レーン追加, レーン削除 and the name
// enabled, the name; then the edge distance shown.
std::string LaneRow(HWND d) {
    std::string row = std::to_string(SendDlgItemMessageA(d, IDC_LANE_LIST, CB_GETCOUNT, 0, 0)) + " " +
                      ItemText(d, IDC_LANE_LIST) + " ";
    for (int id : {IDC_LANE_ADD, IDC_LANE_REMOVE, IDC_LANE_NAME})
        row += IsWindowEnabled(GetDlgItem(d, id)) ? '1' : '0';
    return row + " " + ItemText(d, IDC_LANE_NAME) + " " + ItemText(d, IDC_GAP_EDIT);
}

TEST(PropatyDlgLanes, AddNameSwitchAndRemoveOneLaneAtATime) {
    MessageBoxRecorder boxes(IDNO);
    DialogDriver driver;
    CPropatyDlg dlg;
    LaneLook top, bottom;
    bottom.pos = 1, bottom.gap = 40, bottom.name = L"Sponsors";
    std::vector<int> asked;
    dlg.setLanes({top, bottom}, 1, 2, [&](int lane) { asked.push_back(lane); return lane == 2; });
    std::vector<std::string> rows;
    const DialogStep note = Check([&](HWND d) { rows.push_back(LaneRow(d)); });
    driver.Expect({note, ChooseEntry(IDC_LANE_LIST, 0), note,
                   Click(IDC_COLOR_RED),                       // kept when lane 1 is left
                   Click(IDC_LANE_ADD), note,                  // lane 3, a copy of lane 1
                   SetText(IDC_LANE_NAME, "Relay"), Click(IDC_POS_BOTTOM),
                   ChooseEntry(IDC_LANE_LIST, 1), note,        // lane 2 as it was
                   Click(IDC_LANE_REMOVE),                     // it holds captions: asked, no
                   Check([&](HWND) { boxes.SetAnswer(IDYES); }),
                   Click(IDC_LANE_REMOVE), note,               // yes: lane 1 selected
                   ChooseEntry(IDC_LANE_LIST, 1), note,        // the added lane, now lane 2
                   Click(IDC_LANE_ADD), Click(IDC_LANE_ADD), note,  // four: no more
                   Click(IDC_LANE_REMOVE), Click(IDC_LANE_REMOVE),  // added ones: nothing asked
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"2 レーン2 111 Sponsors 40", "2 レーン1 100  0", "3 レーン3 111  0",
                                        "3 レーン2 111 Sponsors 40", "2 レーン1 100  0", "2 レーン2 111 Relay 0",
                                        "4 レーン4 011  0"}),
              rows);
    EXPECT_EQ((std::vector<std::string>{kMovesCaptions, kMovesCaptions}), boxes.texts());
    for (const auto& shown : boxes.shown()) EXPECT_EQ(UINT(MB_YESNO), shown.type & MB_TYPEMASK);
    EXPECT_EQ((std::vector<int>{2, 2}), asked) << "only lanes that were there are asked about";
    ASSERT_EQ((std::vector<int>{1, 0}), dlg.laneOrigins());
    const std::vector<LaneLook> lanes = dlg.lanes();
    // Lane 1 red on top; the added lane a copy of lane 1 as edited, at the bottom, named.
    EXPECT_EQ((std::vector<int>{CPropatyDlg::kRed, 0, CPropatyDlg::kRed, 1}),
              (std::vector<int>{lanes[0].colorChoice, lanes[0].pos, lanes[1].colorChoice, lanes[1].pos}));
    EXPECT_EQ(L"Relay", lanes[1].name);
    EXPECT_EQ(1, dlg.cutInAfterCurrent());
}

TEST(PropatyDlgLanes, CancelGivesBackTheLanesAsTheyCame) {
    DialogDriver driver;
    CPropatyDlg dlg;
    LaneLook second;
    second.name = L"Two";
    dlg.setLanes({LaneLook(), second}, 0, 1, nullptr);
    driver.Expect({Click(IDC_LANE_ADD), Click(IDC_POS_BOTTOM), ChooseEntry(IDC_LANE_LIST, 1),
                   Click(IDC_LANE_REMOVE), Click(IDC_CUTIN_AFTER), Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_EQ((std::vector<int>{1, 2}), dlg.laneOrigins());
    EXPECT_EQ(L"Two", dlg.lanes()[1].name);
    EXPECT_EQ(0, dlg.cutInAfterCurrent());
}

}  // namespace
