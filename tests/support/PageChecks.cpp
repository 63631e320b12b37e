#include "PageChecks.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "display/KirunWin.h"
#include "display/StripPlacement.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"
#include "show/CaptionKinds.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"

namespace testing_support {

void ExpectSanePage(const PageHost& host, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_NE(nullptr, host.page());
    const CControlDlg& page = *host.page();
    const CKirunWin* stripWindow = host.host()->strips().first();
    const int count = page.captionList().count();
    EXPECT_GE(count, 0);
    EXPECT_LE(count, kMaxLoadedItems);
    // A row for each item, then one for each caption on air that is no item and each source.
    const ShowSnapshot snapshot = host.host()->show().snapshot();
    EXPECT_EQ(static_cast<int>(snapshot.rows.size()), page.listCtrl().GetItemCount());
    EXPECT_EQ(count, static_cast<int>(std::count_if(snapshot.rows.begin(), snapshot.rows.end(),
                                                    [](const ShowRow& row) { return row.kind == ShowRow::Kind::Item; })));

    const LOGFONTA& font = page.controller().appearance().logFont;
    EXPECT_LE(font.lfHeight, kMaxFontHeight);
    EXPECT_GE(font.lfHeight, -kMaxFontHeight);
    EXPECT_NE(nullptr, std::memchr(font.lfFaceName, '\0', sizeof font.lfFaceName));

    ASSERT_NE(nullptr, stripWindow);
    const CKirunWin& strip = *stripWindow;
    EXPECT_GE(strip.look().m_deltaX, 1);
    EXPECT_LE(strip.look().m_deltaX, 4);
    EXPECT_EQ(0u, strip.look().m_textColor & 0xFF000000u);
    EXPECT_EQ(0u, strip.look().m_shadowColor & 0xFF000000u);

    RECT rect{};
    ASSERT_TRUE(GetWindowRect(strip.Hwnd(), &rect));
    EXPECT_GE(rect.left, -kMaxWindowCoordinate);
    EXPECT_LE(rect.left, kMaxWindowCoordinate);
    EXPECT_LE(rect.right, kMaxWindowCoordinate);
    EXPECT_GE(rect.right, rect.left);
    EXPECT_GE(rect.top, -kMaxWindowCoordinate);
    EXPECT_LE(rect.top, kMaxWindowCoordinate);
    EXPECT_GE(rect.bottom, rect.top);
    EXPECT_LE(rect.bottom - rect.top, kTallestStrip);
    EXPECT_LE(strip.captionSize().cy, kTallestStrip);
    EXPECT_GE(strip.scrollX(), 0);
}

std::vector<std::string> CaptionsOnAir(const Show& show) {
    std::vector<std::string> captions;
    // Each by the index the program writes it with: its list position, or 60000, 60001 and 60002
    // for the watched file's caption, a free text and the cut-in.
    auto indexOf = [&show](CaptionId id) {
        switch (kindOf(id)) {
        case ShowRow::Kind::Item: return show.captionList().positionOf(id);
        case ShowRow::Kind::File: return 60000;
        case ShowRow::Kind::FreeText: return 60001;
        case ShowRow::Kind::CutIn: return 60002;
        default: return -1;
        }
    };
    for (int lane = 1; lane <= show.laneCount(); ++lane) {
        const Schedule& schedule = show.laneOf(lane).schedule();
        for (int i = 0; i < schedule.count(); ++i)
            captions.push_back(std::to_string(indexOf(schedule.at(i).id)) + ":" + fw::CodePage932FromWide(schedule.at(i).text));
    }
    return captions;
}

}  // namespace testing_support
